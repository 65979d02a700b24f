#pragma once
// The settings the window layer reads, and the seam through which start-up loads them. The
// settings store fills them from the registry; tests hand in their own.
#include <functional>
#include <string>

namespace halvex::app {

struct AppSettings {
  std::string homePage{};
  std::string helpUrl{};
  bool checkUpdate = false;
};

using SettingsLoader = std::function<AppSettings()>;

}  // namespace halvex::app
