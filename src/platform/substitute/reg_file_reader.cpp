// The .reg parser. It follows what the system's registry editor imports (checked against
// Wine's regedit by tests/platform/regedit_reference_test.cpp), line by line:
//
//  - Line 1 is "REGEDIT4" or "Windows Registry Editor Version 5.00", blanks before it allowed,
//    nothing after it. The editor imports nothing from a file with any other first line
//    (a blank line, a comment, "REGEDIT 4", the Windows 3.1 "REGEDIT"); that is an error here.
//  - Every other line, after leading blanks, is empty, a comment (';' or '#'), a key line
//    ('['), a default value line ('@') or a named value line ('"'). The editor skips any other
//    line without a word; here it is an error (read as the editor reads, it is skipped).
//  - [ROOT\path] creates the key; [-ROOT\path] deletes it with everything below it. The name
//    runs to the last ']' of the line and the editor ignores whatever follows; a blank right
//    after '[' makes the editor skip the line (an error here), so "[ -HKEY_...]" deletes
//    nothing; "[-HKEY_CURRENT_USER]" deletes nothing either, and the value lines after it are
//    dropped as after any deletion. Root names are the five long names in any case (no HKCU and the
//    like: the editor rejects them, and the value lines up to the next key line are lost with the
//    line). The editor collapses empty names in a path ("A\\B", "A\": a trailing backslash is
//    dropped); here they are an error, and so is a path that begins with a backslash
//    ("ROOT\\A"): the registry refuses to create that key, and as a deletion it deletes
//    nothing. Names keep their trailing blanks.
//  - Value lines belong to the last key line. Before the first one, or after a [-...] line,
//    the editor drops them; here they are an error.
//  - "name" and "..." data know the escapes \\ \" \n \r. A \0, or a '\' at the end of the
//    line, makes the editor drop the value and every line after it to the end of the file;
//    other escapes become the bare character ("\t" gives "t"). All are errors here.
//  - Blanks may surround '=' and follow the data; a ';' comment may follow the data. Any
//    other text after the data makes the editor drop the value; here it is an error.
//  - Data: "..." (REG_SZ), dword: with 1 to 8 hex digits, hex: (REG_BINARY) and hex(N): for
//    any N from 0 to ffffffff, written in hex digits; all prefixes in lower case only, as the
//    editor reads them. A hex byte is hex digits worth at most ff (leading zeros allowed);
//    commas separate the bytes, blanks may come before a byte, one comma may end the list.
//    The editor also takes "0x1f" for a byte and "hex( 2)" or "hex()" for a type; those are
//    errors here.
//  - A '\' after a comma continues hex data on the next line that is not blank or a ';'
//    comment, after that line's leading blanks. When that line does not go on with hex bytes
//    the editor drops the value together with the line; when the file ends after the '\' it
//    keeps what it read. Both are errors here.
//  - Data of hex(1), hex(2) and hex(7) is text and gets a terminating NUL when it has none,
//    as the editor gives it. Whether the bytes are UTF-16 depends on the file's encoding, not
//    on its header: Wine's regedit reads hex(2) of an 8-bit file with the version 5.00 header
//    as 8-bit bytes (25,00,53,00 stays the four bytes "%", NUL, "S", NUL), and those of a
//    UTF-16 file, whatever its header, as UTF-16LE, which is converted to the code page here.
//    Odd-length UTF-16 text data, which the editor mangles, is an error.
//  - The editor stops reading at a NUL character, so a file with one is an error, as is a
//    UTF-16 file of an odd length.
//
// Read as the editor reads (RegFileReading::AsTheEditor), each line that is an error above is
// left out and listed instead, with the lines the editor loses with it; empty names in a key
// path are collapsed, unknown escapes give the bare character and a value continued at the end
// of the file keeps what was read, as the editor does. The first line, a NUL character and half
// a UTF-16 character stay errors: the editor imports nothing or stops there. (Odd-length
// UTF-16 text data, which the editor mangles, is left out too.)
#include "platform/substitute/reg_file_reader.h"

