#pragma once
// TFirstFullBackupDialog: offered once, before the first repair, to export the whole registry
// into "FullBackup\" beside the program. It has two states: before the backup ("Backup Now")
// and after it ("OK", which closes it). Its message says how the backup went.
#include "app/backup_sheet/backup_messages.h"
#include "app/backup_sheet/backup_services.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace halvex::app {

inline constexpr const char* kBackupNowCaption = "Backup Now";
inline constexpr const char* kBackupInProcessMessage = "Backup is in process, please wait.";
inline constexpr const char* kFullBackupCompleteLabel = "Backup registry complete!";

class TFirstFullBackupDialog : public ui::Form {
 public:
  static constexpr int kWidth = 457;
  static constexpr int kHeight = 196;

  explicit TFirstFullBackupDialog(BackupServices services);

  void OKButtonClick();

  ui::Panel HeadingPanel{"HeadingPanel"};
  ui::Label abHeading{"abHeading", "  Create full registry backup"};
  ui::Picture HeadingIcon{"HeadingIcon"};
  ui::Label abRecommend{"abRecommend",
                        "It is recommended to creat a full registry backup before your first "
                        "repair. "};
  ui::Label abDuration{"abDuration",
                       "According to your PC configuration, it will take few seconds to minutes."};
  ui::Label abMessage{"abMessage"};
  ui::Button OKButton{"OKButton", kBackupNowCaption};

 private:
  BackupServices services_;
};

}  // namespace halvex::app
