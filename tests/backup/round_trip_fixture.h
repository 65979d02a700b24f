#pragma once
// The machine state that the undo is proved on: problems of every kind that the built scan
// sections find, and repair targets of every kind (a value, the default value, a whole key with
// values of every type and subkeys) for what later sections will repair. Each later section
// adds its problems here. Written through the registry interface, so the same fixture goes
// into the in-memory registry and into the real one under Wine.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "scan/repair_target.h"

namespace halvex::testing {

struct FixtureValue {
  std::string keyPath;  // full key path
  std::string name;     // "" for the default value
  std::uint32_t type;
  std::vector<std::uint8_t> data;
};

// The Shared DLLs key, whose scan and repair are built.
inline constexpr const char* kRoundTripSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
// Below it every value names a file in this folder, which does not exist.
inline constexpr const char* kRoundTripMissingFolder = "C:\\halvex-roundtrip\\";
// The key the direct repair targets live in.
inline constexpr const char* kRoundTripScratchKey =
    "HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTrip";

// Shared DLLs values that the scan reports, one of each type and form: counts of 0 and counts
// of missing files, a default value, a value of more than 256 bytes, names with quotes,
// backslashes and code page characters.
std::vector<FixtureValue> SharedDllsProblems();

// The broken entries of the value and key sections (fonts, file associations, device filters,
// uninstall entries, help files, application paths, file extensions) and the number of
// problems each section finds in them. Where a section allows it, its entries lie in keys of
// their own (`ownKeys`, removed whole afterwards); the others are values of keys the system has.
// Application paths and file extensions delete whole keys, so theirs hold values of several
// types and subkeys, which only a backup of the whole key brings back.
struct SectionFixture {
  int section;
  std::vector<FixtureValue> values;
  std::size_t problems;
  std::vector<std::string> ownKeys;
};
std::vector<SectionFixture> ValueSectionFixtures();

// Values below kRoundTripScratchKey: a tree of keys with values of every type and empty
// subkeys, and a key with a default and a named value.
std::vector<FixtureValue> ScratchValues();
// The repair targets of every kind over ScratchValues(): the whole tree, the default value,
// a named value, and a value that does not exist.
std::vector<scan::RepairTarget> ScratchTargets();
// The empty keys of the tree, which only a whole-key export brings back.
std::vector<std::string> ScratchEmptyKeys();

// Sets the values, making their keys; false with the failing value named in `failure`.
[[nodiscard]] bool WriteFixture(platform::Registry& registry,
                                const std::vector<FixtureValue>& values, std::string& failure);
[[nodiscard]] bool MakeKeys(platform::Registry& registry, const std::vector<std::string>& keys,
                            std::string& failure);

}  // namespace halvex::testing
