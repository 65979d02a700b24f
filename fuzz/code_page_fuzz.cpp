// Code page conversion, in Windows-1252 and 936. A text converted to UTF-16 and back is stable
// from then on; a text so converted, followed by a quote, keeps its quote through a conversion
// of both (what the .reg writers rely on); upper-casing keeps the length and compares equal
// without regard to case; and any UTF-16 converts.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/input_parts.h"
#include "platform/reg_file_syntax.h"
#include "platform/substitute/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using halvex::platform::substitute::CodePage;
  const std::string_view text = halvex::fuzz::AsText(data, size);
  for (const CodePage* page : {&CodePage::Windows1252(), &CodePage::Windows936()}) {
    const std::string settled = halvex::platform::ThroughUtf16(*page, text);
    HALVEX_FUZZ_CHECK(halvex::platform::ThroughUtf16(*page, settled) == settled,
                      "a converted text changes when converted again");
    const std::string quoted = settled + "\"";
    HALVEX_FUZZ_CHECK(halvex::platform::ThroughUtf16(*page, quoted) == quoted,
                      "a converted text takes the quote after it into its last character");
    HALVEX_FUZZ_CHECK(page->ToUtf16(text).size() <= text.size(),
                      "the conversion gives more characters than bytes");
    const std::string upper = page->Upper(text);
    HALVEX_FUZZ_CHECK(upper.size() == text.size(), "upper-casing changes the length");
    HALVEX_FUZZ_CHECK(page->EqualNoCase(text, upper), "a text differs from its upper case");
    HALVEX_FUZZ_CHECK(
        page->CompareNoCase(text, upper) == 0 && page->CompareNoCase(upper, text) == 0,
        "a text does not compare equal to its upper case");
    std::u16string units;
    for (std::size_t at = 0; at + 1 < size; at += 2) {
      units.push_back(static_cast<char16_t>(data[at] | data[at + 1] << 8));
    }
    (void)page->FromUtf16(units);
    (void)halvex::platform::substitute::Utf16ToUtf8(units);
  }
  return 0;
}
