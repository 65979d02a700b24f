// The ActiveX blocker's logic on a scratch machine: listing the kill flags, locking, unlocking
// and fetching the list.
#include <gtest/gtest.h>

#include "model/registry_object.h"
#include "model/update_server.h"
#include "platform/substitute/scripted_http_client.h"
#include "tests/support/scratch_machine.h"
#include "tools/activex_blocker/blocked_controls.h"
#include "tools/activex_blocker/kill_flag.h"

namespace halvex::tools::activex {
namespace {

constexpr const char* kA = "{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr const char* kB = "{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr const char* kC = "{CCCCCCCC-0000-0000-0000-000000000003}";
constexpr const char* kServer = "http://updates.test";

std::string KeyOf(const char* classId) {
  return "HKEY_LOCAL_MACHINE\\" + CompatibilityKeyOf(classId);
}

class ActiveXBlocker : public ::testing::Test {
 protected:
  // The program folder is the executable's, so it is always there.
  ActiveXBlocker() { machine.AddFolder(machine.files().ProgramFolder()); }
  void WriteList(std::string_view text) {
    machine.AddFile(machine.files().ProgramFolder() + "Code", text);
  }
  void WriteThreeControls() {
    WriteList(std::string("Alpha") + kA + "\r\nBravo" + kB + "\r\n\r\nCharlie" + kC + "\r\n");
  }
  std::vector<ControlRow> List() { return ListBlockedControls(machine.platform()); }
  bool Locked(const char* classId) { return IsKillFlagSet(machine.registry, classId); }

  testing::ScratchMachine machine;
};

TEST_F(ActiveXBlocker, ListsEachControlWithItsFlag) {
  WriteThreeControls();
  machine.SetDword(KeyOf(kB), "Compatibility Flags", 0x400);
  const std::vector<ControlRow> rows = List();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].control.name, "Alpha");
  EXPECT_EQ(StatusText(rows[0]), "Free");
  EXPECT_EQ(StatusText(rows[1]), "Locked");
  EXPECT_TRUE(rows[1].checked) << "a locked control is listed ticked";
  EXPECT_EQ(StatusText(rows[2]), "Free");
  EXPECT_EQ(CountLocked(rows), 1u);
}

TEST_F(ActiveXBlocker, OnlyTheDwordFourHundredIsAKillFlag) {
  const struct {
    const char* what;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    bool locked;
  } cases[] = {
      {"0x400", platform::reg_type::kDword, {0x00, 0x04, 0, 0}, true},
      {"1025", platform::reg_type::kDword, {0x01, 0x04, 0, 0}, false},
      {"0", platform::reg_type::kDword, {0, 0, 0, 0}, false},
      {"text 1024", platform::reg_type::kString, {'1', '0', '2', '4', 0}, false},
      {"binary 00 04 00 00", platform::reg_type::kBinary, {0x00, 0x04, 0, 0}, false},
  };
  for (const auto& c : cases) {
    machine.SetValue(KeyOf(kA), "Compatibility Flags", c.type, c.data);
    EXPECT_EQ(Locked(kA), c.locked) << c.what;
  }
}

TEST_F(ActiveXBlocker, ABlankOrCutLineNeverReachesTheCompatibilityKeyItself) {
  // Another control's flag, not on the list, must outlive an unlock of the whole list.
  machine.SetDword(KeyOf(kC), "Compatibility Flags", 0x400);
  WriteList(std::string("Alpha") + kA + "\r\n   \r\nCut{\r\nNone\r\n");
  std::vector<ControlRow> rows = List();
  ASSERT_EQ(rows.size(), 1u);
  UnlockAllControls(machine.registry, rows, {});
  EXPECT_TRUE(Locked(kC));
}

TEST_F(ActiveXBlocker, LockFlagsTheTickedRowsAndFreesTheOthersKeepingTheirOtherValues) {
  WriteThreeControls();
  machine.SetDword(KeyOf(kB), "Compatibility Flags", 0x400);
  machine.SetString(KeyOf(kB), "AlternateCLSID", kA);
  machine.SetDword(KeyOf(kC), "Compatibility Flags", 0x400);
  std::vector<ControlRow> rows = List();
  rows[0].checked = true;   // Alpha: to lock
  rows[1].checked = false;  // Bravo: to free; its key keeps AlternateCLSID
  rows[2].checked = false;  // Charlie: to free; its key held only the flag
  std::vector<int> gauge;
  const std::size_t locked =
      LockCheckedControls(machine.registry, rows, [&](std::size_t counted, std::size_t total) {
        gauge.push_back(static_cast<int>(counted * 100 / total));
      });
  EXPECT_EQ(locked, 1u);
  EXPECT_EQ(gauge, (std::vector<int>{33, 33, 33}));
  EXPECT_TRUE(Locked(kA));
  EXPECT_EQ(StatusText(rows[0]), "Locked");
  EXPECT_FALSE(machine.ValueExists(KeyOf(kB), "Compatibility Flags"));
  EXPECT_TRUE(machine.ValueExists(KeyOf(kB), "AlternateCLSID")) << "only the flag goes";
  EXPECT_EQ(StatusText(rows[1]), "Free");
  model::RegistryObject key(machine.registry);
  key.SetRootKey(platform::RootKey::LocalMachine);
  EXPECT_FALSE(key.KeyExists("\\" + CompatibilityKeyOf(kC))) << "an emptied key goes";
  EXPECT_TRUE(key.KeyExists("\\" + CompatibilityKeyOf(kB)));
}

TEST_F(ActiveXBlocker, ARefusedWriteIsNotCountedAsLocked) {
  WriteThreeControls();
  machine.registry.InjectFaults(platform::RootKey::LocalMachine, CompatibilityKeyOf(kB),
                                {.readOnly = true});
  std::vector<ControlRow> rows = List();
  for (ControlRow& row : rows) row.checked = true;
  std::vector<std::size_t> counts;
  const std::size_t locked = LockCheckedControls(
      machine.registry, rows, [&](std::size_t counted, std::size_t) { counts.push_back(counted); });
  EXPECT_EQ(locked, 2u);
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, 1, 2}));
  EXPECT_EQ(StatusText(rows[1]), "Free");
  EXPECT_FALSE(Locked(kB));
}

