#include "tools/cleanup/protected_paths.h"

#include <algorithm>

namespace halvex::tools::cleanup {
namespace {

std::string WithoutTrailingBackslashes(std::string text) {
  while (!text.empty() && (text.back() == '\\' || text.back() == '/')) text.pop_back();
  return text;
}

bool IsDriveRoot(std::string_view key) {
  return key.size() == 2 && key[1] == ':';
}

}  // namespace

ProtectedPaths::ProtectedPaths(const CleanupServices& services)
    : locale_(services.platform.locale) {
  platform::FileSystem& files = services.platform.files;
  const platform::UserFolders user = services.shell.UserFolderPaths();
  for (const std::string& folder : {files.WindowsFolder(), files.SystemFolder(), user.profiles,
                                    user.profile, user.desktop, user.documents}) {
    if (!folder.empty()) exactFolders_.push_back(Key(folder));
  }
  profiles_ = user.profiles.empty() ? std::string() : Key(user.profiles);
  program_ = Key(files.ProgramFolder());
}

std::string ProtectedPaths::Key(std::string_view path) const {
  std::string key = WithoutTrailingBackslashes(locale_.Upper(path));
  std::replace(key.begin(), key.end(), '/', '\\');
  return key;
}

bool ProtectedPaths::Protects(std::string_view path) const {
  const std::string key = Key(path);
  if (key.empty() || IsDriveRoot(key)) return true;
  if (std::find(exactFolders_.begin(), exactFolders_.end(), key) != exactFolders_.end()) {
    return true;
  }
  if (!profiles_.empty() && key.size() > profiles_.size() + 1 && key.starts_with(profiles_) &&
      key[profiles_.size()] == '\\' && key.find('\\', profiles_.size() + 1) == std::string::npos) {
    return true;  // a user's profile
  }
  return !program_.empty() && key.starts_with(program_) &&
         (key.size() == program_.size() || key[program_.size()] == '\\');
}

}  // namespace halvex::tools::cleanup