#include <optional>

#include "platform/substitute/reg_file_format.h"
#include "platform/substitute/reg_file_text.h"
#include "platform/text_lines.h"

namespace halvex::platform::substitute {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the hex digits at the start of `text`: how many there are, and their value, or
// nullopt for the value when it exceeds `limit`.
struct HexNumber {
  std::size_t digits = 0;
  std::optional<std::uint64_t> value;
};

HexNumber ReadHexNumber(std::string_view text, std::uint64_t limit) {
  HexNumber number;
  std::uint64_t value = 0;
  bool tooLarge = false;
  while (number.digits < text.size() && HexDigit(text[number.digits]) >= 0) {
    value = value * 16 + static_cast<std::uint64_t>(HexDigit(text[number.digits]));
    if (value > limit) {
      tooLarge = true;
      value = limit;  // keeps the next product from overflowing
    }
    ++number.digits;
  }
  if (!tooLarge) number.value = value;
  return number;
}

// True when nothing but blanks and perhaps a ';' comment is left of the line.
bool AtLineEnd(std::string_view rest) {
  rest = SkipBlanks(rest);
  return rest.empty() || rest.front() == ';';
}

// The text in quotes for a message, cut short when it is long (a hex line can be kilobytes).
std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 40;
  if (text.size() <= kShown) return "\"" + std::string(text) + "\"";
  return "\"" + std::string(text.substr(0, kShown)) + "...\"";
}

struct KeyName {
  RootKey root = RootKey::None;
  std::string path;
};

class Parser {
 public:
  Parser(const RegFileText& file, const CodePage& codePage, RegFileReading reading)
      : file_(file), codePage_(codePage), asTheEditor_(reading == RegFileReading::AsTheEditor) {}

  RegFileParseResult Run() {
    if (!Header(file_.lines.front())) return *error_;
    for (index_ = 1; index_ < file_.lines.size(); ++index_) {
      const std::size_t first = index_;
      if (Line(file_.lines[index_])) continue;
      if (!asTheEditor_) return *error_;
      Skip(first);
    }
    return RegFileParseResult(std::move(operations_), std::move(skipped_));
  }

 private:
  using LineHandler = bool (Parser::*)(std::string_view line);
  struct LineKind {
    char lead;  // the first character after leading blanks
    LineHandler handler;
  };
  static const LineKind kLineKinds[5];

  using DataHandler = bool (Parser::*)(std::string name, std::string_view data);
  struct DataKind {
    std::string_view prefix;  // compared case-sensitively, as the registry editor does
    DataHandler handler;
  };
  static const DataKind kDataKinds[5];

  // Where value lines go: the key of the last key line, none before the first one, none
  // after a key deletion, and none after a key line the editor could not open.
  enum class KeyState { BeforeFirstKey, Open, AfterDeletion, Unopened };

  bool Fail(std::string message) {
    error_ = RegFileError{index_ + 1, std::move(message)};
    return false;
  }

  // Lists the line that began at `first` as skipped, and the lines that are not blank among
  // those it went on to (a continued value) and those the editor loses with it.
  void Skip(std::size_t first) {
    skipped_.push_back({first + 1, error_->message});
    const std::string lost = "lost with line " + std::to_string(first + 1);
    if (loseRestOfFile_) index_ = file_.lines.size() - 1;
    for (std::size_t line = first + 1; line <= index_; ++line) {
      if (!SkipBlanks(file_.lines[line]).empty()) skipped_.push_back({line + 1, lost});
    }
    error_.reset();
  }

  bool Header(std::string_view line) {
    const std::string_view header = SkipBlanks(line);
    if (header == kRegedit4Header || header == kVersion5Header) return true;
    if (header.starts_with("\xEF\xBB\xBF")) {
      return Fail(
          "the file is UTF-8 with a byte order mark; the registry editor reads 8-bit "
          "and UTF-16 files only");
    }
    if (header == "REGEDIT") return Fail("the Windows 3.1 format (\"REGEDIT\") is not supported");
    return Fail("the first line must be \"REGEDIT4\" or \"Windows Registry Editor Version 5.00\"");
  }

