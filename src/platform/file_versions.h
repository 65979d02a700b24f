#pragma once
// Version resources of program files, as GetFileVersionInfoA and VerQueryValueA give them: the
// fixed file version, the translation table, and the string values found by a path such as
// "StringFileInfo\040904E4\CompanyName".
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace halvex::platform {

struct FixedFileVersion {
  std::uint32_t mostSignificant = 0;   // major in the high word, minor in the low word
  std::uint32_t leastSignificant = 0;  // release in the high word, build in the low word
};

struct VersionTranslation {
  std::uint16_t language = 0;
  std::uint16_t codePage = 0;
};

// One file's version resource, loaded once and asked several times.
class VersionResource {
 public:
  virtual ~VersionResource() = default;
  virtual std::optional<FixedFileVersion> Fixed() const = 0;
  // The first entry of the translation table; nullopt when the table is missing or empty.
  virtual std::optional<VersionTranslation> FirstTranslation() const = 0;
  // The string at `path` below the resource's root, without its NUL; nullopt when missing.
  virtual std::optional<std::string> String(std::string_view path) const = 0;
};

class FileVersions {
 public:
  virtual ~FileVersions() = default;
  // The file's version resource; nullptr for a file without one, or no file.
  virtual std::unique_ptr<VersionResource> Load(std::string_view file) = 0;

  // A binding without version resources: every file has none. The bundle of a machine that
  // has none holds it.
  static FileVersions& None();
};

}  // namespace halvex::platform
