// Start-up: the single instance, the elevation restart and the order of the start steps,
// against the substitute registry and recording services.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/startup/elevation.h"
#include "app/startup/single_instance.h"
#include "app/startup/startup.h"
#include "model/registry_object.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/recording_window_messages.h"
#include "tests/app/main_form_fixture.h"

namespace halvex::testing {
namespace {

using platform::RootKey;
using platform::substitute::MemoryRegistry;

constexpr const char* kPolicyKey = "Software\\microsoft\\Windows\\CurrentVersion\\Policies\\System";

// A value that a case leaves out, sets as text, or sets as an integer.
struct Value {
  enum Kind { Missing, Text, Number } kind = Missing;
  std::string text;
  std::uint32_t number = 0;
  static Value None() { return {}; }
  static Value Str(std::string text) { return {Text, std::move(text), 0}; }
  static Value Int(std::uint32_t number) { return {Number, {}, number}; }
};

void Put(platform::Registry& registry, RootKey root, const char* path, const char* name,
         const Value& value) {
  if (value.kind == Value::Missing) return;
  model::RegistryObject key(registry);
  key.SetRootKey(root);
  ASSERT_TRUE(key.OpenKey(path, true));
  if (value.kind == Value::Text) {
    ASSERT_TRUE(key.WriteString(name, value.text));
    return;
  }
  platform::KeyHandle opened;
  ASSERT_EQ(registry.CreateKey(platform::RootHandle(root), path, opened), platform::RegStatus::Ok);
  const std::uint8_t bytes[4] = {
      static_cast<std::uint8_t>(value.number), static_cast<std::uint8_t>(value.number >> 8),
      static_cast<std::uint8_t>(value.number >> 16), static_cast<std::uint8_t>(value.number >> 24)};
  ASSERT_EQ(registry.SetValue(opened, name, platform::reg_type::kDword, bytes),
            platform::RegStatus::Ok);
  registry.CloseKey(opened);
}

// The text of the value, or nullopt when it does not exist.
std::optional<std::string> Read(platform::Registry& registry, RootKey root, const char* path,
                                const char* name) {
  model::RegistryObject key(registry);
  key.SetRootKey(root);
  if (!key.OpenKey(path, false) || !key.ValueExists(name)) return std::nullopt;
  return key.ReadString(name);
}

TEST(SingleInstance, ASecondStartAsksTheRunningCopyToRestoreAndEnds) {
  platform::substitute::RecordingWindowMessages windows;
  platform::substitute::ScriptedPump pump;
  const platform::WindowHandle running = windows.AddWindow("THalvexMainForm");
  EXPECT_EQ(app::HandOverToRunningCopy(windows, pump), app::InstanceOutcome::HandedOver);
  ASSERT_EQ(windows.posted().size(), 1u);
  EXPECT_EQ(windows.posted()[0], (platform::substitute::PostedMessage{running, 0x2400, 0, 0}));
  EXPECT_TRUE(windows.claims().empty()) << "a copy that hands over claims nothing";
}

TEST(SingleInstance, TheFirstCopyClaimsTheInstanceAndGoesOn) {
  platform::substitute::RecordingWindowMessages windows;
  platform::substitute::ScriptedPump pump;
  windows.AddWindow("TApplication");  // windows of other classes do not count
  EXPECT_EQ(app::HandOverToRunningCopy(windows, pump), app::InstanceOutcome::FirstCopy);
  EXPECT_EQ(windows.claims().size(), 1u);
  EXPECT_TRUE(windows.posted().empty());
  EXPECT_EQ(pump.sleptMilliseconds(), 0u);
}

TEST(SingleInstance, ASecondStartWhileTheFirstIsStartingWaitsForItsWindow) {
  platform::substitute::RecordingWindowMessages windows;
  platform::substitute::ScriptedPump pump;
  windows.HoldInstanceElsewhere(-1);
  // The starting copy shows its main window during the fifth wait.
  pump.AtPass(5, [&] { windows.AddWindow("THalvexMainForm"); });
  EXPECT_EQ(app::HandOverToRunningCopy(windows, pump), app::InstanceOutcome::HandedOver);
  EXPECT_EQ(windows.posted().size(), 1u);
  EXPECT_EQ(pump.passes(), 5u);
}

TEST(SingleInstance, TheClaimOfACopyThatEndedWhileStartingPassesOn) {
  platform::substitute::RecordingWindowMessages windows;
  platform::substitute::ScriptedPump pump;
  // The unelevated copy holds the claim until it has restarted elevated and ended.
  windows.HoldInstanceElsewhere(3);
  EXPECT_EQ(app::HandOverToRunningCopy(windows, pump), app::InstanceOutcome::FirstCopy);
  EXPECT_EQ(windows.claims().size(), 4u);
  EXPECT_TRUE(windows.posted().empty());
}

TEST(SingleInstance, ACopyThatNeverShowsAWindowIsLeftAloneAndTheSecondEnds) {
  platform::substitute::RecordingWindowMessages windows;
  platform::substitute::ScriptedPump pump;
  windows.HoldInstanceElsewhere(-1);
  EXPECT_EQ(app::HandOverToRunningCopy(windows, pump), app::InstanceOutcome::HandedOver);
  EXPECT_GE(pump.sleptMilliseconds(), app::kStartingCopyWait);
  EXPECT_LE(pump.sleptMilliseconds(), app::kStartingCopyWait + 1000);
  EXPECT_TRUE(windows.posted().empty());
}

struct ElevationCase {
  const char* title;
  std::uint32_t major;
  Value setup;
  Value enableLua;
  Value vista;
  bool startFails;
  app::ElevationOutcome outcome;
  bool restarts;  // a "runas" start was asked for
  std::optional<std::string> vistaAfter;
  bool setupGone;
};

class ElevationTable : public ::testing::TestWithParam<ElevationCase> {};

TEST_P(ElevationTable, DecidesTheRestartFromTheVersionTheMarksAndUserAccountControl) {
  const ElevationCase& c = GetParam();
  MemoryRegistry registry;
  Put(registry, RootKey::CurrentUser, "SOFTWARE\\Halvex", "setup", c.setup);
  Put(registry, RootKey::LocalMachine, kPolicyKey, "EnableLUA", c.enableLua);
  Put(registry, RootKey::CurrentUser, "Software\\Hal Vex", "vista", c.vista);
  platform::substitute::FixedSystemInfo system;
  system.version.major = c.major;
  platform::substitute::RecordingProcessStarter processes;
  processes.FailStarts(c.startFails);

  EXPECT_EQ(app::RunElevationStep(registry, system, processes, "-Scan"), c.outcome);

  if (c.restarts) {
    ASSERT_EQ(processes.started().size(), 1u);
    EXPECT_EQ(processes.started()[0],
              (platform::ProcessStart{
                  .file = system.executablePath, .parameters = "-Scan", .verb = "runas"}));
  } else {
    EXPECT_TRUE(processes.started().empty());
  }
  EXPECT_EQ(Read(registry, RootKey::CurrentUser, "Software\\Hal Vex", "vista"), c.vistaAfter);
  const bool setupThere =
      Read(registry, RootKey::CurrentUser, "SOFTWARE\\Halvex", "setup").has_value();
  EXPECT_EQ(setupThere, c.setup.kind != Value::Missing && !c.setupGone);
}

using app::ElevationOutcome;

INSTANTIATE_TEST_SUITE_P(
    Cases, ElevationTable,
    ::testing::Values(
        ElevationCase{"OlderSystemTouchesNothing", 5, Value::Str("1"), Value::Int(1), Value::None(),
                      false, ElevationOutcome::NotNeeded, false, std::nullopt, false},
        ElevationCase{"FirstStartRestartsElevated", 6, Value::None(), Value::Int(1), Value::None(),
                      false, ElevationOutcome::RestartedElevated, true, "1", false},
        ElevationCase{"RestartedCopyClearsTheMark", 6, Value::None(), Value::Int(1),
                      Value::Str("1"), false, ElevationOutcome::ElevatedCopy, false, "", false},
        ElevationCase{"SetupMarkSkipsOnceAndIsDeleted", 6, Value::Str("1"), Value::Int(1),
                      Value::None(), false, ElevationOutcome::NotNeeded, false, std::nullopt, true},
        ElevationCase{"SetupOtherThanOneIsDeletedAndRestarts", 10, Value::Str("yes"), Value::Int(1),
                      Value::None(), false, ElevationOutcome::RestartedElevated, true, "1", true},
        ElevationCase{"NoUserAccountControl", 6, Value::None(), Value::Int(0), Value::None(), false,
                      ElevationOutcome::NotNeeded, false, std::nullopt, false},
        ElevationCase{"MissingEnableLuaCountsAsOff", 6, Value::None(), Value::None(), Value::None(),
                      false, ElevationOutcome::NotNeeded, false, std::nullopt, false},
        ElevationCase{"TextEnableLuaCountsAsOff", 6, Value::None(), Value::Str("1"), Value::None(),
                      false, ElevationOutcome::NotNeeded, false, std::nullopt, false},
        ElevationCase{"RefusedRestartCarriesOnAndClearsTheMark", 6, Value::None(), Value::Int(1),
                      Value::Str(""), true, ElevationOutcome::RestartRefused, true, "", false}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(Elevation, ARefusedRestartLeavesTheNextStartToAskAgain) {
  MemoryRegistry registry;
  Put(registry, RootKey::LocalMachine, kPolicyKey, "EnableLUA", Value::Int(1));
  platform::substitute::FixedSystemInfo system;
  platform::substitute::RecordingProcessStarter processes;
  processes.FailStarts(true);
  ASSERT_EQ(app::RunElevationStep(registry, system, processes, ""),
            app::ElevationOutcome::RestartRefused);

  processes.FailStarts(false);
  EXPECT_EQ(app::RunElevationStep(registry, system, processes, ""),
            app::ElevationOutcome::RestartedElevated)
      << "the refused start must not pass for the elevated copy next time";
}

TEST(Elevation, AKeyThatCannotHoldTheMarkMeansNoRestart) {
  MemoryRegistry registry;
  Put(registry, RootKey::LocalMachine, kPolicyKey, "EnableLUA", Value::Int(1));
  registry.InjectFaults(RootKey::CurrentUser, "Software\\Hal Vex", {.readOnly = true});
  platform::substitute::FixedSystemInfo system;
  platform::substitute::RecordingProcessStarter processes;
  EXPECT_EQ(app::RunElevationStep(registry, system, processes, ""),
            app::ElevationOutcome::NotNeeded)
      << "without the mark the restarted copy would restart again, for ever";
  EXPECT_TRUE(processes.started().empty());
}

struct QuoteCase {
  const char* argument;
  const char* commandLine;
};

class ArgumentQuoting : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(ArgumentQuoting, ParsesBackIntoTheSameOneArgument) {
  EXPECT_EQ(app::QuoteArgument(GetParam().argument), GetParam().commandLine);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArgumentQuoting,
                         ::testing::Values(QuoteCase{"", ""}, QuoteCase{"-Scan", "-Scan"},
                                           QuoteCase{"a b", "\"a b\""},
                                           QuoteCase{"C:\\dir x\\", "\"C:\\dir x\\\\\""},
                                           QuoteCase{"say \"hi\"", "\"say \\\"hi\\\"\""}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// The whole start, with every service recorded.
class StartProgramTest : public ::testing::Test, protected SubstituteProgram {
 protected:
  StartProgramTest() : SubstituteProgram({}, {}) {}

  std::optional<app::RunningProgram> Start(const std::string& argument = {}) {
    return app::StartProgram(programServices, argument,
                             {.loadSettings =
                                  [this] {
                                    ++settingsLoads;
                                    return settings;
                                  },
                              .checkForUpdate =
                                  [this] {
                                    ++updateChecks;
                                    if (updateEnds) windows.Terminate();
                                  }});
  }

  MemoryRegistry& registry = machine.registry;
  model::TMyRegistryInfo settings;
  int settingsLoads = 0;
  int updateChecks = 0;
  bool updateEnds = false;
};

TEST_F(StartProgramTest, WithTheUpdateCheckOffTheSplashStaysThreeSecondsBeforeTheMainWindow) {
  auto program = Start();
  ASSERT_TRUE(program.has_value());
  EXPECT_EQ(windows.title(), "Halvex");
  EXPECT_EQ(settingsLoads, 1);
  EXPECT_EQ(updateChecks, 0);
  EXPECT_EQ(pump.sleptMilliseconds(), 3000u);
  EXPECT_EQ(windows.shown(), (std::vector<std::string>{"StartForm", "HalvexMainForm"}));
  EXPECT_EQ(windows.repainted(), (std::vector<std::string>{"StartForm"}));
  EXPECT_EQ(program->dm->platformClass(), platform::PlatformClass::NtFamily);
  EXPECT_TRUE(program->mainForm->visible());
  EXPECT_EQ(windows.mainForm(), "HalvexMainForm");
}

TEST_F(StartProgramTest, WithTheUpdateCheckOnTheCheckTakesThePlaceOfThePause) {
  settings.CheckUpdate = true;
  auto program = Start();
  ASSERT_TRUE(program.has_value());
  EXPECT_EQ(updateChecks, 1);
  EXPECT_EQ(pump.sleptMilliseconds(), 0u);
}

TEST_F(StartProgramTest, AnUpdateCheckThatEndsTheProgramShowsNoMainWindow) {
  settings.CheckUpdate = true;
  updateEnds = true;
  EXPECT_FALSE(Start().has_value());
  EXPECT_EQ(windows.shown(), (std::vector<std::string>{"StartForm"}));
}

TEST_F(StartProgramTest, ASecondCopyEndsBeforeItLoadsAnything) {
  windowMessages.AddWindow("THalvexMainForm");
  EXPECT_FALSE(Start("-Scan").has_value());
  EXPECT_EQ(settingsLoads, 0);
  EXPECT_TRUE(windows.shown().empty());
  EXPECT_EQ(windowMessages.posted().size(), 1u);
}

TEST_F(StartProgramTest, OnASystemWithUserAccountControlTheScheduledScanRestartsWithItsArgument) {
  Put(registry, RootKey::LocalMachine, kPolicyKey, "EnableLUA", Value::Int(1));
  EXPECT_FALSE(Start("-Scan").has_value()) << "this copy ends; the elevated one takes over";
  ASSERT_EQ(processes.started().size(), 1u);
  EXPECT_EQ(processes.started()[0].verb, "runas");
  EXPECT_EQ(processes.started()[0].parameters, "-Scan");
  EXPECT_EQ(windows.shown(), (std::vector<std::string>{"StartForm"}));
}

TEST_F(StartProgramTest, ARefusedElevationStillGivesTheUserTheProgram) {
  Put(registry, RootKey::LocalMachine, kPolicyKey, "EnableLUA", Value::Int(1));
  processes.FailStarts(true);
  auto program = Start();
  ASSERT_TRUE(program.has_value());
  EXPECT_TRUE(program->mainForm->visible());
}

}  // namespace
}  // namespace halvex::testing
