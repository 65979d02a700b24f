#include "tests/platform/reg_file_cases.h"

#include <algorithm>

namespace halvex::testing {
namespace {

constexpr auto kBytes = RegFileCase::Encoding::Bytes;
constexpr auto kUtf16 = RegFileCase::Encoding::Utf16;

// A binary value and a string far larger than the 256 bytes many callers read at once.
RegFileCase LargeValues() {
  std::string hex;
  std::string bytes;
  for (int i = 0; i < 300; ++i) {
    hex += (i % 20 == 19) ? "41,\\\n  " : "41,";
    bytes += 'A';
  }
  const std::string longText(1000, 'z');
  return {
      "values larger than any buffer",
      "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"bin\"=hex:" + hex + "42\n\"sz\"=\"" + longText + "\"\n",
      kBytes,
      {".", ".: 'bin' = 3 '" + bytes + "B'", ".: 'sz' = 1 '" + longText + "\\0'"}};
}

std::vector<RegFileCase> MakeCases() {
  std::vector<RegFileCase> cases = {
      {"REGEDIT4 header",
       R"(REGEDIT4

[HKEY_CURRENT_USER\T]
"a"="x"
)",
       kBytes,
       {".", ".: 'a' = 1 'x\\0'"}},
      {"version 5.00 header in an 8-bit file",
       R"(Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\T]
"a"="x"
)",
       kBytes,
       {".", ".: 'a' = 1 'x\\0'"}},
      {"blanks before the header, no blank line after it",
       " \tREGEDIT4\n[HKEY_CURRENT_USER\\T]\n",
       kBytes,
       {"."}},
      {"default value by @ and by the empty name",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
@="d"
[HKEY_CURRENT_USER\T\Sub]
""="e"
)",
       kBytes,
       {".", ".: @ = 1 'd\\0'", "Sub", "Sub: @ = 1 'e\\0'"}},
      {"escapes in names and strings",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"a\\b\"c"="x\\y\"z\n\r"
"empty"=""
"semicolon"="a;b #c"
)",
       kBytes,
       {".", ".: 'a\\x5Cb\"c' = 1 'x\\x5Cy\"z\\x0A\\x0D\\0'", ".: 'empty' = 1 '\\0'",
        ".: 'semicolon' = 1 'a;b #c\\0'"}},
      {"dword forms",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"one"=dword:1
"max"=dword:ffffffff
"blanks"=dword:  0000000A
"comment"=dword:00010000 ; a comment
)",
       kBytes,
       {".", ".: 'one' = 4 '\\x01\\0\\0\\0'", ".: 'max' = 4 '\\xFF\\xFF\\xFF\\xFF'",
        ".: 'blanks' = 4 '\\x0A\\0\\0\\0'", ".: 'comment' = 4 '\\0\\0\\x01\\0'"}},
      {"hex byte forms",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"short"=hex:1,2,ab
"zeros and blanks"=hex: 001, 0F,
"empty"=hex:
"comment"=hex:41,42 ;c
"comma and comment"=hex:41,;c
)",
       kBytes,
       {".", ".: 'short' = 3 '\\x01\\x02\\xAB'", ".: 'zeros and blanks' = 3 '\\x01\\x0F'",
        ".: 'empty' = 3 ''", ".: 'comment' = 3 'AB'", ".: 'comma and comment' = 3 'A'"}},
      {"hex(N) for any type number",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"none"=hex(0):01
"sz"=hex(1):41
"dword"=hex(4):01,02
"big endian"=hex(5):00,00,00,01
"link"=hex(6):5c,00
"qword"=hex(b):01,02,03,04,05,06,07,08
"upper"=hex(B):01
"zeros"=hex(00000003):01
"large"=hex(100):ff
"largest"=hex(ffffffff):
)",
       kBytes,
       {".", ".: 'none' = 0 '\\x01'", ".: 'sz' = 1 'A\\0'", ".: 'dword' = 4 '\\x01\\x02'",
        ".: 'big endian' = 5 '\\0\\0\\0\\x01'", ".: 'link' = 6 '\\x5C\\0'",
        ".: 'qword' = 11 '\\x01\\x02\\x03\\x04\\x05\\x06\\x07\\x08'", ".: 'upper' = 11 '\\x01'",
        ".: 'zeros' = 3 '\\x01'", ".: 'large' = 256 '\\xFF'", ".: 'largest' = 4294967295 ''"}},
      {"8-bit text data gets its NUL, empty data stays empty",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"expand"=hex(2):25,53,25,00
"no nul"=hex(2):41,42
"empty"=hex(2):
"multi"=hex(7):61,00,62,00,00
)",
       kBytes,
       {".", ".: 'expand' = 2 '%S%\\0'", ".: 'no nul' = 2 'AB\\0'", ".: 'empty' = 2 ''",
        ".: 'multi' = 7 'a\\0b\\0\\0'"}},
      // Wine's regedit reads these bytes as 8-bit text too: the file is 8-bit.
      {"hex(2) of an 8-bit file with the 5.00 header stays 8-bit",
       R"(Windows Registry Editor Version 5.00
[HKEY_CURRENT_USER\T]
"p"=hex(2):25,00,53,00
)",
       kBytes,
       {".", ".: 'p' = 2 '%\\0S\\0'"}},
      {"continued hex data",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"a"=hex:01,\
  02,03
"b"=hex:\
    41,\

  ; a comment between the parts
  42
"c"=hex:01,\ ; a comment after the backslash
  02
"d"=hex(7):61,00,\
62,00,00
"after"="x"
)",
       kBytes,
       {".", ".: 'a' = 3 '\\x01\\x02\\x03'", ".: 'b' = 3 'AB'", ".: 'c' = 3 '\\x01\\x02'",
        ".: 'd' = 7 'a\\0b\\0\\0'", ".: 'after' = 1 'x\\0'"}},
      {"comments, blank lines and blanks",
       "REGEDIT4\n; comment\n# hash comment\n"
       "   ; indented comment\n   # indented hash\n\n"
       "  [HKEY_CURRENT_USER\\T]\n\t\"a\" = \"x\"\t\n"
       "  @\t=\tdword:1\n",
       kBytes,
       {".", ".: 'a' = 1 'x\\0'", ".: @ = 4 '\\x01\\0\\0\\0'"}},
      {"key line forms",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T\a]b]
