#pragma once
// A small substitute machine for one fuzz process: drive C: on a fresh host folder (below the
// host's temporary folder, removed when the process ends), the program folder on it, a locale,
// a fixed clock and a shortcut reader. Each input brings its own registry.
#include <filesystem>

#include "platform/platform.h"
#include "platform/substitute/code_page.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/host_file_system.h"
#include "platform/substitute/substitute_locale.h"
#include "platform/substitute/substitute_shell_links.h"
#include "tests/platform/host_temp_folder.h"

namespace halvex::fuzz {

class FuzzMachine {
 public:
  explicit FuzzMachine(const platform::substitute::CodePage& codePage =
                           platform::substitute::CodePage::Windows1252());

  const platform::substitute::CodePage& codePage() const { return codePage_; }
  platform::substitute::HostFileSystem& files() { return files_; }
  platform::substitute::SubstituteLocale& locale() { return locale_; }
  // The machine with this registry.
  platform::Platform With(platform::Registry& registry) {
    return {registry, files_, locale_, clock_, links_};
  }

 private:
  const platform::substitute::CodePage& codePage_;
  testing::HostTempFolder root_;
  platform::substitute::HostFileSystem files_;
  platform::substitute::SubstituteLocale locale_;
  platform::substitute::FixedClock clock_;
  platform::substitute::SubstituteShellLinks links_;
};

}  // namespace halvex::fuzz
