#include "platform/substitute/reg_file_writer.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace halvex::platform::substitute {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// The registry editor breaks hex data once a line reaches this length, before its next byte;
// with the trailing ",\" a line stays within 80 columns.
constexpr std::size_t kHexLineLimit = 77;
constexpr std::string_view kHexContinuation = "\\\r\n  ";

class Exporter {
 public:
  Exporter(Registry& registry, RegFileFormat format, const CodePage& codePage)
      : registry_(registry), format_(format), codePage_(codePage) {}

  RegExportResult Run(const RegExportScope& scope) {
    text_ = std::string(format_ == RegFileFormat::Version5 ? kVersion5Header : kRegedit4Header);
    text_ += kLineEnd;
    text_ += kLineEnd;
    if (scope.fullKeyPath.empty()) {
      for (RootKey root : kNamedRoots) {
        if (!Key(RootHandle(root), std::string(RootName(root)))) return std::move(result_);
      }
    } else if (!Subtree(scope.fullKeyPath)) {
      return std::move(result_);
    }
    result_.bytes = format_ == RegFileFormat::Version5 ? Utf16LeFile(codePage_.ToUtf16(text_))
                                                       : std::move(text_);
    return std::move(result_);
  }

 private:
  bool Fail(RegStatus status, const std::string& key, std::string message) {
    result_.status = status;
    result_.failedKey = key;
    result_.message =
        std::move(message) + " (error " + std::to_string(static_cast<int>(status)) + ")";
    return false;
  }

  bool Subtree(const std::string& fullKeyPath) {
    const std::size_t slash = fullKeyPath.find('\\');
    const std::string_view rootName = std::string_view(fullKeyPath).substr(0, slash);
    const auto root = std::find_if(std::begin(kNamedRoots), std::end(kNamedRoots), [&](RootKey r) {
      return codePage_.EqualNoCase(RootName(r), rootName);
    });
    if (root == std::end(kNamedRoots)) {
      return Fail(RegStatus::InvalidParameter, fullKeyPath, "unknown root key");
    }
    const std::string fullPath = std::string(RootName(*root)) +
                                 (slash == std::string::npos ? "" : fullKeyPath.substr(slash));
    if (slash == std::string::npos) return Key(RootHandle(*root), fullPath);
    if (slash + 1 == fullKeyPath.size()) {
      return Fail(RegStatus::InvalidParameter, fullKeyPath, "no key name after the backslash");
    }
    KeyHandle opened;
    const RegStatus status = registry_.OpenKey(RootHandle(*root), fullKeyPath.substr(slash + 1),
                                               KeyAccess::Read, opened);
    if (status != RegStatus::Ok) return Fail(status, fullPath, "cannot open the key");
    ScopedKey key(registry_, opened);
    return Key(key.get(), fullPath);
  }

  // Writes the key's block, then each subkey's, depth-first.
  bool Key(KeyHandle key, const std::string& fullPath) {
    if (fullPath.find_first_of("\r\n") != std::string::npos) {
      return Fail(RegStatus::InvalidParameter, fullPath, "a key name with a line break");
    }
    text_ += "[" + InFile(fullPath, Text::KeyPath) + "]";
    text_ += kLineEnd;
    std::string name;
    RegStatus status;
    for (std::uint32_t index = 0; (status = registry_.EnumValue(key, index, name)) == RegStatus::Ok;
         ++index) {
      RegValue value;
      const RegStatus read = ReadWholeValue(registry_, key, name, value);
      if (read != RegStatus::Ok) return Fail(read, fullPath, "cannot read value \"" + name + "\"");
      Value(name, value);
    }
    if (status != RegStatus::NoMoreItems) return Fail(status, fullPath, "cannot list the values");
    text_ += kLineEnd;

    for (std::uint32_t index = 0; (status = registry_.EnumKey(key, index, name)) == RegStatus::Ok;
         ++index) {
      KeyHandle opened;
      const std::string childPath = fullPath + "\\" + name;
      const RegStatus open = registry_.OpenKey(key, name, KeyAccess::Read, opened);
      if (open != RegStatus::Ok) return Fail(open, childPath, "cannot open the key");
      ScopedKey child(registry_, opened);
      if (!Key(child.get(), childPath)) return false;
    }
    if (status != RegStatus::NoMoreItems) return Fail(status, fullPath, "cannot list the subkeys");
    return true;
  }

  void Value(const std::string& name, const RegValue& value) {
    const std::string prefix =
        name.empty() ? std::string("@=") : "\"" + EscapeRegString(InFile(name)) + "\"=";
    text_ += prefix;
    if (value.type == reg_type::kString && IsPlainRegString(value.data)) {
      const std::string_view text(reinterpret_cast<const char*>(value.data.data()),
                                  value.data.size() - 1);
      text_ += "\"" + EscapeRegString(InFile(text)) + "\"";
    } else if (value.type == reg_type::kDword && value.data.size() == 4) {
      char digits[20];
      const std::uint32_t number = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                   static_cast<std::uint32_t>(value.data[3]) << 24;
      std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(number));
      text_ += digits;
    } else {
      const std::string tag = RegHexTag(value.type);
      text_ += tag;
      HexBytes(HexData(value), prefix.size() + tag.size());
    }
    text_ += kLineEnd;
  }

  enum class Text { Name, KeyPath };
  // A name, key path or string as the file will give it back: an 8-bit file keeps every byte;
  // for a UTF-16 file each is converted on its own (see ThroughUtf16), so that converting the
  // whole file at the end gives exactly these characters.
  std::string InFile(std::string_view text, Text kind = Text::Name) const {
    if (format_ != RegFileFormat::Version5) return std::string(text);
    return kind == Text::KeyPath ? KeyPathThroughUtf16(codePage_, text)
                                 : ThroughUtf16(codePage_, text);
  }

  // Text data goes into a UTF-16 file as UTF-16LE, every other kind of data as it is.
  std::vector<std::uint8_t> HexData(const RegValue& value) const {
    if (!IsTextType(value.type) || format_ != RegFileFormat::Version5) return value.data;
    return Utf16LeBytes(codePage_.ToUtf16(
        std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size())));
  }

  // Writes the bytes as comma-separated hex pairs, breaking the line as the registry editor
  // does; `lineLength` is what the line already holds.
  void HexBytes(const std::vector<std::uint8_t>& bytes, std::size_t lineLength) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::size_t index = 0; index < bytes.size(); ++index) {
      text_ += kDigits[bytes[index] >> 4];
      text_ += kDigits[bytes[index] & 0xF];
      if (index + 1 == bytes.size()) break;
      text_ += ',';
      lineLength += 3;
      if (lineLength >= kHexLineLimit) {
        text_ += kHexContinuation;
        lineLength = 2;
      }
    }
  }

  Registry& registry_;
  RegFileFormat format_;
  const CodePage& codePage_;
  std::string text_;  // 8-bit, converted at the end for a UTF-16 file
  RegExportResult result_;
};

}  // namespace

RegExportResult ExportRegFile(Registry& registry, const RegExportScope& scope, RegFileFormat format,
                              const CodePage& codePage) {
  return Exporter(registry, format, codePage).Run(scope);
}

}  // namespace halvex::platform::substitute