[hkey_current_user\T\Lower]
[HKEY_CURRENT_USER\T\x] text the registry editor ignores
[HKEY_CURRENT_USER\T\p\q\r]
)",
       kBytes,
       {".", "a]b", "Lower", "x", "p", "p\\q", "p\\q\\r"}},
      {"deletions",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T\Gone\Deep]
"v"="1"
[HKEY_CURRENT_USER\T\Kept]
[HKEY_CURRENT_USER\T]
"a"="1"
"b"="2"
"c"="3"
@="4"
"a"=-
"b" = - ; comment
@=-
"never there"=-
[-HKEY_CURRENT_USER\T\Gone]
[-HKEY_CURRENT_USER\T\Missing\Deeper]
)",
       kBytes,
       {".", ".: 'c' = 1 '3\\0'", "Kept"}},
      {"CR, LF and CR LF line ends, no line end at the end",
       "REGEDIT4\r[HKEY_CURRENT_USER\\T]\r\n\"a\"=\"1\"\n\"b\"=hex:01,\\\r  02\r\"c\"=\"3\"",
       kBytes,
       {".", ".: 'a' = 1 '1\\0'", ".: 'b' = 3 '\\x01\\x02'", ".: 'c' = 1 '3\\0'"}},
      {"a later line replaces a value",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"a"="x"
"a"=dword:2
)",
       kBytes,
       {".", ".: 'a' = 4 '\\x02\\0\\0\\0'"}},
      {"a key deleted and made again is empty",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T\K]
