#pragma once
// A process runner for the tools' tests: records each command line and answers the exit code
// scripted for a text the command holds (0 when none matches), or "not started".
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/process_runner.h"

namespace halvex::testing {

class ScriptedRunner final : public platform::ProcessRunner {
 public:
  void ExitWith(std::string part, std::uint32_t code) {
    codes_.emplace_back(std::move(part), code);
  }
  void RefuseToStart(std::string part) { unstartable_.push_back(std::move(part)); }
  // Runs while a command waits, as the user acting meanwhile.
  std::function<void()> whileRunning;

  platform::ProcessExit RunHidden(std::string_view commandLine,
                                  const std::function<void()>& pump) override {
    commands.emplace_back(commandLine);
    if (pump) pump();
    if (whileRunning) whileRunning();
    for (const std::string& part : unstartable_) {
      if (commandLine.find(part) != std::string_view::npos) return {.started = false};
    }
    for (const auto& [part, code] : codes_) {
      if (commandLine.find(part) != std::string_view::npos)
        return {.started = true, .exitCode = code};
    }
    return {.started = true, .exitCode = 0};
  }

  std::vector<std::string> commands;

 private:
  std::vector<std::pair<std::string, std::uint32_t>> codes_;
  std::vector<std::string> unstartable_;
};

}  // namespace halvex::testing
