#include "tools/activex_blocker/malignant_form.h"

#include <cmath>

#include "model/text_format.h"
#include "tools/tool_messages.h"

namespace halvex::tools {
namespace {

constexpr int kNameWidth = 180;
constexpr int kStatusWidth = 80;

}  // namespace

TFormMalignant::TFormMalignant(const ui::ProgramServices& services)
    : ToolWindow("FormMalignant", "TFormMalignant"), services_(services) {
  SetCaption("Malignant ActiveX");
  SetBounds(ui::Rect::At(0, 0, 519, 474));
  LabelTitle.SetBounds(ui::Rect::At(16, 8, 400, 20));
  LabelList.SetBounds(ui::Rect::At(16, 32, 200, 16));
  MemoInfo.SetBounds(ui::Rect::At(16, 52, 487, 56));
  MemoInfo.SetReadOnly(true);
  MemoInfo.SetText(
      "The checked AtiveX item will be blocked from your PC and your PC system will be "
      "protected. \r\nThe un-checked one will still have a chance to auto-install in your PC and "
      "maybe cause \r\npotential threats to your PC system.");
  ImageWarning.SetBounds(ui::Rect::At(16, 114, 16, 16));
  LabelWarning.SetBounds(ui::Rect::At(36, 114, 467, 16));
  ImageWarning.SetVisible(false);
  LabelWarning.SetVisible(false);
  LabelHint.SetBounds(ui::Rect::At(16, 130, 487, 16));
  LabelHint.SetVisible(false);
  ProtectGauge.SetBounds(ui::Rect::At(16, 130, 487, 16));
  ProtectGauge.SetVisible(false);
  ListActiveX.SetBounds(ui::Rect::At(16, 150, 487, 252));
  ListActiveX.SetCheckBoxes(true);
  ListActiveX.SetColumns({{"Object Name", kNameWidth},
                          {"CLSID", 250},
                          {"Status", kStatusWidth, ui::TextAlign::Center}});
  ChkList.SetBounds(ui::Rect::At(16, 418, 16, 16));
  LabelSelectAll.SetBounds(ui::Rect::At(36, 419, 80, 16));
  ImmunizeBtn.SetBounds(ui::Rect::At(324, 412, 80, 25));
  UnImmunizeBtn.SetBounds(ui::Rect::At(423, 412, 80, 25));
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &LabelTitle, &LabelList, &MemoInfo, &ImageWarning, &LabelWarning, &LabelHint,
           &ProtectGauge, &ListActiveX, &ChkList, &LabelSelectAll, &ImmunizeBtn, &UnImmunizeBtn}) {
    AddChild(*control);
  }
  ChkList.onClick = [this] { ChkListClick(); };
  LabelSelectAll.onClick = [this] { ChkListClick(); };
  ImmunizeBtn.onClick = [this] { ImmunizeBtnClick(); };
  UnImmunizeBtn.onClick = [this] { UnImmunizeBtnClick(); };
  onShow = [this] { FormShow(); };
  onResize = [this] { FitColumns(); };
  FetchList();
}

// The list comes from the update server once; a failed download leaves none, so the next
// opening of the window tries again.
void TFormMalignant::FetchList() {
  platform::FileSystem& files = services_.platform.files;
  if (activex::ReadBlockList(files)) return;
  LabelHint.SetCaption("Downloading data, please wait...");
  LabelHint.SetVisible(true);
  services_.windows.Repaint(LabelHint);
  (void)activex::FetchBlockList(services_.http, files, services_.updateServer);
  LabelHint.SetVisible(false);
}

void TFormMalignant::FitColumns() {
  ListActiveX.SetColumnWidth(1, ListActiveX.bounds().width() - kNameWidth - kStatusWidth - 20);
}

void TFormMalignant::FormShow() {
  FitColumns();
  ListBlockedControls();
}

void TFormMalignant::ListBlockedControls() {
  rows_ = activex::ListBlockedControls(services_.platform);
  ListActiveX.Clear();
  for (const activex::ControlRow& row : rows_) {
    ListActiveX.AddRow({.caption = row.control.name,
                        .subItems = {row.control.classId, std::string(activex::StatusText(row))},
                        .checked = row.checked});
  }
  ShowWarning(rows_.size() - activex::CountLocked(rows_));
  LabelList.SetCaption(rows_.empty() ? std::string()
                                     : model::FormatText("(%d objects)", int(rows_.size())));
}

void TFormMalignant::ShowRows() {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int row = static_cast<int>(i);
    (void)ListActiveX.SetChecked(row, rows_[i].checked);
    (void)ListActiveX.SetSubItem(row, 1, std::string(activex::StatusText(rows_[i])));
  }
}

void TFormMalignant::TakeTicks() {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    rows_[i].checked = ListActiveX.Row(static_cast<int>(i)).checked;
  }
}

void TFormMalignant::ShowWarning(std::size_t notLocked) {
  const bool warn = notLocked > 0;
  if (warn) {
    LabelWarning.SetCaption(model::FormatText(
        "%d ActiveX items could cause potential threats to your PC!", int(notLocked)));
  }
  ImageWarning.SetVisible(warn);
  LabelWarning.SetVisible(warn);
}

void TFormMalignant::SetGauge(std::size_t counted, std::size_t total) {
  ProtectGauge.SetPosition(
      static_cast<int>(std::lround(100.0 * static_cast<double>(counted) / double(total))));
  services_.windows.Repaint(ProtectGauge);
}

// The check box, or a click on its label, which applies the box's state again.
void TFormMalignant::ChkListClick() {
  for (int row = 0; row < ListActiveX.rowCount(); ++row) {
    (void)ListActiveX.SetChecked(row, ChkList.checked());
  }
}

void TFormMalignant::ImmunizeBtnClick() {
  ProtectGauge.SetPosition(0);
  ProtectGauge.SetVisible(true);
  TakeTicks();
  const std::size_t locked = activex::LockCheckedControls(
      services_.platform.registry, rows_,
      [this](std::size_t counted, std::size_t total) { SetGauge(counted, total); });
  ShowRows();
  ShowWarning(rows_.size() - locked);
  ShowPlainMessage(services_.desktop.messages,
                   "Protect your computer from known malignant ActiveX complete!");
  ProtectGauge.SetPosition(0);
  ProtectGauge.SetVisible(false);
}

void TFormMalignant::UnImmunizeBtnClick() {
  ProtectGauge.SetPosition(0);
  ProtectGauge.SetVisible(true);
  TakeTicks();
  activex::UnlockAllControls(
      services_.platform.registry, rows_,
      [this](std::size_t done, std::size_t total) { SetGauge(done, total); });
  ShowRows();
  ShowWarning(rows_.size() - activex::CountLocked(rows_));
  ShowPlainMessage(services_.desktop.messages, "UnLock the known ActiveX objects complete!");
  ProtectGauge.SetPosition(0);
  ProtectGauge.SetVisible(false);
}

std::unique_ptr<ToolWindow> MakeMalignantWindow(const ui::ProgramServices& services) {
  return std::make_unique<TFormMalignant>(services);
}

}  // namespace halvex::tools