TEST_F(ActiveXBlocker, UnlockFreesEveryRowAndKeepsOtherValues) {
  WriteThreeControls();
  machine.SetDword(KeyOf(kA), "Compatibility Flags", 0x400);
  machine.SetString(KeyOf(kA), "AlternateCLSID", kB);
  machine.SetDword(KeyOf(kB), "Compatibility Flags", 0x400);
  std::vector<ControlRow> rows = List();
  std::vector<std::size_t> done;
  UnlockAllControls(machine.registry, rows,
                    [&](std::size_t counted, std::size_t) { done.push_back(counted); });
  EXPECT_EQ(done, (std::vector<std::size_t>{1, 2, 3}));
  for (const ControlRow& row : rows) {
    EXPECT_EQ(StatusText(row), "Free") << row.control.name;
    EXPECT_FALSE(row.checked) << row.control.name;
  }
  EXPECT_FALSE(Locked(kA));
  EXPECT_TRUE(machine.ValueExists(KeyOf(kA), "AlternateCLSID"));
}

TEST_F(ActiveXBlocker, AFlagThatCannotBeRemovedKeepsItsRow) {
  WriteThreeControls();
  machine.SetDword(KeyOf(kA), "Compatibility Flags", 0x400);
  machine.registry.InjectFaults(platform::RootKey::LocalMachine, CompatibilityKeyOf(kA),
                                {.refuseDelete = true});
  std::vector<ControlRow> rows = List();
  UnlockAllControls(machine.registry, rows, {});
  EXPECT_EQ(StatusText(rows[0]), "Locked");
  EXPECT_TRUE(rows[0].checked);
  EXPECT_TRUE(Locked(kA));
}

TEST_F(ActiveXBlocker, AFailedDownloadLeavesNoListAndTheNextOpeningFetchesAgain) {
  platform::substitute::ScriptedHttpClient server;
  const std::string address = model::UpdateServerUrl(kServer, model::kActiveXCodePath);
  server.Fail(address, platform::HttpFailure::HttpStatus, 404);
  EXPECT_FALSE(FetchBlockList(server, machine.files(), kServer));
  EXPECT_FALSE(machine.files().FileExists(BlockListPath(machine.files())));
  EXPECT_TRUE(List().empty());

  server.Serve(address, std::string("Alpha") + kA + "\r\n");
  EXPECT_TRUE(FetchBlockList(server, machine.files(), kServer));
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(server.requests()[1].url, "http://updates.test/update2.0/Code");
  EXPECT_EQ(List().size(), 1u);

  EXPECT_TRUE(FetchBlockList(server, machine.files(), kServer));
  EXPECT_EQ(server.requests().size(), 2u) << "a list that is there is not fetched again";
}

TEST_F(ActiveXBlocker, AnEmptyListCountsAsMissing) {
  WriteList("");
  platform::substitute::ScriptedHttpClient server;
  server.Serve(model::UpdateServerUrl(kServer, model::kActiveXCodePath), std::string("Alpha") + kA);
  EXPECT_TRUE(FetchBlockList(server, machine.files(), kServer));
  EXPECT_EQ(List().size(), 1u);
}

}  // namespace
}  // namespace halvex::tools::activex
