#pragma once
// What the contract suites of files, shortcuts, locale and clock run against. Each test binary
// names its bindings, as it does for the registry (registry_binding.h).
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_identity.h"
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/shell_links.h"
#include "platform/shell_operations.h"
#include "platform/task_scheduler.h"

namespace halvex::testing {

// A file system binding with what the tests need beside the interface, done by the binding's
// own means: setting attributes, and removing a folder tree afterwards.
class FilesUnderTest {
 public:
  virtual ~FilesUnderTest() = default;
  virtual platform::FileSystem& files() = 0;
  // The binding's shortcut reader over the same files; nullptr when the binding has none.
  virtual platform::ShellLinks* links() { return nullptr; }
  [[nodiscard]] virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual void RemoveTree(const std::string& path) = 0;
  // The binding's shell and file identities over the same files.
  virtual platform::ShellOperations& shell() = 0;
  virtual platform::FileIdentities& identities() = 0;
};

// A task scheduler binding, with whatever it needs kept alive beside it.
class SchedulerUnderTest {
 public:
  virtual ~SchedulerUnderTest() = default;
  virtual platform::TaskSchedulerService& service() = 0;
};

template <typename Made>
struct Binding {
  std::string name;
  std::function<std::unique_ptr<Made>()> make;

  // Lets GoogleTest show the binding by name in test listings.
  friend void PrintTo(const Binding& binding, std::ostream* out) { *out << binding.name; }
};

using FilesBinding = Binding<FilesUnderTest>;
using LocaleBinding = Binding<platform::Locale>;
using ClockBinding = Binding<platform::Clock>;
using SchedulerBinding = Binding<SchedulerUnderTest>;

// The bindings of this test binary (each binary defines them).
std::vector<FilesBinding> FilesBindings();
std::vector<LocaleBinding> LocaleBindings();
std::vector<ClockBinding> ClockBindings();
std::vector<SchedulerBinding> SchedulerBindings();

// Names a parameterised test after its binding.
struct NamedAfterBinding {
  template <typename Info>
  std::string operator()(const Info& info) const {
    return info.param.name;
  }
};

// Runs a contract suite once per binding of the given list, named after the binding.
#define HALVEX_RUN_ON_BINDINGS(suite, bindings) \
  INSTANTIATE_TEST_SUITE_P(Bindings, suite, ::testing::ValuesIn(bindings()), NamedAfterBinding())

}  // namespace halvex::testing
