#include "model/path_text.h"

#include <algorithm>

#include "platform/text_lines.h"

namespace halvex::model {
namespace {

constexpr std::string_view kFolderDelimiters = "\\:";

bool HasAnyOf(std::string_view text, std::string_view characters) {
  return text.find_first_of(characters) != std::string_view::npos;
}

// The position just after the folder part.
std::size_t NameStart(std::string_view text) {
  const std::size_t last = text.find_last_of(kFolderDelimiters);
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string_view FolderPart(std::string_view text) {
  return text.substr(0, NameStart(text));
}

std::string_view FileNamePart(std::string_view text) {
  return text.substr(NameStart(text));
}

std::string_view ExtensionPart(std::string_view text) {
  const std::size_t dot = text.rfind('.');
  if (dot == std::string_view::npos || dot < NameStart(text)) return {};
  return text.substr(dot);
}

bool HasNameAndExtension(std::string_view text) {
  return !FileNamePart(text).empty() && !ExtensionPart(text).empty();
}

bool IsValidNameText(std::string_view text) {
  return text.size() <= kMaxNameTextLength && !HasAnyOf(text, kForbiddenNameCharacters);
}

bool HasSingleColon(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return true;
  std::string_view after = text.substr(colon + 1);
  if (!after.empty()) after.remove_suffix(1);  // the text's last character
  return after.find(':') == std::string_view::npos;
}

bool IsPlausibleFilePath(std::string_view text) {
  std::string t(text);
  std::replace(t.begin(), t.end(), '"', ' ');
  if (HasAnyOf(platform::TrimText(t), kForbiddenPathCharacters)) return false;
  if (FileNamePart(t).empty()) return false;
  const std::string_view extension = ExtensionPart(t);
  if (extension.empty() || HasAnyOf(extension, kForbiddenPathCharacters)) return false;
  if (!HasSingleColon(t)) return false;
  return kDriveLetterList.find(std::string_view(t).substr(0, 2)) != std::string_view::npos;
}

std::string JoinFolderAndName(std::string_view folder, std::string_view name) {
  // The character looked at is the one at the trimmed length, counted from the folder's start:
  // with leading blanks it is not the last character of the trimmed folder.
  const std::size_t trimmedLength = platform::TrimText(folder).size();
  const bool endsWithBackslash = trimmedLength > 0 && folder[trimmedLength - 1] == '\\';
  std::string joined(folder);
  if (!endsWithBackslash) joined += '\\';
  joined.append(name);
  return joined;
}

}  // namespace halvex::model
