#include "tools/error_utilities/error_fix_form.h"

#include "mail/e_mail_form.h"
#include "mail/mail_settings.h"
#include "ui/hint_form.h"
#include "ui/product_name.h"

namespace halvex::tools {
namespace {

constexpr std::string_view kIntro =
    "Select the error options from list below, and click button 'Repair' to proceed. If the "
    "error you had is not in list, \r\nplease click 'Report' to send your error description to "
    "us.";
// Sub-item 1 of a row, not shown: the marker of the rows errorlist.txt gave.
constexpr std::size_t kMarkerSubItem = 1;
constexpr int kWidth = 541;
constexpr int kHeight = 449;

}  // namespace

std::string RepairMessage(const std::vector<errors::ErrorRepair>& repairs) {
  std::string names;
  for (const errors::ErrorRepair& repair : repairs) {
    if (!repair.FullyFixed()) names += "\r" + repair.name;
  }
  return names.empty() ? std::string(kSystemErrorFixed) : std::string(kErrorsNotFullyFixed) + names;
}

TErrorFixForm::TErrorFixForm(const ui::ProgramServices& services)
    : ToolWindow("ErrorFixForm", "TErrorFixForm"), services_(services) {
  SetCaption("Error Fix");
  SetBounds(ui::Rect::At(0, 0, kWidth, kHeight));
  SetColor(ui::colors::kWhite);

  IntroMemo.SetBounds(ui::Rect::At(8, 8, kWidth - 16, 40));
  IntroMemo.SetText(std::string(kIntro));
  IntroMemo.SetReadOnly(true);
  AddChild(IntroMemo);

  listerror.SetBounds(ui::Rect::At(8, 52, kWidth - 16, 230));
  listerror.SetCheckBoxes(true);
  listerror.SetColumns({{.caption = "Error Info", .width = 260},
                        {.caption = "Error description", .width = kWidth - 16 - 260 - 24}});
  listerror.onSelect = [this] { listerrorSelectItem(); };
  listerror.onRowPress = [this](int row, bool onCheckBox) {
    return listerrorMouseDown(row, onCheckBox);
  };
  AddChild(listerror);

  abDescription.SetBounds(ui::Rect::At(8, 288, kWidth - 16, 18));
  AddChild(abDescription);
  MemoText.SetBounds(ui::Rect::At(8, 306, kWidth - 16, 90));
  MemoText.SetReadOnly(true);
  AddChild(MemoText);

  cbSelectAll.SetBounds(ui::Rect::At(8, kHeight - 38, 16, 16));
  cbSelectAll.onClick = [this] { cbSelectAllClick(); };
  AddChild(cbSelectAll);
  abSelectAll.SetBounds(ui::Rect::At(28, kHeight - 38, 80, 16));
  // The label toggles the box, whose click then ticks the rows.
  abSelectAll.onClick = [this] { cbSelectAll.SetChecked(!cbSelectAll.checked()); };
  AddChild(abSelectAll);

  BitBtn1.SetBounds(ui::Rect::At(kWidth - 180, kHeight - 42, 80, 26));
  BitBtn1.onClick = [this] { RepairSelectedErrors(); };
  AddChild(BitBtn1);
  BitBtn2.SetBounds(ui::Rect::At(kWidth - 92, kHeight - 42, 80, 26));
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  AddChild(BitBtn2);

  FormCreate();
}

void TErrorFixForm::FormCreate() {
  platform::FileSystem& files = services_.platform.files;
  if (errors::ErrorListMissing(files)) {
    ui::THintForm hint;
    hint.LabelMsg.SetCaption(std::string(kDownloadingErrorList));
    services_.windows.Show(hint);
    services_.windows.Repaint(hint);
    // A failed download leaves no file, so the built-in rows show and the next window tries
    // again.
    (void)errors::FetchErrorList(services_.http, files, services_.updateServer);
  }
  list_ = errors::LoadErrorList(files, services_.platform.locale);
  for (const errors::ErrorRow& row : list_.rows) {
    (void)listerror.AddRow({.caption = row.caption, .subItems = {row.description, row.marker}});
  }
}

void TErrorFixForm::listerrorSelectItem() {
  const int row = listerror.selectedIndex();
  MemoText.SetText(row == ui::ListView::kNone ? std::string() : listerror.SubItem(row, 0));
}

void TErrorFixForm::cbSelectAllClick() {
  const bool tick = cbSelectAll.checked();
  for (int row = 0; row < listerror.rowCount(); ++row) {
    const bool reinstall = errors::IsReinstallRow(listerror.Row(row).caption);
    (void)listerror.SetChecked(row, tick && !reinstall);
  }
}

bool TErrorFixForm::listerrorMouseDown(int row, bool onCheckBox) {
  if (!errors::IsReinstallRow(listerror.Row(row).caption)) return false;
  (void)listerror.SetChecked(row, false);
  if (!onCheckBox) return false;
  const platform::MessageAnswer answer = services_.desktop.messages.Show(
      kReinstallWarning, ui::kProductName, platform::MessageButtons::YesNo,
      platform::MessageIcon::Warning);
  if (answer == platform::MessageAnswer::Yes) (void)listerror.SetChecked(row, true);
  return true;
}

void TErrorFixForm::RepairSelectedErrors() {
  std::vector<std::string> names;
  for (int row = 0; row < listerror.rowCount(); ++row) {
    const ui::ListRow item = listerror.Row(row);
    if (item.checked && listerror.SubItem(row, kMarkerSubItem) == errors::kFileRowMarker) {
      names.push_back(item.caption);
    }
  }
  const std::vector<errors::ErrorRepair> repairs =
      errors::RepairErrors(services_.platform.registry, list_.contents, names);
  const std::string message = RepairMessage(repairs);
  const bool fixed = message == kSystemErrorFixed;
  (void)services_.desktop.messages.Show(
      message, ui::kProductName, platform::MessageButtons::Ok,
      fixed ? platform::MessageIcon::Information : platform::MessageIcon::Warning);
}

void TErrorFixForm::BitBtn2Click() {
  mail::TEMailForm report({.smtp = services_.smtp,
                           .messages = services_.desktop.messages,
                           .processors = services_.processors,
                           .settings = mail::ConfiguredMailSettings()});
  (void)services_.windows.ShowModal(report);
}

std::unique_ptr<ToolWindow> MakeErrorFixWindow(const ui::ProgramServices& services) {
  return std::make_unique<TErrorFixForm>(services);
}

}  // namespace halvex::tools
