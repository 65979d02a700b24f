// Under Windows (or Wine) the contract suites run against the real system, and against the
// substitute, so that both are held to the same contract in the same run.
#include <filesystem>

#include "platform/substitute/code_page.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/substitute_locale.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_identities.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_shell_operations.h"
#include "platform/win32/win32_task_scheduler.h"
#include "tests/platform/platform_bindings.h"
#include "tests/platform/registry_binding.h"
#include "tests/platform/substitute_files.h"

namespace halvex::testing {
namespace {

class Win32Files final : public FilesUnderTest {
 public:
  platform::FileSystem& files() override { return files_; }
  platform::ShellLinks* links() override { return &links_; }
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
    return files_.SetAttributes(path, attributes);
  }
  platform::ShellOperations& shell() override { return shell_; }
  platform::FileIdentities& identities() override { return identities_; }
  void RemoveTree(const std::string& path) override {
    // The scratch names are in the system code page (1252 under Wine).
    std::error_code error;
    std::filesystem::remove_all(
        std::filesystem::path(platform::substitute::CodePage::Windows1252().ToUtf16(path)), error);
  }

 private:
  platform::win32::Win32FileSystem files_;
  platform::win32::Win32ShellLinks links_;
  platform::win32::Win32ShellOperations shell_;
  platform::win32::Win32FileIdentities identities_;
};

class Win32Scheduler final : public SchedulerUnderTest {
 public:
  platform::TaskSchedulerService& service() override { return service_; }

 private:
  platform::win32::Win32TaskSchedulerService service_;
};

}  // namespace

std::vector<RegistryBinding> RegistryBindings() {
  return {
      {"Win32", [] { return MakeScratch(std::make_unique<platform::win32::Win32Registry>()); }},
      {"Substitute",
       [] { return MakeScratch(std::make_unique<platform::substitute::MemoryRegistry>()); }},
  };
}

std::vector<FilesBinding> FilesBindings() {
  return {{"Win32", [] { return std::make_unique<Win32Files>(); }},
          {"Substitute", MakeSubstituteFiles}};
}

std::vector<LocaleBinding> LocaleBindings() {
  return {
      {"Win32", [] { return std::make_unique<platform::win32::Win32Locale>(); }},
      {"Substitute", [] { return std::make_unique<platform::substitute::SubstituteLocale>(); }}};
}

std::vector<ClockBinding> ClockBindings() {
  return {{"Win32", [] { return std::make_unique<platform::win32::Win32Clock>(); }},
          {"Substitute", [] { return std::make_unique<platform::substitute::FixedClock>(); }}};
}

std::vector<SchedulerBinding> SchedulerBindings() {
  return {{"Win32", [] { return std::make_unique<Win32Scheduler>(); }},
          {"Substitute", MakeSubstituteScheduler}};
}

}  // namespace halvex::testing