"a"="1"
[-HKEY_CURRENT_USER\T\K]
[HKEY_CURRENT_USER\T\K]
"b"="2"
)",
       kBytes,
       {".", "K", "K: 'b' = 1 '2\\0'"}},
      {"8-bit names and strings stay as they are",
       "REGEDIT4\n[HKEY_CURRENT_USER\\T\\Caf\xE9]\n\"\x80\xFF\"=\"\x81\x9F\xA0\"\n",
       kBytes,
       {".", "Caf\\xE9", "Caf\\xE9: '\\x80\\xFF' = 1 '\\x81\\x9F\\xA0\\0'"}},
      // A character the code page lacks becomes '?'; only in data, as a value whose name has one
      // is listed by the system's ANSI calls but does not open through them.
      {"names and strings",
       "Windows Registry Editor Version 5.00\r\n\r\n"
       "[HKEY_CURRENT_USER\\T\\Café]\r\n"
       "\"é€\"=\"x€中\"\r\n",
       kUtf16,
       {".", "Caf\\xE9", "Caf\\xE9: '\\xE9\\x80' = 1 'x\\x80?\\0'"}},
      {"text data is UTF-16, other data is bytes",
       "Windows Registry Editor Version 5.00\r\n"
       "[HKEY_CURRENT_USER\\T]\r\n"
       "\"expand\"=hex(2):25,00,53,00\r\n"
       "\"chars\"=hex(2):e9,00,ac,20,2d,4e,00,00\r\n"
       "\"multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
       "\"sz\"=hex(1):61,00\r\n"
       "\"empty\"=hex(7):\r\n"
       "\"binary\"=hex:e9,00\r\n"
       "\"dword\"=dword:10\r\n",
       kUtf16,
       {".", ".: 'expand' = 2 '%S\\0'", ".: 'chars' = 2 '\\xE9\\x80?\\0'",
        ".: 'multi' = 7 'a\\0b\\0\\0'", ".: 'sz' = 1 'a\\0'", ".: 'empty' = 7 ''",
        ".: 'binary' = 3 '\\xE9\\0'", ".: 'dword' = 4 '\\x10\\0\\0\\0'"}},
      // What counts is the file's encoding, as with Wine's regedit, not its header.
      {"a UTF-16 file with the REGEDIT4 header",
       "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"e\"=hex(2):41,00\n",
       kUtf16,
       {".", ".: 'e' = 2 'A\\0'"}},
      // Each half of a surrogate pair becomes a '?', as each unit has no 8-bit character.
      {"a character beyond the 16-bit range",
       "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"astral\"=\"\U0001F600\"\n",
       kUtf16,
       {".", ".: 'astral' = 1 '??\\0'"}},
  };
  cases.push_back(LargeValues());
  return cases;
}

void AppendUtf16(std::string& bytes, char16_t unit) {
  bytes.push_back(static_cast<char>(unit & 0xFF));
  bytes.push_back(static_cast<char>(unit >> 8));
}

