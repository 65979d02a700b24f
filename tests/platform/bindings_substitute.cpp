// The contract suites of this binary run against the substitute platform.
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/substitute_locale.h"
#include "tests/platform/platform_bindings.h"
#include "tests/platform/registry_binding.h"
#include "tests/platform/substitute_files.h"

namespace halvex::testing {

std::vector<RegistryBinding> RegistryBindings() {
  return {{"Substitute",
           [] { return MakeScratch(std::make_unique<platform::substitute::MemoryRegistry>()); }}};
}

std::vector<FilesBinding> FilesBindings() {
  return {{"Substitute", MakeSubstituteFiles}};
}

std::vector<LocaleBinding> LocaleBindings() {
  return {
      {"Substitute", [] { return std::make_unique<platform::substitute::SubstituteLocale>(); }}};
}

std::vector<ClockBinding> ClockBindings() {
  return {{"Substitute", [] { return std::make_unique<platform::substitute::FixedClock>(); }}};
}

std::vector<SchedulerBinding> SchedulerBindings() {
  return {{"Substitute", MakeSubstituteScheduler}};
}

std::vector<ProfilesBinding> ProfilesBindings() {
  return {{"Substitute", MakeSubstituteProfiles}};
}

}  // namespace halvex::testing
