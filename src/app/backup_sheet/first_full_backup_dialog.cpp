#include "app/backup_sheet/first_full_backup_dialog.h"

#include "app/shared/product.h"
#include "backup/registry_editor.h"

namespace halvex::app {

TFirstFullBackupDialog::TFirstFullBackupDialog(BackupServices services)
    : ui::Form("FirstFullBackupDialog"), services_(services) {
  borderStyle = ui::BorderStyle::Dialog;
  SetCaption(std::string(kProductName) + " - Create full registry backup");
  SetBounds(ui::Rect::At(0, 0, kWidth, kHeight));

  HeadingPanel.SetBounds(ui::Rect::At(0, 0, kWidth, 48));
  HeadingPanel.SetColor(ui::colors::kWhite);
  abHeading.SetBounds(ui::Rect::At(8, 14, kWidth - 64, 20));
  abHeading.SetFont({.pointSize = 10, .bold = true, .color = ui::colors::kRed});
  HeadingPanel.AddChild(abHeading);
  HeadingIcon.SetBounds(ui::Rect::At(kWidth - 48, 8, 32, 32));
  HeadingPanel.AddChild(HeadingIcon);
  AddChild(HeadingPanel);

  abRecommend.SetBounds(ui::Rect::At(16, 60, kWidth - 32, 18));
  AddChild(abRecommend);
  abDuration.SetBounds(ui::Rect::At(16, 80, kWidth - 32, 18));
  AddChild(abDuration);
  abMessage.SetBounds(ui::Rect::At(16, 108, kWidth - 32, 18));
  abMessage.SetAlignment(ui::TextAlign::Center);
  abMessage.SetVisible(false);
  AddChild(abMessage);

  constexpr int kButtonWidth = 100;
  OKButton.SetBounds(
      ui::Rect::At((kWidth - kButtonWidth) / 2, kHeight - 25 - 16, kButtonWidth, 25));
  OKButton.onClick = [this] { OKButtonClick(); };
  AddChild(OKButton);
}

void TFirstFullBackupDialog::OKButtonClick() {
  if (OKButton.caption() != kBackupNowCaption) {
    SetModalResult(ui::ModalResult::Ok);
    Close();
    return;
  }
  abMessage.SetCaption(kBackupInProcessMessage);
  abMessage.SetVisible(true);
  OKButton.SetEnabled(false);
  services_.windows.Repaint(*this);
  // The dialog waits for the registry editor, and says only then how it went.
  const backup::FullBackupResult result =
      backup::ExportFullRegistry(services_.platform, services_.processes, services_.Pump());
  abMessage.SetCaption(result.succeeded ? kFullBackupCompleteLabel : kFullBackupFailed);
  OKButton.SetEnabled(true);
  OKButton.SetCaption("OK");
}

}  // namespace halvex::app
