#include "cli/drive_choice.h"

#include <algorithm>
#include <cctype>

namespace halvex::cli {
namespace {

char UpperLetter(char letter) {
  return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

}  // namespace

std::optional<std::string> RefuseDriveLetter(const std::string& value) {
  const bool letter = !value.empty() && std::isalpha(static_cast<unsigned char>(value[0])) &&
                      (value.size() == 1 || (value.size() == 2 && value[1] == ':'));
  if (letter) return std::nullopt;
  return "--drive takes a drive letter such as C, not '" + value + "'";
}

std::variant<std::vector<tools::cleanup::FixedDrive>, std::string> ChosenDrives(
    const CommandLine& line, const std::vector<tools::cleanup::FixedDrive>& listed) {
  const std::vector<std::string> letters = line.Values(kDriveOption.name);
  if (letters.empty()) return listed;
  std::vector<tools::cleanup::FixedDrive> chosen;
  for (const tools::cleanup::FixedDrive& drive : listed) {
    if (std::any_of(letters.begin(), letters.end(), [&](const std::string& letter) {
          return UpperLetter(letter[0]) == drive.id[0];
        })) {
      chosen.push_back(drive);
    }
  }
  for (const std::string& letter : letters) {
    const char upper = UpperLetter(letter[0]);
    if (std::none_of(chosen.begin(), chosen.end(),
                     [&](const auto& drive) { return drive.id[0] == upper; })) {
      return std::string("drive ") + upper + ": is no fixed drive this tool walks";
    }
  }
  return chosen;
}

}  // namespace halvex::cli
