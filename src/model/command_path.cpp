#include "model/command_path.h"

#include "model/path_text.h"
#include "model/system_locations.h"
#include "model/text_search.h"

namespace halvex::model {
namespace {

// The characters a file name keeps from its first dot on.
constexpr std::string_view kFileNameRun =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ.0123456789";

// Extensions longer than this (dot included) show that arguments are still attached.
constexpr std::size_t kMaxExtensionLength = 4;

std::string PrepareResourceReference(platform::Locale& locale, platform::FileSystem& files,
                                     std::string_view text) {
  if (!text.empty() && text.front() == '@') text.remove_prefix(1);
  std::string unquoted;
  for (const char c : text) {
    if (c != '"') unquoted += c;
  }
  constexpr std::string_view kSystemRoot = "%SYSTEMROOT%\\";
  const std::string upper = locale.Upper(unquoted);
  if (!Contains(upper, kSystemRoot)) return unquoted;
  return ReplaceAll(upper, kSystemRoot, GuessWindowsFolder(files));
}

// A text with at most one colon: the folder part followed by the file name, cut where the
// characters after its first dot stop being letters, digits or dots.
std::string CutAtFileName(std::string_view text) {
  const std::string_view folder = FolderPart(text);
  const std::string tail = ReplaceAll(text, folder, "");
  const std::size_t dot = tail.find('.');
  std::size_t end = dot == std::string::npos ? 0 : dot;
  while (end < tail.size() && kFileNameRun.find(tail[end]) != std::string_view::npos) ++end;
  return std::string(folder) + tail.substr(0, end);
}

std::string Extract(platform::Locale& locale, platform::FileSystem& files, std::string text,
                    CommandPathVariant variant) {
  if (variant == CommandPathVariant::B) {
    text = PrepareResourceReference(locale, files, text);
  }
  if (files.FileExists(text)) return text;

  const std::size_t firstColon = text.find(':');
  const std::size_t secondColon =
      firstColon == std::string::npos ? std::string::npos : text.find(':', firstColon + 1);
  // Paths start one character before the first colon, at the drive letter.
  const std::size_t driveLetter =
      firstColon == std::string::npos || firstColon == 0 ? 0 : firstColon - 1;

  if (secondColon == std::string::npos) return CutAtFileName(text).substr(driveLetter);

  // From the drive letter up to the drive letter of the second path.
  const std::string candidate = text.substr(driveLetter, secondColon - firstColon + 1);
  // The candidate is always shorter than the text, which ends the recursion; the test keeps
  // that true whatever the Windows folder looks like.
  if (ExtensionPart(candidate).size() > kMaxExtensionLength && candidate.size() < text.size()) {
    return Extract(locale, files, candidate, variant);
  }
  return candidate;
}

}  // namespace

std::string ExtractCommandPath(platform::Locale& locale, platform::FileSystem& files,
                               std::string_view text, CommandPathVariant variant) {
  return Extract(locale, files, std::string(text), variant);
}

bool CommandFileExists(platform::Locale& locale, platform::FileSystem& files,
                       std::string_view text) {
  return files.FileExists(ExtractCommandPath(locale, files, text, CommandPathVariant::A));
}

}  // namespace halvex::model
