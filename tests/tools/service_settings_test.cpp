// The service boxes: their presets, how they reach the services, and their restore.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/substitute/memory_registry.h"
#include "platform/substitute/substitute_service_manager.h"
#include "tests/tools/memory_profile_file.h"
#include "tools/system_speed/registry_values.h"
#include "tools/system_speed/service_settings.h"

namespace halvex::tools::system_speed {
namespace {

using platform::ServiceStartType;
using platform::substitute::MemoryRegistry;
using platform::substitute::ServiceCall;
using platform::substitute::ServiceOperation;
using platform::substitute::SubstituteServiceManager;
using testing::MemoryProfileFile;

// A machine on which every service of the table is installed with the given start type.
struct ServiceMachine {
  explicit ServiceMachine(std::uint32_t startType = 3) {
    for (const ServiceBox& box : ServiceTable()) Install(box.service, startType);
  }
  void Install(std::string_view service, std::uint32_t startType) {
    platform::ScopedKey key = OpenForWriting(
        registry, RootKey::LocalMachine,
        "SYSTEM\\CurrentControlSet\\Services\\" + std::string(service), KeyUse::Created);
    ASSERT_TRUE(key && WriteInteger(registry, key.get(), "Start", startType));
  }
  std::optional<std::uint32_t> StartOf(std::string_view service) {
    const auto value =
        ReadValue(registry, RootKey::LocalMachine,
                  "SYSTEM\\CurrentControlSet\\Services\\" + std::string(service), "Start");
    return value ? IntegerOf(*value) : std::nullopt;
  }
  ServiceAccess access() { return {registry, services}; }

  MemoryRegistry registry;
  SubstituteServiceManager services{registry};
};

ServiceBoxes Preset(int model, ServiceBoxes boxes = {}) {
  PresetServices(model, boxes);
  return boxes;
}

TEST(ServicePresets, FollowTheModels) {
  struct Case {
    int model;
    std::set<int> unticked;
  };
  const Case cases[] = {
      {0, {}},
      {1, {3, 11, 12, 13, 14, 15, 17, 18, 19, 20}},
      {2, {3, 11, 12, 13, 14, 15, 17, 18, 19, 20, 22}},
      {3, {8, 11, 12, 13, 14, 15, 17, 18, 19, 21, 22}},
      {4, {1, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20, 21, 22}},
      {5, {4, 5, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22}},
  };
  for (const Case& c : cases) {
    const ServiceBoxes boxes = Preset(c.model);
    for (int box = 1; box <= kServiceBoxCount; ++box) {
      EXPECT_EQ(boxes[static_cast<std::size_t>(box - 1)], !c.unticked.contains(box))
          << "model " << c.model << ", chk" << box;
    }
  }
  ServiceBoxes chosen{};
  chosen[6] = true;
  EXPECT_EQ(Preset(6, chosen), chosen) << "Customization leaves the boxes as they are";
}

TEST(ServiceSettings, BoxFiveDecidesTheServiceItSharesWithBoxTwo) {
  struct Case {
    bool box2, box5, automatic;
  };
  for (const Case c : {Case{true, false, false}, Case{false, true, true}}) {
    ServiceMachine machine;
    ServiceBoxes boxes{};
    boxes[1] = c.box2;
    boxes[4] = c.box5;
    StepFailures failures;
    ApplyServiceSettings(machine.access(), boxes, failures);
    EXPECT_EQ(machine.StartOf("WZCSVC"), c.automatic ? 2u : 4u);
    EXPECT_EQ(machine.services.IsRunning("WZCSVC"), c.automatic);
  }
}

TEST(ServiceSettings, AllTickedMakesEveryServiceAutomaticAndStartsIt) {
  ServiceMachine machine;
  StepFailures failures;
  ApplyServiceSettings(machine.access(), Preset(0), failures);
  EXPECT_TRUE(failures.empty()) << failures.lines.front();
  std::set<std::string_view> services;
  for (const ServiceBox& box : ServiceTable()) {
    services.insert(box.service);
    EXPECT_EQ(machine.StartOf(box.service), 2u) << box.service;
    EXPECT_TRUE(machine.services.IsRunning(box.service)) << box.service;
  }
  EXPECT_EQ(services.size(), 21u);
}

TEST(ServiceSettings, ARefusedConfigCallFallsBackToTheRegistry) {
  ServiceMachine machine;
  machine.services.Refuse(ServiceOperation::SetStartType, "Spooler",
                          platform::service_error::kAccessDenied);
  StepFailures failures;
  DisableService(machine.access(), "Spooler", failures);
  EXPECT_EQ(machine.StartOf("Spooler"), 4u);
  EXPECT_TRUE(failures.empty());
}

TEST(ServiceSettings, AMissingServiceIsLeftAloneAndIsNoFailure) {
  MemoryRegistry registry;
  SubstituteServiceManager services(registry);
  StepFailures failures;
  EnableService({registry, services}, "Irmon", failures);
  EXPECT_TRUE(failures.empty());
  EXPECT_FALSE(
      KeyExists(registry, RootKey::LocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Irmon"));
}

TEST(ServiceSettings, ARefusedStartIsAFailedStepNamingTheService) {
  ServiceMachine machine;
  machine.services.Refuse(ServiceOperation::Start, "Themes",
                          platform::service_error::kAccessDenied);
  StepFailures failures;
  EnableService(machine.access(), "Themes", failures);
  ASSERT_EQ(failures.lines.size(), 1u);
  EXPECT_NE(failures.lines[0].find("Themes"), std::string::npos) << failures.lines[0];
}

TEST(ServiceRestore, SetsEachSavedStartTypeBack) {
  ServiceMachine machine(3);
  machine.Install("Eventlog", 2);
  machine.Install("Messenger", 4);
  MemoryProfileFile file;
  StepFailures failures;
  SaveServiceStartTypes(machine.registry, file, failures);
  ApplyServiceSettings(machine.access(), Preset(4), failures);
  EXPECT_EQ(machine.StartOf("Eventlog"), 4u);

  RestoreServices(machine.access(), file, failures);
  EXPECT_TRUE(failures.empty()) << failures.lines.front();
  EXPECT_EQ(machine.StartOf("Eventlog"), 2u);
  EXPECT_TRUE(machine.services.IsRunning("Eventlog"));
  EXPECT_EQ(machine.StartOf("Messenger"), 4u);
  EXPECT_FALSE(machine.services.IsRunning("Messenger"));
  EXPECT_EQ(machine.StartOf("Spooler"), 3u);
}

TEST(ServiceRestore, AFileWithoutTheSectionMakesEveryServiceAutomatic) {
  ServiceMachine machine(4);
  MemoryProfileFile file;
  ASSERT_TRUE(file.Write("Best Vision Effect", "F1", "0"));
  StepFailures failures;
  RestoreServices(machine.access(), file, failures);
  for (const ServiceBox& box : ServiceTable()) EXPECT_EQ(machine.StartOf(box.service), 2u);
}

TEST(ServiceRestore, AnUnreadableStartTypeIsAFailedStepAndChangesNothing) {
  ServiceMachine machine(3);
  MemoryProfileFile file;
  ASSERT_TRUE(file.Write(kServiceSection, "Spooler", "boot"));
  StepFailures failures;
  RestoreServices(machine.access(), file, failures);
  EXPECT_EQ(machine.StartOf("Spooler"), 3u);
  EXPECT_EQ(failures.lines.size(), 1u);
}

}  // namespace
}  // namespace halvex::tools::system_speed
