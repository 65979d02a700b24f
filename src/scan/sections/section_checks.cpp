#include "scan/sections/section_checks.h"

#include <cctype>

#include "model/drive_checks.h"
#include "model/skip_tests.h"

namespace halvex::scan {

std::optional<std::string> TextValue(model::RegistryObject& key, std::string_view name) {
  const model::DataType type = key.GetDataType(name);
  if (type != model::DataType::String && type != model::DataType::ExpandString) {
    return std::nullopt;
  }
  return key.ReadString(name);
}

bool IsPassedOverReference(SectionScan& scan, std::string_view text) {
  platform::Locale& locale = scan.platform().locale;
  return model::IsNetworkReference(text) || model::IsFloppyReference(locale, text) ||
         !model::IsOnScannableDrive(locale, scan.model().ExcludedDrives, text);
}

bool IsOnAbsentDrive(platform::FileSystem& files, std::string_view path) {
  if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0]))) {
    return false;
  }
  const std::string root = std::string(path.substr(0, 2)) + "\\";
  return files.GetDriveType(root) == platform::DriveType::NoRootDir;
}

}  // namespace halvex::scan
