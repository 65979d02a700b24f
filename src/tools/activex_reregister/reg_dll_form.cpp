#include "tools/activex_reregister/reg_dll_form.h"

#include "tools/activex_reregister/control_registration.h"
#include "tools/tool_messages.h"

namespace halvex::tools {
namespace {

constexpr int kStatusWidth = 150;

}  // namespace

TFormRegDll::TFormRegDll(const ui::ProgramServices& services)
    : ToolWindow("FormRegDll", "TFormRegDll"), services_(services) {
  SetBounds(ui::Rect::At(0, 0, 588, 365));
  MemoInfo.SetBounds(ui::Rect::At(8, 8, 525, 100));
  MemoInfo.SetReadOnly(true);
  MemoInfo.SetText(
      "With re-registering ActiveX and .dll objects' registry keys again, this application could "
      "solve the system curious \r\nproblems such as: unable to open new IE windows, website "
      "displaying incomplete, unable to auto update \r\nWindows, unable to select filmstrip model "
      "to watch picture, random error with Media player, and so on. When \r\nencountered the "
      "registry problems that could not be repaired by other registry-fixed software, it is "
      "better to try this \r\napplication to fix them. It is suggested that backup the former "
      "registry file in the safe folder before fixing them.");
  lvActivexDLL.SetBounds(ui::Rect::At(8, 116, 525, 290));
  lvActivexDLL.SetColumns(
      {{"ActiveX and .dll objects", 400}, {"Status", kStatusWidth, ui::TextAlign::Center}});
  btnRepair.SetBounds(ui::Rect::At(357, 414, 80, 25));
  btnStop.SetBounds(ui::Rect::At(453, 414, 80, 25));
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&MemoInfo, &lvActivexDLL, &btnRepair, &btnStop}) {
    AddChild(*control);
  }
  btnRepair.onClick = [this] { btnRepairClick(); };
  btnStop.onClick = [this] { btnStopClick(); };
  onResize = [this] { lvActivexDLLResize(); };
  lvActivexDLLResize();
}

void TFormRegDll::lvActivexDLLResize() {
  lvActivexDLL.SetColumnWidth(0, lvActivexDLL.bounds().width() - kStatusWidth - 20);
}

void TFormRegDll::btnRepairClick() {
  if (running_) return;  // a second press while the pump runs the first
  // The loop lets messages run: the busy state keeps a sheet change from destroying this
  // window under it.
  const ui::BusyState::Scope busy = services_.busy.Busy();
  platform::Platform& platform = services_.platform;
  running_ = true;
  lvActivexDLL.Clear();
  reregister::RegistrationHooks hooks;
  hooks.running = [this] { return running_; };
  hooks.pump = [this] { services_.desktop.pump.ProcessMessages(); };
  hooks.onRow = [this](const reregister::RegistrationRow& row) {
    lvActivexDLL.AddRow(
        {.caption = row.path, .subItems = {std::string(reregister::StatusText(row.status))}});
  };
  (void)reregister::RegisterFolderControls(
      {platform.files, platform.locale, services_.processRunner}, platform.files.SystemFolder(),
      hooks);
  running_ = false;
  ShowPlainMessage(services_.desktop.messages, "re-registering ActiveX and .dll objects complete!");
}

std::unique_ptr<ToolWindow> MakeRegDllWindow(const ui::ProgramServices& services) {
  return std::make_unique<TFormRegDll>(services);
}

}  // namespace halvex::tools
