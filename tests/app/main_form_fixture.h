#pragma once
// A main window over substitute services, as the tests of the window layer use it.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "app/main_window/main_form.h"
#include "app/shared/data_module.h"
#include "tests/support/substitute_program.h"

namespace halvex::platform {
inline void PrintTo(const ProcessStart& start, std::ostream* os) {
  *os << "{file \"" << start.file << "\", parameters \"" << start.parameters << "\", verb \""
      << start.verb << "\"}";
}
}  // namespace halvex::platform

namespace halvex::testing {

class MainFormTest : public ::testing::Test, protected SubstituteProgram {
 protected:
  // Empty drives: the window only asks for their types.
  MainFormTest()
      : SubstituteProgram({},
                          {{'C', platform::DriveType::Fixed}, {'E', platform::DriveType::CdRom}}) {}

  void Make(app::ProgramHooks hooks = {}, std::string startArgument = {}) {
    dm = std::make_unique<app::TDM>(system, windows, false, nullptr);
    form = std::make_unique<app::THalvexMainForm>(programServices, *dm, settings,
                                                  std::move(startArgument), std::move(hooks));
    windows.Show(*form);
  }
  void TearDown() override {
    form.reset();
    dm.reset();
  }

  model::TMyRegistryInfo settings{.HomePage = "http://www.halvex.example/",
                                  .HelpURL = "http://www.halvex.example/help"};
  std::unique_ptr<app::TDM> dm;
  std::unique_ptr<app::THalvexMainForm> form;
};

}  // namespace halvex::testing
