#pragma once
// Starting other programs and documents through the shell, without waiting for them.
#include <string>

namespace halvex::platform {

enum class ShowMode { Normal, Hidden };

struct ProcessStart {
  std::string file{};        // a program, a document or a web address
  std::string parameters{};  // the command line after the file, as the started program parses it
  std::string verb{};        // "" for the file's default action, "open", "runas" (with elevation)
  std::string folder{};      // the working folder; "" for the current one
  ShowMode show = ShowMode::Normal;
  friend bool operator==(const ProcessStart&, const ProcessStart&) = default;
};

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // False when the shell could not start it, including when the user refused an elevation.
  [[nodiscard]] virtual bool Start(const ProcessStart& start) = 0;
};

}  // namespace halvex::platform
