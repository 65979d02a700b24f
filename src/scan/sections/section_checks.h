#pragma once
// What several sections ask of the data they examine: a value's text, and the skip tests that
// pass over a path whose file cannot be judged from here.
#include <optional>
#include <string>
#include <string_view>

#include "model/registry_object.h"
#include "scan/section_scan.h"

namespace halvex::scan {

// The text of a string or expandable string value of the open key, cut at its first NUL;
// nullopt when the value is missing or of another type.
std::optional<std::string> TextValue(model::RegistryObject& key, std::string_view name);

// The network, floppy and drive tests together: true when the text names a network path,
// contains "A:", or holds the name of a removable, network, CD-ROM or RAM drive.
bool IsPassedOverReference(SectionScan& scan, std::string_view text);

// True when the path begins with a drive letter and a colon whose drive does not exist: it may
// be a disk that is just not connected, so a missing file there says nothing.
bool IsOnAbsentDrive(platform::FileSystem& files, std::string_view path);

}  // namespace halvex::scan
