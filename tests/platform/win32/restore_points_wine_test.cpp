// The restore point binding under Wine, which serves no restore points: listing and creating
// end cleanly (an empty list or the service's error, never a crash), and the window shows the
// outcome in a message. Nothing here restarts the system.
#include <gtest/gtest.h>

#include "platform/win32/win32_restore_points.h"
#include "tests/support/substitute_program.h"
#include "tools/restore_points/input_box.h"
#include "tools/restore_points/sys_restore_form.h"

namespace halvex::testing {
namespace {

TEST(RestorePointsUnderWine, ListingCreatingAndDeletingEndCleanly) {
  platform::win32::Win32RestorePoints service;
  // Wine's class answers one instance without properties, which the listing passes over.
  const platform::RestorePointListing listing = service.List();
  EXPECT_EQ(listing.error, "");
  for (const platform::RestorePointInstance& point : listing.instances) {
    EXPECT_EQ(point.description, "") << "Wine keeps no restore points";
  }
  const platform::RestorePointAnswer created =
      service.Create("Halvex test", platform::kApplicationInstall, platform::kBeginSystemChange);
  EXPECT_TRUE(created.raised()) << "result " << created.result;
  const platform::RestorePointAnswer deleted = service.Delete(0x7FFFFFF0);
  EXPECT_TRUE(deleted.raised()) << "result " << deleted.result;
}

TEST(RestorePointsUnderWine, TheWindowShowsTheServicesAnswer) {
  SubstituteProgram program;
  platform::win32::Win32RestorePoints service;
  const ui::ProgramServices& services = program.programServices;
  ui::ProgramServices real{services.platform,  services.desktop,      services.processRunner,
                           services.http,      services.schedulers,   services.windows,
                           services.busy,      services.updateServer, service,
                           services.smtp,      services.processors,   services.shell,
                           services.identities};
  tools::TSysRestoreForm form(real);
  program.windows.Show(form);
  EXPECT_EQ(form.RestoreListView.rowCount(), 0);
  program.windows.OnModal(
      "InputBox", [](ui::Form& box) { dynamic_cast<tools::TInputBoxForm&>(box).OkBtn.Click(); });
  form.BackupButton.Click();
  ASSERT_FALSE(program.messages.shown().empty());
  const auto& last = program.messages.shown().back();
  EXPECT_TRUE(last.isErrorBox) << last.text;
}

}  // namespace
}  // namespace halvex::testing
