#pragma once
// The scan sheet with its results view and driver over a scratch machine, driven as a user
// drives it: click ScanNowBtn, read abItemCount04, press Abort while the scan pumps.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/scan_sheet/results_view.h"
#include "app/scan_sheet/scan_sheet.h"
#include "app/scan_sheet/scan_sheet_driver.h"
#include "app/shared/data_module.h"
#include "model/drive_checks.h"
#include "tests/support/substitute_program.h"

namespace halvex::testing {

inline constexpr const char* kSharedDllsKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

class ScanSheetTest : public ::testing::Test, protected SubstituteProgram {
 protected:
  ScanSheetTest()
      : SubstituteProgram({},
                          {{'C', platform::DriveType::Fixed}, {'D', platform::DriveType::CdRom}}) {
    settings.SelectAll = true;
    machine.AddFolder("C:\\Program Files\\Halvex");
    model.ExcludedDrives = model::BuildExcludedDriveList(machine.files(), model.abortFlag);
  }

  // Shared DLLs values naming files that do not exist: one problem each.
  void AddBrokenSharedDlls(int count) {
    for (int i = 0; i < count; ++i) {
      machine.SetDword(kSharedDllsKey, "C:\\gone" + std::to_string(i) + ".dll", 1);
    }
  }
  // True once the section found a problem: with broken entries only in section 4, while section
  // 4 runs (the walking sections before it pump as often as their keys make them).
  std::function<bool()> SectionFound(int section, const model::ScanModel* scanModel = nullptr) {
    return [this, section, scanModel] {
      return !(scanModel != nullptr ? *scanModel : model)
                  .SectionContents[static_cast<std::size_t>(section)]
                  .empty();
    };
  }
  ui::Picture& Mark(int section) { return sheet.sections[section - 1].picture; }
  const std::string& Count(int section) { return sheet.sections[section - 1].count.caption(); }
  int Page() const { return sheet.ScanNotebook.pageIndex(); }

  model::TMyRegistryInfo settings;
  model::ScanModel model;
  app::TDM dm{system, windows, false, nullptr};
  // The main window's scan sheet page, sized before the sheet lays itself out on it.
  struct SheetPage : ui::Panel {
    SheetPage() : ui::Panel("ScanSheet") { SetBounds(ui::Rect::At(0, 0, 541, 449)); }
  } page;
  app::ScanSheet sheet{page, dm};
  app::ResultsView results{sheet, dm, model, machine.files(), messages};
  app::ScanSheetDriver driver{
      sheet, results, dm, model, {machine.platform(), desktop, busy, settings}};
};

}  // namespace halvex::testing
