#include "platform/substitute/windows_path.h"

namespace halvex::platform::substitute {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char UpperLetter(char c) {
  return c >= 'a' && c <= 'z' ? char(c - 0x20) : c;
}

bool HasForbiddenCharacter(std::string_view name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
    switch (c) {
      case '<':
      case '>':
      case ':':
      case '"':
      case '|':
      case '?':
      case '*':
        return true;
      default:
        break;
    }
  }
  return false;
}

bool IsAllDots(std::string_view name) {
  return name.find_first_not_of('.') == std::string_view::npos;
}

}  // namespace

std::string WindowsPath::Text() const {
  std::string text{drive, ':', '\\'};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += '\\';
    text += names[i];
  }
  return text;
}

std::optional<WindowsPath> ParseWindowsPath(std::string_view text) {
  if (text.size() >= kMaxPathLength || text.size() < 2 || !IsDriveLetter(text[0]) ||
      text[1] != ':') {
    return std::nullopt;
  }
  WindowsPath path;
  path.drive = UpperLetter(text[0]);
  std::string_view rest = text.substr(2);
  path.endsWithSeparator = !rest.empty() && IsSeparator(rest.back());
  while (!rest.empty()) {
    std::size_t end = 0;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    std::string name(rest.substr(0, end));
    const bool last = end == rest.size();
    rest.remove_prefix(last ? end : end + 1);
    if (last) {
      // The last name loses every trailing dot and blank ("a.exe ." is "a.exe")...
      if (name != "." && name != "..") {
        while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
      }
    } else if (name.size() > 1 && name.back() == '.' && !IsAllDots(name)) {
      name.pop_back();  // ...a folder name only one trailing dot ("dir.\" is "dir\").
    }
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (!path.names.empty()) path.names.pop_back();  // the root's parent is the root
      continue;
    }
    if (HasForbiddenCharacter(name)) return std::nullopt;
    path.names.push_back(std::move(name));
  }
  if (path.names.empty()) path.endsWithSeparator = false;
  return path;
}

std::optional<char> ParseDriveRoot(std::string_view root) {
  if ((root.size() == 2 || (root.size() == 3 && IsSeparator(root[2]))) && IsDriveLetter(root[0]) &&
      root[1] == ':') {
    return UpperLetter(root[0]);
  }
  return std::nullopt;
}

}  // namespace halvex::platform::substitute