  bool Line(std::string_view line) {
    const std::string_view rest = SkipBlanks(line);
    if (rest.empty()) return true;
    for (const LineKind& kind : kLineKinds) {
      if (rest.front() == kind.lead) return (this->*kind.handler)(rest);
    }
    return Fail("the line is not a key, a value or a comment");
  }

  bool Comment(std::string_view) { return true; }

  bool KeyLine(std::string_view line) {
    const std::string_view body = line.substr(1);
    if (body.empty() || IsBlank(body.front())) {
      return Fail("blank after '[' (the registry editor skips such a key line)");
    }
    const std::size_t close = body.rfind(']');
    if (close == std::string_view::npos) return Fail("the key line has no closing ']'");
    std::string_view name = body.substr(0, close);
    const bool deletion = name.starts_with('-');
    if (deletion) name.remove_prefix(1);

    KeyName key;
    if (!ParseKeyName(name, key)) {
      keyState_ = KeyState::Unopened;  // the editor opens no key for the lines that follow
      return false;
    }
    if (deletion) {
      if (key.path.empty()) {
        keyState_ = KeyState::AfterDeletion;  // the editor drops the value lines that follow
        return Fail("a root key cannot be deleted");
      }
      Add(RegFileOperationKind::DeleteKeyTree, key);
      keyState_ = KeyState::AfterDeletion;
    } else {
      Add(RegFileOperationKind::CreateKey, key);
      key_ = std::move(key);
      keyState_ = KeyState::Open;
    }
    return true;
  }

  bool ParseKeyName(std::string_view name, KeyName& key) {
    const std::size_t slash = name.find('\\');
    const std::string_view rootName = name.substr(0, slash);
    for (RootKey root : kNamedRoots) {
      if (codePage_.EqualNoCase(RootName(root), rootName)) key.root = root;
    }
    if (key.root == RootKey::None) return Fail("unknown root key " + Quoted(rootName));
    if (slash == std::string_view::npos) return true;
    const std::string_view path = name.substr(slash + 1);
    if (path.empty() || path.front() == '\\' || path.back() == '\\' ||
        path.find("\\\\") != std::string_view::npos) {
      if (!asTheEditor_) return Fail("empty key name in the path " + Quoted(name));
      key.path = CollapsedPath(path);
      return true;
    }
    key.path = std::string(path);
    return true;
  }

  // The path without empty names, as the editor reads "A\\B" and "A\".
  static std::string CollapsedPath(std::string_view path) {
    std::string collapsed;
    for (std::size_t start = 0; start <= path.size();) {
      std::size_t end = path.find('\\', start);
      if (end == std::string_view::npos) end = path.size();
      if (end > start) {
        if (!collapsed.empty()) collapsed += '\\';
        collapsed += path.substr(start, end - start);
      }
      start = end + 1;
    }
    return collapsed;
  }

  bool RequireKey() {
    switch (keyState_) {
      case KeyState::Open:
        return true;
      case KeyState::BeforeFirstKey:
        return Fail("value line before the first key line");
      case KeyState::AfterDeletion:
        return Fail("value line after a key deletion, outside any key");
      case KeyState::Unopened:
        return Fail("value line after a key line the registry editor cannot open");
    }
    return false;
  }

  bool DefaultValueLine(std::string_view line) {
    return RequireKey() && ValueData(std::string(), line.substr(1));
  }

  bool NamedValueLine(std::string_view line) {
    if (!RequireKey()) return false;
    std::string name;
    std::string_view rest;
    return ReadQuoted(line.substr(1), "value name", name, rest) && ValueData(std::move(name), rest);
  }

