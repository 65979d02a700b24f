#pragma once
// The machine state that the undo is proved on: problems of every kind that the built scan
// sections find, and repair targets of every kind (a value, the default value, a whole key with
// values of every type and subkeys) for what later sections will repair. Each later section
// adds its problems here. Written through the registry interface, so the same fixture goes
// into the in-memory registry and into the real one under Wine.
#include <cstdint>
#include <string>
#include <string_view>
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

// A class of its own below HKEY_CLASSES_ROOT\CLSID, whose server, help folder and type library
// keys the COM registrations report, and the type library key that one of its references names.
inline constexpr const char* kRoundTripClass =
    "HKEY_CLASSES_ROOT\\CLSID\\{48A1E7C0-5D2B-4F6A-9E3C-7B1D0F2A6C85}";
inline constexpr const char* kRoundTripTypeLib =
    "HKEY_CLASSES_ROOT\\TypeLib\\{48A1E7C0-5D2B-4F6A-9E3C-7B1D0F2A6C86}";
// The keys whose values the software settings report: the user's and the machine's.
inline constexpr const char* kRoundTripUserSoftware =
    "HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTripSoftware";
inline constexpr const char* kRoundTripMachineTests = "HKEY_LOCAL_MACHINE\\SOFTWARE\\HalvexTests";
inline constexpr const char* kRoundTripSystemSoftware =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\HalvexTests\\RoundTrip";
// The key of the users' hive below which the empty keys section finds its fixture's key.
inline constexpr const char* kRoundTripUsersKey = "HKEY_USERS\\HalvexRoundTrip";

// Shared DLLs values that the scan reports, one of each type and form: counts of 0 and counts
// of missing files, a default value, a value of more than 256 bytes, names with quotes,
// backslashes and code page characters.
std::vector<FixtureValue> SharedDllsProblems();

// The broken entries of the value and key sections (fonts, file associations, device filters,
// uninstall entries, help files, application paths, file extensions, empty keys, sounds, start
// menu items, recently used files) and the number of
// problems each section finds in them. Where a section allows it, its entries lie in keys of
// their own (`ownKeys`, removed whole afterwards); the others are values of keys the system has.
// Application paths and file extensions delete whole keys, so theirs hold values of several
// types and subkeys, which only a backup of the whole key brings back; the empty key comes back
// as an empty key.
struct SectionFixture {
  int section;
  std::vector<FixtureValue> values;
  std::size_t problems;
  std::vector<std::string> ownKeys;
  // Keys without values, made after the values (the empty keys section reports them).
  std::vector<std::string> emptyKeys{};
};
std::vector<SectionFixture> ValueSectionFixtures();
// The class's keys that the COM registrations report and delete whole: a server key without a
// default value that holds values of several types and subkeys, one whose default value is an
// integer, an empty help folder key, and a type library reference to no registered library.
std::vector<FixtureValue> ComRegistrationProblems();
// Keys without values: below the server key (which only a whole-key backup brings back), and a
// registered type library (so that the type library key exists on the substitute too).
std::vector<std::string> ComRegistrationKeys();
// Values of both software settings keys that name missing folders and programs: directly, as
// quoted and unquoted command lines, through %SystemRoot%, in the default value, in names and
// texts with quotes and code page characters.
std::vector<FixtureValue> SoftwareSettingsProblems();
// For the walking sections 1 to 3 and 12: the key below which the fixture holds the section's
// problems, and how many it holds there (nullptr and 0 for any other section). They walk whole
// hives, and on the real registry they find what the machine itself holds and the other
// sections' fixtures (the machine's software settings walk the Shared DLLs key): the round trip
// repairs their own fixture problems and nothing else of theirs.
const char* WalkingFixtureKeyOf(int section);
int FixtureProblemCount(int section);
bool IsFixtureProblem(int section, std::string_view keyPath);

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
