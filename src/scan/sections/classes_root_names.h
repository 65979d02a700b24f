#pragma once
// The subkeys of HKEY_CLASSES_ROOT taken apart into class keys and extension keys, as the file
// association and file extension sections both need them.
#include <string>
#include <vector>

namespace halvex::scan {

// Removes from `names` every name that contains "*", "Directory", "Folder", "Drive" or "Unknow"
// (case-sensitive), then moves every name that begins with "." to the end of `extensions`,
// keeping their order. What stays in `names` are class keys; shell keys such as Folder and
// Drive are never extensions, and the extension sections pass over names like ".Folder_x".
void SplitClassesRootNames(std::vector<std::string>& names, std::vector<std::string>& extensions);

}  // namespace halvex::scan
