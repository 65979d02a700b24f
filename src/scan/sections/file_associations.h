#pragma once
// Invalid file associations: every extension key of HKEY_CLASSES_ROOT names in its default
// value the class that opens such files. When no key of that class exists and the user's
// Explorer settings know neither the extension nor the class, the association is broken; its
// repair deletes the extension key's default value, and the key stays.
#include <string>
#include <string_view>
#include <vector>

#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& FileAssociationsSection();

// HKEY_CURRENT_USER's Explorer settings per extension, whose "OpenWithProgids" subkeys name
// classes by their values.
inline constexpr std::string_view kFileExtsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";

// The subkey names of the FileExts key; empty when it cannot be opened.
std::vector<std::string> ReadFileExtsNames(platform::Registry& registry);

// What CheckAssociation compares a class name with.
struct AssociationContext {
  // Every subkey name of HKEY_CLASSES_ROOT, upper-cased and sorted: a class is registered when
  // its key exists, whatever its name contains ("CompressedFolder" as much as "txtfile").
  std::vector<std::string> upperClassesRootNames;
  std::vector<std::string> fileExtsNames;
};

// Adds the problem when the extension's class is broken and the association is not ignored.
void CheckAssociation(SectionScan& scan, const AssociationContext& context,
                      const std::string& extension, const std::string& className);

}  // namespace halvex::scan
