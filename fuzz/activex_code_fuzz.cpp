// "Code", the ActiveX blocker's downloaded list. Every control it yields names exactly one
// class identifier, so its compatibility key is one key below "ActiveX Compatibility" and
// never that key itself; the list the controls make, written back a line each, reads back the
// same; and unlocking the whole list leaves a key of another name, and the values of the
// "ActiveX Compatibility" key itself, untouched.
//
// The input is the file as it lies.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_machine.h"
#include "fuzz/support/input_parts.h"
#include "platform/substitute/memory_registry.h"
#include "tools/activex_blocker/blocked_controls.h"
#include "tools/activex_blocker/kill_flag.h"

namespace {

using namespace halvex;
using tools::activex::BlockedControl;

const platform::KeyHandle kMachine = platform::RootHandle(platform::RootKey::LocalMachine);
constexpr std::uint8_t kFlag[] = {0x00, 0x04, 0x00, 0x00};

bool SetFlag(platform::Registry& registry, const std::string& path) {
  platform::KeyHandle key;
  if (registry.CreateKey(kMachine, path, key) != platform::RegStatus::Ok) return false;
  const bool set = registry.SetValue(key, tools::activex::kCompatibilityFlags,
                                     platform::reg_type::kDword, kFlag) == platform::RegStatus::Ok;
  registry.CloseKey(key);
  return set;
}

bool HasFlag(platform::Registry& registry, const std::string& path) {
  platform::KeyHandle key;
  if (registry.OpenKey(kMachine, path, platform::KeyAccess::Read, key) != platform::RegStatus::Ok) {
    return false;
  }
  platform::RegValue value;
  const bool has = registry.QueryValue(key, tools::activex::kCompatibilityFlags, 4, value) ==
                   platform::RegStatus::Ok;
  registry.CloseKey(key);
  return has;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzMachine machine;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<BlockedControl> controls = tools::activex::ParseBlockList(text);

  std::string written;
  for (const BlockedControl& control : controls) {
    HALVEX_FUZZ_CHECK(tools::activex::IsClassIdentifier(control.classId),
                      "a control without one whole class identifier");
    HALVEX_FUZZ_CHECK(control.name.find('{') == std::string::npos, "a name holds a brace");
    written += control.name + control.classId + "\r\n";
  }
  HALVEX_FUZZ_CHECK(tools::activex::ParseBlockList(written) == controls,
                    "the controls written back read differently");

  // The whole list unlocked on a registry that also holds the key of another name and a flag
  // on the compatibility key itself.
  platform::substitute::MemoryRegistry registry;
  const std::string compatibility(tools::activex::kCompatibilityKey);
  const std::string parent = compatibility.substr(0, compatibility.size() - 1);
  const std::string other = compatibility + "NotAnIdentifier";
  HALVEX_FUZZ_CHECK(SetFlag(registry, parent) && SetFlag(registry, other),
                    "cannot set up the registry");
  const std::string path = tools::activex::BlockListPath(machine.files());
  HALVEX_FUZZ_CHECK(machine.files().WriteFile(path, text), "cannot write Code");
  platform::Platform platform = machine.With(registry);
  std::vector<tools::activex::ControlRow> rows = tools::activex::ListBlockedControls(platform);
  HALVEX_FUZZ_CHECK(rows.size() == (text.empty() ? 0 : controls.size()),
                    "the rows are not the list's controls");
  tools::activex::UnlockAllControls(registry, rows, {});
  HALVEX_FUZZ_CHECK(HasFlag(registry, parent), "unlocking touched the compatibility key itself");
  HALVEX_FUZZ_CHECK(HasFlag(registry, other), "unlocking touched a key not on the list");
  return 0;
}
