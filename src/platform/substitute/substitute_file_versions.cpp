#include "platform/substitute/substitute_file_versions.h"

#include <cstdio>

namespace halvex::platform::substitute {
namespace {

class TableResource final : public VersionResource {
 public:
  explicit TableResource(VersionEntry entry) : entry_(std::move(entry)) {}

  std::optional<FixedFileVersion> Fixed() const override { return entry_.fixed; }
  std::optional<VersionTranslation> FirstTranslation() const override {
    if (entry_.translations.empty()) return std::nullopt;
    return entry_.translations.front();
  }
  std::optional<std::string> String(std::string_view path) const override {
    const VersionTranslation first = FirstTranslation().value_or(VersionTranslation{});
    char block[9];
    std::snprintf(block, sizeof block, "%04X%04X", first.language, first.codePage);
    const std::string prefix = std::string("StringFileInfo\\") + block + "\\";
    if (entry_.translations.empty() || path.size() <= prefix.size() ||
        !IniNameEquals(path.substr(0, prefix.size()), prefix)) {
      return std::nullopt;
    }
    const std::string_view name = path.substr(prefix.size());
    for (const auto& [key, value] : entry_.strings) {
      if (IniNameEquals(key, name)) return value;
    }
    return std::nullopt;
  }

 private:
  VersionEntry entry_;
};

}  // namespace

std::unique_ptr<VersionResource> SubstituteFileVersions::Load(std::string_view file) {
  if (!files_.FileExists(file)) return nullptr;
  for (const auto& [path, entry] : table_) {
    if (IniNameEquals(path, file)) return std::make_unique<TableResource>(entry);
  }
  return nullptr;
}

}  // namespace halvex::platform::substitute
