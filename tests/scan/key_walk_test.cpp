// The walk the recursive sections share: its order and its handles, the abort between keys, and
// the turns it gives the user interface, counted in scripted time.
#include "scan/key_walk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "scan/section_table.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;

// Records what the walk shows it: each examined key with the handles open at that moment.
class RecordingRules final : public scan::KeyWalkRules {
 public:
  explicit RecordingRules(platform::substitute::MemoryRegistry& registry) : registry_(registry) {}

  bool PassesOver(std::string_view name) const override { return name == "Skipped"; }
  bool WalksBelow(std::string_view path) const override { return !path.ends_with("Leaf"); }
  void Examine(scan::SectionScan&, const scan::WalkedKey& key) override {
    examined.push_back(std::string(key.path) + " (" + std::to_string(key.info.valueCount) +
                       " values, " + std::to_string(registry_.openHandleCount()) + " open)");
  }

  std::vector<std::string> examined;

 private:
  platform::substitute::MemoryRegistry& registry_;
};

class KeyWalk : public ::testing::Test {
 protected:
  void Walk(scan::KeyWalkRules& rules, std::string_view path = "") {
    scan::ScanContext context = run.context();
    scan::SectionScan scan(context, *scan::FindSection(3), platform::RootKey::LocalMachine);
    scan::WalkKeys(scan, path, rules);
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
};

TEST_F(KeyWalk, ExaminesDepthFirstWithOneHandlePerLevel) {
  machine.SetString("HKEY_LOCAL_MACHINE\\A\\B\\C", "v", "1");
  machine.SetString("HKEY_LOCAL_MACHINE\\A\\Leaf\\Below", "v", "1");
  machine.SetString("HKEY_LOCAL_MACHINE\\A\\Skipped\\Below", "v", "1");
  machine.SetString("HKEY_LOCAL_MACHINE\\Z", "v", "1");
  machine.SetString("HKEY_LOCAL_MACHINE\\Z", "w", "2");
  RecordingRules rules(machine.registry);
  Walk(rules);
  EXPECT_THAT(rules.examined, ElementsAre("A (0 values, 1 open)", "A\\B (0 values, 2 open)",
                                          "A\\B\\C (1 values, 3 open)",
                                          "A\\Leaf (0 values, 2 open)", "Z (2 values, 1 open)"));
  EXPECT_EQ(machine.registry.openHandleCount(), 0u) << "every handle is closed again";
  EXPECT_EQ(run.model.counters.visitCounter, 6) << "the passed-over key is visited too";
}

TEST_F(KeyWalk, StartsBelowTheGivenKeyAndPassesOverOneThatDoesNotOpen) {
  machine.SetString("HKEY_LOCAL_MACHINE\\A\\B", "v", "1");
  machine.SetString("HKEY_LOCAL_MACHINE\\A\\Closed\\C", "v", "1");
  machine.SetString("HKEY_LOCAL_MACHINE\\A\\D", "v", "1");
  machine.registry.InjectFaults(platform::RootKey::LocalMachine, "A\\Closed", {.refuseOpen = true});
  RecordingRules rules(machine.registry);
  Walk(rules, "A");
  EXPECT_THAT(rules.examined, ElementsAre("A\\B (1 values, 2 open)", "A\\D (1 values, 2 open)"));
  RecordingRules none(machine.registry);
  Walk(none, "Absent");
  EXPECT_THAT(none.examined, ElementsAre());
}

TEST_F(KeyWalk, AbortEndsTheWholeWalkBeforeTheNextKey) {
  for (const char* key : {"A\\1", "A\\2", "A\\3", "B\\1"}) {
    machine.SetString(std::string("HKEY_LOCAL_MACHINE\\") + key, "v", "1");
  }
  RecordingRules rules(machine.registry);
  // Abort is pressed while A\2 is examined; the turn before A\3 finds it.
  run.frontEnd.onProcessMessages = [&] {
    if (rules.examined.size() == 3) run.model.abortFlag = model::abort_flag::kStopScan;
  };
  Walk(rules);
  ASSERT_EQ(rules.examined.size(), 3u);
  EXPECT_EQ(rules.examined.back(), "A\\2 (1 values, 2 open)");
}

// The user presses Abort while System Software Settings walks: what the sections before it found
// stays, and the walk examines no further key.
TEST_F(KeyWalk, AbortMidwayThroughTheSystemSectionKeepsTheEarlierSections) {
  machine.SetValue("HKEY_CLASSES_ROOT\\CLSID\\{A}\\InprocServer32", "ThreadingModel",
                   platform::reg_type::kString, {'B', 0});
  machine.SetString("HKEY_CURRENT_USER\\Software\\App", "A", "C:\\Gone\\user.exe");
  for (const char* key : {"K1", "K2", "K3", "K4"}) {
    machine.SetString(std::string("HKEY_LOCAL_MACHINE\\SOFTWARE\\") + key, "A",
                      std::string("C:\\Gone\\") + key + ".exe");
  }
  machine.SetString("HKEY_USERS\\S-1\\Software\\App", "A", "C:\\Gone\\users.exe");
  machine.SetDword("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                   "C:\\gone.dll", 1);
  run.frontEnd.onProcessMessages = [this] {
    if (run.frontEnd.started.back() == 3 && run.model.SectionContents[3].size() == 2) {
      run.model.abortFlag = model::abort_flag::kStopScan;
    }
  };
  scan::ScanContext context = run.context();
  (void)scan::ScanAllSections(context, scan::AllSections());
  EXPECT_EQ(run.model.SectionContents[1].size(), 1u);
  EXPECT_EQ(run.model.SectionContents[2].size(), 1u);
  ASSERT_EQ(run.model.SectionContents[3].size(), 2u);
  EXPECT_EQ(run.model.SectionContents[3][1].KeyPath, "HKEY_LOCAL_MACHINE\\SOFTWARE\\K2");
  EXPECT_EQ(run.frontEnd.started.back(), 3) << "no later section starts";
}

// A registry on which every call takes a millisecond of scripted time.
class SlowRegistry final : public platform::Registry {
 public:
  SlowRegistry(platform::Registry& inner, platform::substitute::FixedClock& clock)
      : inner_(inner), clock_(clock) {}

  platform::RegStatus OpenKey(platform::KeyHandle parent, std::string_view path,
                              platform::KeyAccess access, platform::KeyHandle& opened) override {
    return Take(inner_.OpenKey(parent, path, access, opened));
  }
  platform::RegStatus CreateKey(platform::KeyHandle parent, std::string_view path,
                                platform::KeyHandle& opened) override {
    return Take(inner_.CreateKey(parent, path, opened));
  }
  void CloseKey(platform::KeyHandle key) override { inner_.CloseKey(key); }
  platform::RegStatus QueryInfo(platform::KeyHandle key, platform::KeyInfo& info) override {
    return Take(inner_.QueryInfo(key, info));
  }
  platform::RegStatus EnumKey(platform::KeyHandle key, std::uint32_t index,
                              std::string& name) override {
    return Take(inner_.EnumKey(key, index, name));
  }
  platform::RegStatus EnumValue(platform::KeyHandle key, std::uint32_t index,
                                std::string& name) override {
    return Take(inner_.EnumValue(key, index, name));
  }
  platform::RegStatus QueryValue(platform::KeyHandle key, std::string_view name,
                                 std::size_t capacity, platform::RegValue& value) override {
    return Take(inner_.QueryValue(key, name, capacity, value));
  }
  platform::RegStatus SetValue(platform::KeyHandle key, std::string_view name, std::uint32_t type,
                               std::span<const std::uint8_t> data) override {
    return Take(inner_.SetValue(key, name, type, data));
  }
  platform::RegStatus DeleteValue(platform::KeyHandle key, std::string_view name) override {
    return Take(inner_.DeleteValue(key, name));
  }
  platform::RegStatus DeleteKey(platform::KeyHandle parent, std::string_view path) override {
    return Take(inner_.DeleteKey(parent, path));
  }

 private:
  platform::RegStatus Take(platform::RegStatus status) {
    clock_.AdvanceTick(1);
    return status;
  }

  platform::Registry& inner_;
  platform::substitute::FixedClock& clock_;
};

// Whatever the size and shape of the tree, the user interface gets a turn within 50 ms of
// scripted time, while most entries pass without one.
TEST_F(KeyWalk, TheUserInterfaceGetsATurnWithin50MillisecondsWhateverTheNumberOfKeys) {
  struct Shape {
    const char* what;
    int wide;    // subkeys of one key
    int deep;    // levels of a chain
    int values;  // values of one key
  };
  const Shape shapes[] = {
      {"a few keys", 5, 3, 2},
      {"a wide key", 3000, 1, 0},
      {"a deep chain", 1, 400, 0},
      {"a key with many values", 1, 1, 3000},
  };
  for (const Shape& shape : shapes) {
    ScratchMachine slowMachine{{}, kScanDrives};
    for (int i = 0; i < shape.wide; ++i) {
      slowMachine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Wide\\K" + std::to_string(i), "v",
                            "C:\\Gone\\w.exe");
    }
    std::string chain = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Deep";
    for (int i = 0; i < shape.deep; ++i) chain += "\\D";
    slowMachine.SetString(chain, "v", "words");
    for (int i = 0; i < shape.values; ++i) {
      slowMachine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Values", "V" + std::to_string(i),
                            "C:\\Program Files\\Gone\\v" + std::to_string(i) + ".exe");
    }
    slowMachine.clock.SetTickStep(0);  // time passes only with the registry's calls
    SlowRegistry slow(slowMachine.registry, slowMachine.clock);
    platform::Platform slowPlatform{slow, slowMachine.files(), slowMachine.locale,
                                    slowMachine.clock, slowMachine.links};
    model::ScanModel model;
    model::TMyRegistryInfo settings;
    RecordingScanFrontEnd frontEnd;
    std::vector<std::uint32_t> turns;
    frontEnd.onProcessMessages = [&] { turns.push_back(slowMachine.clock.tick()); };
    scan::ScanContext context{slowPlatform, model, settings, frontEnd};
    scan::SectionChoice walkers{};
    walkers[0] = walkers[1] = walkers[2] = true;
    const std::uint32_t start = slowMachine.clock.tick();
    (void)scan::ScanAllSections(context, walkers);
    turns.push_back(slowMachine.clock.tick());

    std::uint32_t longestGap = 0;
    std::uint32_t previous = start;
    for (std::uint32_t turn : turns) {
      longestGap = std::max(longestGap, turn - previous);
      previous = turn;
    }
    EXPECT_LE(longestGap, 50u) << shape.what;
    const std::uint32_t elapsed = slowMachine.clock.tick() - start;
    EXPECT_LT(turns.size(), elapsed / 2) << shape.what << ": a turn per entry is not needed";
  }
}

}  // namespace
}  // namespace halvex::testing
