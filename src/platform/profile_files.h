#pragma once
// Profile files ("win.ini" and other files of "[section]" headers and "key=value" lines), as the
// system's profile calls read and change them. A file named without a folder lies in the
// Windows folder, as the system looks it up; any other name is a full path. Section and key
// names compare without regard to case.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::platform {

// The usual profile file: the one in the Windows folder that lists the "Load" and "Run" programs.
inline constexpr std::string_view kWinIni = "win.ini";

class ProfileFiles {
 public:
  virtual ~ProfileFiles() = default;

  // The key names of the section, in file order; empty when the file or section is missing.
  virtual std::vector<std::string> KeyNames(std::string_view file, std::string_view section) = 0;
  // The key's value (one pair of surrounding quotes taken off, as the system reads it), or
  // nullopt when the file has no such key.
  virtual std::optional<std::string> ReadKey(std::string_view file, std::string_view section,
                                             std::string_view key) = 0;
  // Sets the key, adding it (and its section, and the file) when missing.
  [[nodiscard]] virtual bool WriteKey(std::string_view file, std::string_view section,
                                      std::string_view key, std::string_view value) = 0;
  // Takes the key out of its section; true also when there was no such key to take.
  [[nodiscard]] virtual bool DeleteKey(std::string_view file, std::string_view section,
                                       std::string_view key) = 0;
  // The system keeps profile files in a cache and writes them later: before the program reads
  // or copies such a file itself, it has the changes written out.
  virtual void Flush(std::string_view file) = 0;

  // A binding without profile files: every call finds nothing and changes nothing. The bundle
  // of a machine that has none holds it.
  static ProfileFiles& None();
};

}  // namespace halvex::platform
