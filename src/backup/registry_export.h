#pragma once
// Saving registry data into a registry export file before it is changed: one value, or a
// whole key with all its values and subkeys. What is appended imports back to exactly what
// was read.
#include <string_view>

#include "backup/reg_export_lines.h"
#include "platform/locale.h"
#include "platform/registry.h"

namespace halvex::backup {

enum class ExportOutcome {
  Exported,  // the lines are appended
  Missing,   // the key or the value does not exist: there is nothing to save, nothing appended
  Failed,    // it exists but could not be read: the file does not hold it
};

struct RegistrySource {
  platform::Registry& registry;
  platform::Locale& locale;
};

// Appends the key line and the value line of the value `valueName` ("default" stands for the
// unnamed default value, written @=) of the key named by the full key path. The data is read
// whole, whatever its size, and the value line carries the name as the key holds it, whatever
// the spelling `valueName` has.
[[nodiscard]] ExportOutcome ExportRegistryValue(RegistrySource source, std::string_view keyPath,
                                                std::string_view valueName, RegExportLines& file);

// Appends the key's line and all its value lines, then the same for every subkey, depth-first
// in enumeration order, so that an import recreates the whole tree (empty keys included).
// On Failed the lines read before the failure stay appended.
[[nodiscard]] ExportOutcome ExportRegistryKeyTree(RegistrySource source, std::string_view keyPath,
                                                  RegExportLines& file);

}  // namespace halvex::backup
