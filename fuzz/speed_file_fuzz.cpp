// The speed backup file as Reset reads it: any text restores without an error escaping, leaves
// the file as it is, changes nothing but the values and keys the tweaks and the service boxes
// name, and restoring it a second time changes nothing more.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_machine.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/substitute_profile_files.h"
#include "platform/substitute/substitute_service_manager.h"
#include "tests/tools/registry_listing.h"
#include "tools/system_speed/profile_files.h"
#include "tools/system_speed/registry_values.h"
#include "tools/system_speed/service_settings.h"
#include "tools/system_speed/tweaks.h"

namespace {

using namespace halvex;
using namespace halvex::tools::system_speed;

constexpr const char* kFile = "C:\\speed.ini";

// A registry where every value the tweaks write exists, a key nobody names beside them, and
// every service installed.
void Prepare(platform::Registry& registry) {
  for (const Tweak& tweak : TweakTable()) {
    for (const TweakWrite& write : tweak.apply) {
      platform::ScopedKey key = OpenForWriting(registry, write.root, write.key, KeyUse::Created);
      if (key && write.kind != WriteKind::KeyOnly) {
        (void)WriteText(registry, key.get(), write.name, "before");
      }
    }
  }
  for (const ServiceBox& box : ServiceTable()) {
    platform::ScopedKey key = OpenForWriting(
        registry, RootKey::LocalMachine,
        "SYSTEM\\CurrentControlSet\\Services\\" + std::string(box.service), KeyUse::Created);
    (void)WriteInteger(registry, key.get(), "Start", 3);
    (void)WriteText(registry, key.get(), "ImagePath", "service.exe");
  }
  platform::ScopedKey other =
      OpenForWriting(registry, RootKey::CurrentUser, "Software\\Other", KeyUse::Created);
  (void)WriteText(registry, other.get(), "Keep", "me");
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Whether a listing line is a key or value the restore may change: a key of the tweak table,
// its parents (keys a run created go) and everything below it (an older file's AVI section
// deletes the whole class key), and the services' "Start" values.
bool MayChange(const std::string& line) {
  const std::string key = Upper(line.substr(0, line.find('|')));
  const bool isValue = key.size() != line.size();
  if (isValue && key.find("\\SERVICES\\") != std::string::npos &&
      line.compare(key.size(), 7, "|Start|") == 0) {
    return true;
  }
  for (const Tweak& tweak : TweakTable()) {
    for (const TweakWrite& write : tweak.apply) {
      const std::string written = Upper(FullKeyName(write.root, write.key));
      const bool keyOrParent =
          written.starts_with(key) && (written.size() == key.size() || written[key.size()] == '\\');
      const bool keyOrBelow =
          key.starts_with(written) && (key.size() == written.size() || key[written.size()] == '\\');
      if (keyOrParent || keyOrBelow) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzMachine machine;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (!machine.files().WriteFile(kFile, text)) return 0;

  platform::substitute::MemoryRegistry registry;
  Prepare(registry);
  const std::set<std::string> before = testing::ListRegistry(registry);
  platform::substitute::SubstituteProfileFiles profiles(machine.files());
  const platform::Platform base = machine.With(registry);
  platform::Platform bundle{base.registry, base.files, base.locale,
                            base.clock,    base.links, profiles};
  const ProfileFileOpener open = ProfileFilesOf(bundle);
  platform::substitute::SubstituteServiceManager services(registry);

  std::set<std::string> once;
  for (int time = 1; time <= 2; ++time) {
    StepFailures failures;
    {
      const auto file = open(kFile);
      RestoreTweaks(registry, *file, failures);
      RestoreServices({registry, services}, *file, failures);
    }
    HALVEX_FUZZ_CHECK(machine.files().ReadFile(kFile) == text, "the restore changed the file");
    const std::set<std::string> after = testing::ListRegistry(registry);
    if (time == 1) {
      once = after;
      for (const std::string& line : before) {
        HALVEX_FUZZ_CHECK(after.contains(line) || MayChange(line), "the restore changed " + line);
      }
      for (const std::string& line : after) {
        HALVEX_FUZZ_CHECK(before.contains(line) || MayChange(line), "the restore made " + line);
      }
    } else {
      HALVEX_FUZZ_CHECK(after == once, "a second restore changed the registry again");
    }
  }
  return 0;
}