  // Reads up to the closing quote, resolving escapes; `rest` is what follows the quote.
  bool ReadQuoted(std::string_view text, const char* what, std::string& out,
                  std::string_view& rest) {
    out.clear();
    for (std::size_t at = 0; at < text.size(); ++at) {
      const char c = text[at];
      if (c == '"') {
        rest = text.substr(at + 1);
        return true;
      }
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      if (++at == text.size()) {
        loseRestOfFile_ = true;  // the editor reads on as part of the text
        break;
      }
      switch (text[at]) {
        case '\\':
          out.push_back('\\');
          break;
        case '"':
          out.push_back('"');
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case '0':
          loseRestOfFile_ = true;
          return Fail(std::string("\\0 in the ") + what + " (the registry editor drops it)");
        default:
          if (asTheEditor_) {
            out.push_back(text[at]);
            break;
          }
          return Fail(std::string("unknown escape sequence \\") + text[at] + " in the " + what);
      }
    }
    return Fail(std::string("the ") + what + " has no closing quote");
  }

  bool ValueData(std::string name, std::string_view rest) {
    rest = SkipBlanks(rest);
    if (!rest.starts_with('=')) return Fail("'=' expected after the value name");
    const std::string_view data = TrimBlanksAndTabs(rest.substr(1));
    if (data.empty()) return Fail("no data after '='");
    for (const DataKind& kind : kDataKinds) {
      if (data.starts_with(kind.prefix)) {
        return (this->*kind.handler)(std::move(name), data.substr(kind.prefix.size()));
      }
    }
    return Fail("unknown data type in " + Quoted(data));
  }

  bool DeleteValueData(std::string name, std::string_view rest) {
    if (!AtLineEnd(rest)) return Fail("text after '-' (the registry editor keeps the value)");
    AddValue(RegFileOperationKind::DeleteValue, std::move(name), reg_type::kNone, {});
    return true;
  }

  bool StringData(std::string name, std::string_view rest) {
    std::string text;
    std::string_view after;
    if (!ReadQuoted(rest, "string", text, after)) return false;
    if (!AtLineEnd(after)) return Fail("text after the string's closing quote");
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    AddValue(RegFileOperationKind::SetValue, std::move(name), reg_type::kString, std::move(data));
    return true;
  }

  bool DwordData(std::string name, std::string_view rest) {
    rest = SkipBlanks(rest);
    const HexNumber number = ReadHexNumber(rest, 0xFFFFFFFFu);
    if (number.digits == 0 || number.digits > 8 || !AtLineEnd(rest.substr(number.digits))) {
      return Fail("dword: needs 1 to 8 hex digits");
    }
    const auto value = static_cast<std::uint32_t>(*number.value);
    std::vector<std::uint8_t> data = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    AddValue(RegFileOperationKind::SetValue, std::move(name), reg_type::kDword, std::move(data));
    return true;
  }

  bool BinaryData(std::string name, std::string_view rest) {
    return HexData(std::move(name), reg_type::kBinary, rest);
  }

  bool TypedHexData(std::string name, std::string_view rest) {
    const HexNumber number = ReadHexNumber(rest, 0xFFFFFFFFu);
    if (number.digits == 0 || !number.value || !rest.substr(number.digits).starts_with("):")) {
      return Fail("hex(N): needs a type number N of hex digits, from 0 to ffffffff");
    }
    return HexData(std::move(name), static_cast<std::uint32_t>(*number.value),
                   rest.substr(number.digits + 2));
  }

  bool HexData(std::string name, std::uint32_t type, std::string_view rest) {
    const std::size_t line = index_ + 1;  // a continued value belongs to its first line
    std::vector<std::uint8_t> data;
    if (!ReadHexBytes(rest, data)) return false;
    if (IsTextType(type) && !TextData(data)) return false;
    AddValue(RegFileOperationKind::SetValue, std::move(name), type, std::move(data));
    operations_.back().line = line;
    return true;
  }

