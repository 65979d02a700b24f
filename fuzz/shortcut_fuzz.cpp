// Shortcuts. Any bytes read as a shortcut never read past the data (the sanitizer watches every
// read) and give a target or nothing; a shortcut that the test builder writes from the input
// reads back as its target, and every cut of it as that target or nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <memory>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "platform/substitute/code_page.h"
#include "platform/substitute/shell_link_format.h"
#include "tests/platform/shortcut_file_builder.h"

namespace {

using halvex::platform::substitute::CodePage;
using halvex::platform::substitute::ShortcutTargetFromBytes;

// A path of the input without the NUL that would end it early.
std::string PathText(FuzzedDataProvider& input) {
  std::string text = input.ConsumeRandomLengthString(80);
  std::erase(text, '\0');
  return text;
}

// The target that the shell gives for the layout: the share and the suffix for a link into a
// share, the local path and the suffix otherwise.
std::string ExpectedTarget(const halvex::testing::ShortcutLayout& layout) {
  if (!layout.withLinkInfo) return {};
  if (!layout.networkShare.empty()) {
    return layout.commonPathSuffix.empty() ? layout.networkShare
                                           : layout.networkShare + "\\" + layout.commonPathSuffix;
  }
  if (!layout.localBasePath.empty()) return layout.localBasePath + layout.commonPathSuffix;
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)ShortcutTargetFromBytes(bytes, CodePage::Windows1252());
  (void)ShortcutTargetFromBytes(bytes, CodePage::Windows936());

  FuzzedDataProvider input(data, size);
  halvex::testing::ShortcutLayout layout;
  layout.localBasePath = PathText(input);
  layout.commonPathSuffix = PathText(input);
  layout.networkShare = input.ConsumeBool() ? PathText(input) : "";
  layout.withIdList = input.ConsumeBool();
  layout.withUnicode = input.ConsumeBool();
  layout.withLinkInfo = input.ConsumeBool();
  layout.description = PathText(input);
  const std::string built = halvex::testing::BuildShortcutFile(layout).bytes;
  const std::string expected = ExpectedTarget(layout);
  const std::string target = ShortcutTargetFromBytes(built, CodePage::Windows1252());
  HALVEX_FUZZ_CHECK(target == expected,
                    "the built shortcut reads as \"" + target + "\", not \"" + expected + "\"");
  const std::size_t cut = input.ConsumeIntegralInRange<std::size_t>(0, built.size());
  // A buffer of exactly the cut's size, so that the sanitizer sees a read past its end.
  const std::unique_ptr<char[]> cutBytes(new char[cut + 1]);
  std::copy_n(built.data(), cut, cutBytes.get() + 1);
  const std::string cutTarget =
      ShortcutTargetFromBytes(std::string_view(cutBytes.get() + 1, cut), CodePage::Windows1252());
  HALVEX_FUZZ_CHECK(cutTarget.empty() || cutTarget == expected,
                    "the first " + std::to_string(cut) + " bytes read as \"" + cutTarget + "\"");
  return 0;
}
