#include "platform/substitute/code_page.h"

#include <algorithm>
#include <array>

#include "platform/substitute/code_page_936.h"

namespace halvex::platform::substitute {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHigh1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Widen1252(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    char16_t wide = kHigh1252[byte - 0x80];
    return wide != 0 ? wide : char16_t(byte);  // undefined bytes map to the control points
  }
  return char16_t(byte);
}

char Narrow1252(char16_t wide) {
  if (wide < 0x80 || (wide >= 0xA0 && wide <= 0xFF)) return char(wide);
  for (unsigned i = 0; i < kHigh1252.size(); ++i) {
    if (kHigh1252[i] == wide) return char(0x80 + i);
  }
  if (wide >= 0x80 && wide <= 0x9F) return char(wide);
  return '?';
}

// Code page 936 has one single byte beyond ASCII that Windows maps: 0x80, the euro sign.
constexpr unsigned char kEuro936 = 0x80;

}  // namespace

const CodePage& CodePage::Windows1252() {
  static const CodePage page(1252);
  return page;
}

const CodePage& CodePage::Windows936() {
  static const CodePage page(936);
  return page;
}

const CodePage* CodePage::ForNumber(unsigned number) {
  if (number == 1252) return &Windows1252();
  if (number == 936) return &Windows936();
  return nullptr;
}

char CodePage::Upper(char c) const {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 'a' && byte <= 'z') return char(byte - 0x20);
  if (IsDoubleByte()) return c;
  // Latin-1 small letters, except the division sign; ß and µ have no 8-bit capital.
  if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return char(byte - 0x20);
  switch (byte) {
    case 0x9A:
      return char(0x8A);  // š
    case 0x9C:
      return char(0x8C);  // œ
    case 0x9E:
      return char(0x8E);  // ž
    case 0xFF:
      return char(0x9F);  // ÿ
    default:
      return c;
  }
}

std::string CodePage::Upper(std::string_view text) const {
  std::string upper(text);
  for (std::size_t i = 0; i < upper.size(); ++i) {
    if (IsLeadByte(upper[i])) {
      ++i;  // the trail byte is part of the character, not a letter of its own
    } else {
      upper[i] = Upper(upper[i]);
    }
  }
  return upper;
}

bool CodePage::EqualNoCase(std::string_view a, std::string_view b) const {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

int CodePage::CompareNoCase(std::string_view a, std::string_view b) const {
  if (IsDoubleByte()) {
    const int order = Upper(a).compare(Upper(b));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
  }
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto ua = static_cast<unsigned char>(Upper(a[i]));
    const auto ub = static_cast<unsigned char>(Upper(b[i]));
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool CodePage::IsLeadByte(char c) const {
  const auto byte = static_cast<unsigned char>(c);
  return IsDoubleByte() && byte >= 0x81 && byte <= 0xFE;
}

std::optional<char16_t> CodePage::DoubleByteToUtf16(char lead, char trail) const {
  if (!IsLeadByte(lead)) return std::nullopt;
  return Decode936Pair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
}

std::u16string CodePage::ToUtf16(std::string_view text) const {
  std::u16string wide;
  wide.reserve(text.size());
  if (!IsDoubleByte()) {
    for (char c : text) wide.push_back(Widen1252(static_cast<unsigned char>(c)));
    return wide;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      wide.push_back(char16_t(byte));
    } else if (byte == kEuro936) {
      wide.push_back(u'\u20AC');
    } else if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      wide.push_back(DoubleByteToUtf16(text[i], text[i + 1]).value_or(u'?'));
      ++i;
    } else {
      wide.push_back(u'?');
    }
  }
  return wide;
}

std::string CodePage::FromUtf16(std::u16string_view text) const {
  std::string narrow;
  narrow.reserve(text.size());
  for (char16_t wide : text) {
    if (!IsDoubleByte()) {
      narrow.push_back(Narrow1252(wide));
    } else if (wide < 0x80) {
      narrow.push_back(char(wide));
    } else if (wide == u'\u20AC') {
      narrow.push_back(char(kEuro936));
    } else {
      narrow += Encode936(wide).value_or("?");
    }
  }
  return narrow;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    if (code < 0x80) {
      utf8.push_back(char(code));
    } else if (code < 0x800) {
      utf8.push_back(char(0xC0 | (code >> 6)));
      utf8.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      utf8.push_back(char(0xE0 | (code >> 12)));
      utf8.push_back(char(0x80 | ((code >> 6) & 0x3F)));
      utf8.push_back(char(0x80 | (code & 0x3F)));
    } else {
      utf8.push_back(char(0xF0 | (code >> 18)));
      utf8.push_back(char(0x80 | ((code >> 12) & 0x3F)));
      utf8.push_back(char(0x80 | ((code >> 6) & 0x3F)));
      utf8.push_back(char(0x80 | (code & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace halvex::platform::substitute