  bool ReadHexBytes(std::string_view text, std::vector<std::uint8_t>& data) {
    while (true) {
      text = SkipBlanks(text);
      if (text.empty() || text.front() == ';') return true;
      if (text.front() == '\\') {
        if (!AtLineEnd(text.substr(1))) return Fail("text after the continuing '\\'");
        if (!NextContinuationLine(text)) return false;
        continue;
      }
      const HexNumber byte = ReadHexNumber(text, 0xFF);
      if (byte.digits == 0) return Fail("hex byte expected at " + Quoted(text));
      if (!byte.value) return Fail("hex byte out of range: " + Quoted(text.substr(0, byte.digits)));
      data.push_back(static_cast<std::uint8_t>(*byte.value));
      text.remove_prefix(byte.digits);
      if (text.starts_with(',')) {
        text.remove_prefix(1);
      } else if (AtLineEnd(text)) {
        return true;
      } else {
        return Fail("',' expected after the hex byte at " + Quoted(text));
      }
    }
  }

  // Moves to the line that goes on with the hex bytes, past blank lines and ';' comments.
  bool NextContinuationLine(std::string_view& text) {
    while (++index_ < file_.lines.size()) {
      text = SkipBlanks(file_.lines[index_]);
      if (text.empty() || text.front() == ';') continue;
      if (HexDigit(text.front()) >= 0) return true;
      return Fail("hex bytes expected on the line after the continuing '\\'");
    }
    index_ = file_.lines.size() - 1;
    if (asTheEditor_) {
      text = {};
      return true;  // the editor keeps what it read
    }
    return Fail("the file ends in a value continued with '\\'");
  }

  // Makes hex(1), hex(2) and hex(7) bytes what the ANSI calls return: 8-bit text with its NUL.
  bool TextData(std::vector<std::uint8_t>& data) {
    if (file_.utf16) {
      if (data.size() % 2 != 0) return Fail("UTF-16 text data with an odd number of bytes");
      std::u16string units;
      for (std::size_t at = 0; at < data.size(); at += 2) {
        units.push_back(static_cast<char16_t>(data[at] | data[at + 1] << 8));
      }
      const std::string text = codePage_.FromUtf16(units);
      data.assign(text.begin(), text.end());
    }
    if (!data.empty() && data.back() != 0) data.push_back(0);
    return true;
  }

  RegFileOperation& Add(RegFileOperationKind kind, const KeyName& key) {
    RegFileOperation& operation = operations_.emplace_back();
    operation.kind = kind;
    operation.line = index_ + 1;
    operation.root = key.root;
    operation.path = key.path;
    return operation;
  }

  void AddValue(RegFileOperationKind kind, std::string name, std::uint32_t type,
                std::vector<std::uint8_t> data) {
    RegFileOperation& operation = Add(kind, key_);
    operation.valueName = std::move(name);
    operation.type = type;
    operation.data = std::move(data);
  }

  const RegFileText& file_;
  const CodePage& codePage_;
  const bool asTheEditor_;
  std::size_t index_ = 0;        // of the line being read
  bool loseRestOfFile_ = false;  // the line being read takes every later one with it
  std::vector<RegFileError> skipped_;
  KeyState keyState_ = KeyState::BeforeFirstKey;
  KeyName key_;
  RegFileOperations operations_;
  std::optional<RegFileError> error_;
};

const Parser::LineKind Parser::kLineKinds[5] = {
    {';', &Parser::Comment},          {'#', &Parser::Comment},        {'[', &Parser::KeyLine},
    {'@', &Parser::DefaultValueLine}, {'"', &Parser::NamedValueLine},
};

const Parser::DataKind Parser::kDataKinds[5] = {
    {"-", &Parser::DeleteValueData}, {"\"", &Parser::StringData},
    {"dword:", &Parser::DwordData},  {"hex:", &Parser::BinaryData},
    {"hex(", &Parser::TypedHexData},
};

}  // namespace

std::string RegFileOperation::FullKeyPath() const {
  std::string full(RootName(root));
  if (!path.empty()) full += "\\" + path;
  return full;
}

RegFileParseResult ParseRegFile(std::string_view fileBytes, const CodePage& codePage,
                                RegFileReading reading) {
  RegFileText file;
  if (std::optional<RegFileError> error = DecodeRegFile(fileBytes, codePage, file)) {
    return std::move(*error);
  }
  return Parser(file, codePage, reading).Run();
}

}  // namespace halvex::platform::substitute
