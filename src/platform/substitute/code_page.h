#pragma once
// The system code page as the substitute platform fixes it: the ANSI upper-casing that
// case-insensitive names use, and the conversion of 8-bit text to and from UTF-16.
#include <string>
#include <string_view>

namespace halvex::platform::substitute {

class CodePage {
 public:
  // Windows-1252, the default code page of the substitute machine.
  static const CodePage& Windows1252();

  unsigned number() const { return number_; }
  char Upper(char c) const;
  std::string Upper(std::string_view text) const;
  // Case-insensitive equality and ordering, as the system compares registry names.
  bool EqualNoCase(std::string_view a, std::string_view b) const;
  int CompareNoCase(std::string_view a, std::string_view b) const;

  std::u16string ToUtf16(std::string_view text) const;
  // Characters the code page cannot hold become '?', as the system's conversion does.
  std::string FromUtf16(std::u16string_view text) const;

 private:
  explicit CodePage(unsigned number) : number_(number) {}
  unsigned number_;
};

}  // namespace halvex::platform::substitute
