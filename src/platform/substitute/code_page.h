#pragma once
// The system code page as the substitute platform fixes it: the ANSI upper-casing that
// case-insensitive names use, the lead bytes of double-byte code pages, and the conversion of
// 8-bit text to and from UTF-16.
#include <optional>
#include <string>
#include <string_view>

namespace halvex::platform::substitute {

class CodePage {
 public:
  // Windows-1252, the default code page of the substitute machine.
  static const CodePage& Windows1252();
  // Code page 936 (simplified Chinese, double-byte). Its upper-casing changes ASCII letters
  // only and never touches the second byte of a pair.
  static const CodePage& Windows936();
  // The code page of that number, or nullptr when the substitute does not know it.
  static const CodePage* ForNumber(unsigned number);

  unsigned number() const { return number_; }
  bool IsDoubleByte() const { return number_ == 936; }

  // One byte on its own; in a double-byte code page use the string form, which knows pairs.
  char Upper(char c) const;
  std::string Upper(std::string_view text) const;
  // Case-insensitive equality and ordering, as the system compares registry names.
  bool EqualNoCase(std::string_view a, std::string_view b) const;
  int CompareNoCase(std::string_view a, std::string_view b) const;

  // Whether the byte starts a two-byte character (never in a single-byte code page).
  bool IsLeadByte(char c) const;
  // The character of a lead and a trail byte; nullopt when they form none, or when this
  // build has no table for the code page (see code_page_936.cpp).
  std::optional<char16_t> DoubleByteToUtf16(char lead, char trail) const;

  // Bytes that form no character become '?'.
  std::u16string ToUtf16(std::string_view text) const;
  // Characters the code page cannot hold become '?', as the system's conversion does.
  std::string FromUtf16(std::u16string_view text) const;

 private:
  explicit CodePage(unsigned number) : number_(number) {}
  unsigned number_;
};

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace halvex::platform::substitute
