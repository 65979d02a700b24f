#include "model/program_folder.h"

namespace halvex::model {

std::string InProgramFolder(platform::FileSystem& files, std::string_view relativePath) {
  std::string path = files.ProgramFolder();
  if (!path.empty() && path.back() != '\\') path += '\\';
  path.append(relativePath);
  return path;
}

}  // namespace halvex::model