// The UTF-8 text as UTF-16LE, with its byte order mark.
std::string Utf16File(std::string_view utf8) {
  std::string bytes = "\xFF\xFE";
  for (std::size_t at = 0; at < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) point = point << 6 | (utf8[at + i] & 0x3F);
    at += length;
    if (point >= 0x10000) {
      AppendUtf16(bytes, static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
      AppendUtf16(bytes, static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
    } else {
      AppendUtf16(bytes, static_cast<char16_t>(point));
    }
  }
  return bytes;
}

// Moves every "HKEY_CURRENT_USER\T" (the root name in any case) that ends at ']' or '\\'.
std::string MoveKey(std::string text, std::string_view base) {
  static constexpr std::string_view kKey = "hkey_current_user\\t";
  for (std::size_t at = 0; at + kKey.size() < text.size(); ++at) {
    const bool matches =
        std::equal(kKey.begin(), kKey.end(), text.begin() + at,
                   [](char k, char c) { return k == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    const char next = text[at + kKey.size()];
    if (matches && (next == ']' || next == '\\')) {
      text.replace(at + kKey.size() - 1, 1, base);
      at += kKey.size();
    }
  }
  return text;
}

}  // namespace

std::vector<EditorRegFileCase> MakeEditorCases() {
  return {
      {{"a dword of nine digits is skipped, the lines around it are imported",
        "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=\"1\"\n\"b\"=dword:123456789\n\"c\"=\"2\"\n",
        kBytes,
        {".", ".: 'a' = 1 '1\\0'", ".: 'c' = 1 '2\\0'"}},
       {4},
       4},
      {{"an unknown root opens no key: its value lines are lost up to the next key line",
        "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=\"1\"\n[HKEY_CURRENT_USERS\\T]\n\"b\"=\"2\"\n"
        "\"c\"=\"3\"\n[HKEY_CURRENT_USER\\T]\n\"d\"=\"4\"\n",
        kBytes,
        {".", ".: 'a' = 1 '1\\0'", ".: 'd' = 1 '4\\0'"}},
       {4, 5, 6},
       4},
      {{"a deletion written with a blank after '[' deletes nothing and keeps the key open",
        "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=\"1\"\n[ -HKEY_CURRENT_USER\\T]\n\"b\"=\"2\"\n",
        kBytes,
        {".", ".: 'a' = 1 '1\\0'", ".: 'b' = 1 '2\\0'"}},
       {4},
       4},
      {{"value lines before the first key line and after a deletion are skipped",
        "REGEDIT4\n\"a\"=\"1\"\n[HKEY_CURRENT_USER\\T\\K]\n[-HKEY_CURRENT_USER\\T\\K]\n"
        "\"b\"=\"2\"\n[HKEY_CURRENT_USER\\T]\n\"c\"=\"3\"\n",
        kBytes,
        {".", ".: 'c' = 1 '3\\0'"}},
       {2, 5},
       2},
      {{"a trailing backslash and empty names in a key path are dropped",
        "REGEDIT4\n[HKEY_CURRENT_USER\\T\\Sub\\]\n\"a\"=\"1\"\n[HKEY_CURRENT_USER\\T\\\\P\\\\Q]\n",
        kBytes,
        {".", "Sub", "Sub: 'a' = 1 '1\\0'", "P", "P\\Q"}},
       {},
       2},
      {{"key names keep trailing blanks and match in any case",
        "REGEDIT4\n[HKEY_CURRENT_USER\\T\\Blank ]\n\"a\"=\"1\"\n[HKEY_CURRENT_USER\\T\\SUB]\n"
        "\"b\"=\"2\"\n[HKEY_CURRENT_USER\\T\\sub]\n\"c\"=\"3\"\n\"bad\"=hex:zz\n",
        kBytes,
        {".", "Blank ", "Blank : 'a' = 1 '1\\0'", "SUB", "SUB: 'b' = 1 '2\\0'",
         "SUB: 'c' = 1 '3\\0'"}},
       {8},
       8},
      {{"a string ending in a backslash takes the rest of the file with it",
        "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=\"x\\\n\"b\"=\"2\"\n[HKEY_CURRENT_USER\\T\\K]\n"
        "\"c\"=\"3\"\n",
        kBytes,
        {"."}},
       {3, 4, 5, 6},
       3},
      {{"\\0 in a string takes the rest of the file with it",
        "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=\"1\"\n\"b\"=\"x\\0y\"\n\"c\"=\"3\"\n"
        "[HKEY_CURRENT_USER\\T\\K]\n",
        kBytes,
        {".", ".: 'a' = 1 '1\\0'"}},
       {4, 5, 6},
       4},
  };
}

const std::vector<RegFileCase>& AcceptedRegFileCases() {
  static const std::vector<RegFileCase> cases = MakeCases();
  return cases;
}

const std::vector<EditorRegFileCase>& EditorRegFileCases() {
  static const std::vector<EditorRegFileCase> cases = MakeEditorCases();
  return cases;
}

std::string RegFileBytes(const RegFileCase& c, std::string_view base) {
  const std::string text = MoveKey(c.text, base);
  return c.encoding == RegFileCase::Encoding::Utf16 ? Utf16File(text) : text;
}

std::string ExpectedState(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace halvex::testing
