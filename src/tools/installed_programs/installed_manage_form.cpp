#include "tools/installed_programs/installed_manage_form.h"

#include "tools/installed_programs/installed_programs.h"
#include "ui/product_name.h"

namespace halvex::tools {
namespace {

// The caption of the program's message boxes.
constexpr const char* kRemoveQuestion =
    "Are you sure you want to remove this entry from registry?\r"
    "You will not be able to revert this action!";

// Sub-items of a program row: the uninstall command (shown), then the key path (hidden).
constexpr std::size_t kCommandItem = 0;
constexpr std::size_t kKeyPathItem = 1;

}  // namespace

TInstalledManageForm::TInstalledManageForm(const ui::ProgramServices& services)
    : ToolWindow("InstalledManageForm", "TInstalledManageForm"), services_(services) {
  SetCaption("Manage Installed Programs");
  SetBounds(ui::Rect::At(0, 0, 721, 527));
  ListInstalled.SetColumns({{"Program Name", 200}, {"UninstallPath", 635}});
  ListInstalled.SetBounds(ui::Rect::At(0, 0, 721, 260));
  PanelText.SetBounds(ui::Rect::At(0, 262, 721, 22));
  ui::Font bold;
  bold.bold = true;
  PanelText.SetFont(bold);
  ListDetail.SetColumns({{"Property Name", 200}, {"Property Value", 350}});
  ListDetail.SetBounds(ui::Rect::At(0, 286, 721, 200));
  TbtRefresh.SetBounds(ui::Rect::At(400, 495, 95, 25));
  TbtUninstall.SetBounds(ui::Rect::At(505, 495, 95, 25));
  TbrRemove.SetBounds(ui::Rect::At(610, 495, 95, 25));
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &ListInstalled, &PanelText, &ListDetail, &TbtRefresh, &TbtUninstall, &TbrRemove}) {
    AddChild(*control);
  }

  onShow = [this] { ListInstalledPrograms(); };
  onResize = [this] { FormResize(); };
  ListInstalled.onClick = [this] { ListInstalledClick(); };
  ListInstalled.onSelect = [this] { ListInstalledClick(); };
  TbtRefresh.onClick = [this] { ListInstalledPrograms(); };
  TbtUninstall.onClick = [this] { TbtUninstallClick(); };
  TbrRemove.onClick = [this] { TbrRemoveClick(); };
}

void TInstalledManageForm::ListInstalledPrograms() {
  ListInstalled.Clear();
  for (const InstalledProgram& program :
       tools::ListInstalledPrograms(services_.platform.registry)) {
    ListInstalled.AddRow({program.displayName, {program.uninstallString, program.keyPath}});
  }
}

void TInstalledManageForm::ShowProgramDetails(const std::string& keyPath) {
  for (const ProgramDetail& detail :
       tools::ShowProgramDetails(services_.platform.registry, keyPath)) {
    ListDetail.AddRow({detail.label, {detail.value}});
  }
}

void TInstalledManageForm::ListInstalledClick() {
  ListDetail.Clear();
  const int row = ListInstalled.selectedIndex();
  if (row == ui::ListView::kNone) return;
  PanelText.SetCaption(ListInstalled.Row(row).caption);
  ShowProgramDetails(ListInstalled.SubItem(row, kKeyPathItem));
}

bool TInstalledManageForm::SelectedProgram(std::string& command, std::string& keyPath) {
  const int row = ListInstalled.selectedIndex();
  if (row == ui::ListView::kNone) {
    (void)services_.desktop.messages.Show("Unchecked", ui::kProductName,
                                          platform::MessageButtons::Ok,
                                          platform::MessageIcon::Warning);
    return false;
  }
  command = ListInstalled.SubItem(row, kCommandItem);
  keyPath = ListInstalled.SubItem(row, kKeyPathItem);
  return true;
}

void TInstalledManageForm::TbtUninstallClick() {
  std::string command, keyPath;
  if (!SelectedProgram(command, keyPath)) return;
  // Not waited for; a command that cannot be started is not reported.
  (void)services_.desktop.processes.Start(UninstallStart(services_.platform.files, command));
  ListInstalledPrograms();
}

void TInstalledManageForm::TbrRemoveClick() {
  std::string command, keyPath;
  if (!SelectedProgram(command, keyPath)) return;
  if (services_.desktop.messages.Show(
          kRemoveQuestion, ui::kProductName, platform::MessageButtons::YesNo,
          platform::MessageIcon::Warning) != platform::MessageAnswer::Yes) {
    return;
  }
  // A failed deletion is not reported: the entry stays in the refilled list.
  (void)RemoveProgramEntry(services_.platform.registry, keyPath);
  ListInstalledPrograms();
}

void TInstalledManageForm::FormResize() {
  for (ui::ListView* list : {&ListInstalled, &ListDetail}) {
    const int width = list->bounds().right - list->bounds().left;
    list->SetColumnWidth(1, width - list->columns()[0].width - 20);
  }
}

std::unique_ptr<ToolWindow> MakeInstalledManageWindow(const ui::ProgramServices& services) {
  return std::make_unique<TInstalledManageForm>(services);
}

}  // namespace halvex::tools
