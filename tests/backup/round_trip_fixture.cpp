#include "tests/backup/round_trip_fixture.h"

#include <cctype>

#include "model/key_naming.h"

namespace halvex::testing {
namespace {

namespace reg_type = platform::reg_type;

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

// The text with its NUL, as the ANSI calls store a string.
std::vector<std::uint8_t> Text(std::string_view text) {
  std::vector<std::uint8_t> bytes = Bytes(text);
  bytes.push_back(0);
  return bytes;
}

std::string Missing(std::string_view name) {
  return std::string(kRoundTripMissingFolder) + std::string(name);
}

std::string Scratch(std::string_view below) {
  return std::string(kRoundTripScratchKey) + (below.empty() ? "" : "\\" + std::string(below));
}

bool OpenCreated(platform::Registry& registry, std::string_view keyPath, platform::KeyHandle& key) {
  const model::SplitKeyPath split = model::SplitFullKeyPath(keyPath);
  return split.root != platform::RootKey::None &&
         registry.CreateKey(platform::RootHandle(split.root),
                            std::string_view(split.absolutePath).substr(1),
                            key) == platform::RegStatus::Ok;
}

}  // namespace

std::vector<FixtureValue> SharedDllsProblems() {
  const std::string key = kRoundTripSharedDlls;
  std::vector<std::uint8_t> longText(300, 'y');
  longText.push_back(0);
  std::vector<std::uint8_t> longBinary(600);
  for (std::size_t i = 0; i < longBinary.size(); ++i) longBinary[i] = static_cast<std::uint8_t>(i);
  return {
      {key, Missing("count.dll"), reg_type::kDword, {1, 0, 0, 0}},
      {key, Missing("zero.dll"), reg_type::kDword, {0, 0, 0, 0}},
      {key, Missing("text.dll"), reg_type::kString, Text("abc")},
      {key, Missing("long text.dll"), reg_type::kString, longText},
      {key, Missing("line.dll"), reg_type::kString, Text("1\r\n2")},
      {key, Missing("expand.dll"), reg_type::kExpandString,
       Text("%SystemRoot%\\system32\\M\xFCller \x80.dll")},
      {key, Missing("binary.dll"), reg_type::kBinary, {0x0A, 0, 0, 0}},
      {key, Missing("empty binary.dll"), reg_type::kBinary, {}},
      {key, Missing("long binary.dll"), reg_type::kBinary, longBinary},
      {key, Missing("multi.dll"), reg_type::kMultiString, Bytes({"a\0b c\0\0", 7})},
      {key, Missing("quad.dll"), reg_type::kQword, {1, 2, 3, 4, 5, 6, 7, 8}},
      {key, Missing("none.dll"), reg_type::kNone, {1, 2, 3}},
      {key, Missing("say \"hi\" \\ there.dll"), reg_type::kDword, {2, 0, 0, 0}},
      {key, Missing("caf\xE9 \x80 \x9C.dll"), reg_type::kString, Text("0")},
      {key, "", reg_type::kString, Text(Missing("default.dll"))},
  };
}

std::vector<FixtureValue> ComRegistrationProblems() {
  const std::string server = std::string(kRoundTripClass) + "\\InprocServer32";
  return {
      {kRoundTripClass, "", reg_type::kString, Text("Halvex round trip")},
      {server, "ThreadingModel", reg_type::kString, Text("Both")},
      {server, "Blob", reg_type::kBinary, {1, 2, 3}},
      {server + "\\Sub", "Inner", reg_type::kDword, {7, 0, 0, 0}},
      {server + "\\Sub", "", reg_type::kExpandString, Text("inner \xE9 %SystemRoot%")},
      {std::string(kRoundTripClass) + "\\LocalServer32", "", reg_type::kDword, {1, 0, 0, 0}},
      {std::string(kRoundTripClass) + "\\HELPDIR", "", reg_type::kString, Text("")},
      {std::string(kRoundTripClass) + "\\TypeLib", "", reg_type::kString,
       Text("{48A1E7C0-5D2B-4F6A-9E3C-000000000000}")},
  };
}

std::vector<std::string> ComRegistrationKeys() {
  return {std::string(kRoundTripClass) + "\\InprocServer32\\Sub\\Empty",
          std::string(kRoundTripTypeLib) + "\\1.0"};
}

std::vector<FixtureValue> SoftwareSettingsProblems() {
  std::vector<FixtureValue> values;
  for (const char* key : {kRoundTripUserSoftware, kRoundTripSystemSoftware}) {
    values.insert(values.end(),
                  {
                      {key, "", reg_type::kString, Text("\"" + Missing("default.exe") + "\" -x")},
                      // A folder name with no dot, dash or other sign a name text may not hold.
                      {key, "Folder", reg_type::kString, Text("C:\\HalvexRoundTrip\\Gone Folder")},
                      {key, "Run", reg_type::kString, Text(Missing("gone.exe") + " /run")},
                      {key, "Icon", reg_type::kExpandString,
                       Text("%SystemRoot%\\halvex-roundtrip-gone.dll,1")},
                      {key, "Say \"hi\" \\ there", reg_type::kString,
                       Text("\"" + Missing("caf\xE9 \x80.exe") + "\"")},
                      {key, "Count", reg_type::kDword, {3, 0, 0, 0}},
                      {key, "Words", reg_type::kString, Text("not a path")},
                  });
  }
  return values;
}

const char* WalkingFixtureKeyOf(int section) {
  switch (section) {
    case 1:
      return kRoundTripClass;
    case 2:
      return kRoundTripUserSoftware;
    case 3:
      return kRoundTripSystemSoftware;
    case 12:
      return kRoundTripUsersKey;
    default:
      return nullptr;
  }
}

int FixtureProblemCount(int section) {
  switch (section) {
    case 1:
      return 4;  // the server key, the integer default, the help folder, the type library
    case 2:
    case 3:
      return 5;  // the default value, Folder, Run, Icon, the quoted name
    case 12:
      return 1;  // the empty key
    default:
      return 0;
  }
}

bool IsFixtureProblem(int section, std::string_view keyPath) {
  const char* key = WalkingFixtureKeyOf(section);
  if (key == nullptr) return false;
  // Key names compare without regard to case: the real registry spells HKEY_LOCAL_MACHINE's
  // "SOFTWARE" as "Software", and the walk names keys as the registry spells them.
  auto upper = [](std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
  };
  const std::string below = upper(key);
  const std::string path = upper(keyPath);
  return path == below || (path.starts_with(below) && path.substr(below.size()).starts_with('\\'));
}

std::vector<SectionFixture> ValueSectionFixtures() {
  const std::string fonts =
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
  const std::string association = "HKEY_CLASSES_ROOT\\.halvexroundtrip6";
  const std::string cdRomClass =
      "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
      "{4D36E965-E325-11CE-BFC1-08002BE10318}";
  const std::string uninstall =
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
      "HalvexRoundTrip";
  const std::string help = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\Help";
  const std::string appPath =
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\"
      "halvex-roundtrip.exe";
  const std::string extension = "HKEY_CLASSES_ROOT\\.halvexroundtrip13";
  const std::string users = std::string(kRoundTripUsersKey) + "\\Software";
  const std::string sounds = "HKEY_LOCAL_MACHINE\\Control Panel\\Sounds";
  const std::string menuFolder =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\"
      "Start Menu2\\Programs\\HalvexRoundTrip";
  const std::string explorer =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
  const std::string fileType = explorer + "\\ComDlg32\\OpenSaveMRU\\halvexroundtrip";
  return {
      {5,
       {{fonts, "Halvex Round Trip Full (TrueType)", reg_type::kString, Text(Missing("full.ttf"))},
        {fonts, "Halvex Round Trip (TrueType)", reg_type::kString, Text("halvex-roundtrip.ttf")}},
       2,
       {}},
      {6,
       {{association, "", reg_type::kString, Text("HalvexRoundTrip.NoSuchClass")},
        {association, "Content Type", reg_type::kString, Text("text/x-halvex")},
        {association + "\\ShellNew", "NullFile", reg_type::kString, Text("")}},
       1,
       {association}},
      {7,
       {{cdRomClass, "UpperFilters", reg_type::kMultiString, Bytes({"halvexrt\0\0", 10})},
        {cdRomClass, "LowerFilters", reg_type::kMultiString, Bytes({"\0", 1})}},
       2,
       {}},
      {8,
       {{uninstall, "DisplayName", reg_type::kString, Text("Halvex Round Trip")},
        {uninstall, "UninstallString", reg_type::kString,
         Text("\"" + Missing("uninst.exe") + "\" /S")}},
       1,
       {uninstall}},
      {9, {{help, "halvex-roundtrip.hlp", reg_type::kString, Text("C:\\halvex-roundtrip")}}, 1, {}},
      {10,
       {{appPath, "", reg_type::kString, Text(Missing("halvex-roundtrip.exe"))},
        {appPath, "Path", reg_type::kString, Text("C:\\halvex-roundtrip")},
        {appPath, "UseURL", reg_type::kDword, {1, 0, 0, 0}},
        {appPath + "\\SupportedProtocols", "http", reg_type::kString, Text("")}},
       1,
       {appPath}},
      {13,
       {{extension, "", reg_type::kString, Text("")},
        {extension, "PerceivedType", reg_type::kString, Text("text")},
        {extension + "\\ShellNew", "NullFile", reg_type::kString, Text("")},
        {extension + "\\OpenWithProgids", "HalvexRoundTrip.File", reg_type::kNone, {}}},
       1,
       {extension}},
      {12,
       {{users + "\\Kept", "Setting", reg_type::kString, Text("kept")}},
       1,
       {kRoundTripUsersKey},
       {users + "\\Empty"}},
      {15, {{sounds, "", reg_type::kString, Text("halvex-roundtrip.wav")}}, 1, {}},
      {16, {{menuFolder, "Order", reg_type::kBinary, {8, 0, 0, 0}}}, 3, {menuFolder}},
      {17,
       {{fileType, "a", reg_type::kString, Text("halvex-roundtrip.txt")},
        {fileType, "MRUList", reg_type::kString, Text("a")},
        {explorer + "\\RunMRU", "halvexroundtrip", reg_type::kString, Text("notepad\\1")}},
       3,
       {fileType}},
  };
}

std::vector<FixtureValue> ScratchValues() {
  std::vector<std::uint8_t> long7(400);
  for (std::size_t i = 0; i < long7.size(); ++i) long7[i] = i % 50 == 49 ? 0 : 'a' + i % 26;
  long7.push_back(0);
  return {
      {Scratch("App"), "", reg_type::kString, Text("The App")},
      {Scratch("App"), "Count", reg_type::kDword, {0x2A, 0, 0, 0}},
      {Scratch("App"), "Path", reg_type::kExpandString, Text("%ProgramFiles%\\App \xE9")},
      {Scratch("App"), "List", reg_type::kMultiString, long7},
      {Scratch("App"), "Blob", reg_type::kBinary, std::vector<std::uint8_t>(300, 0xAB)},
      {Scratch("App"), "Big", reg_type::kQword, {0xFF, 0xFF, 0, 0, 0, 0, 0, 0x80}},
      {Scratch("App"), "Nothing", reg_type::kNone, {}},
      {Scratch("App"), "Quote \"and\" \\", reg_type::kString, Text("C:\\\"x\"\\")},
      {Scratch("App\\Sub"), "Inner", reg_type::kString, Text("inner \x80")},
      {Scratch("App\\Sub"), "", reg_type::kExpandString, Text("%TEMP%")},
      {Scratch("App\\Sub\\Deeper"), "Leaf", reg_type::kDword, {1, 0, 0, 0}},
      {Scratch("Other"), "", reg_type::kExpandString, Text("%SystemRoot%\\notepad.exe")},
      {Scratch("Other"), "Named", reg_type::kString, Text("named")},
      {Scratch("Other"), "Stays", reg_type::kString, Text("not repaired")},
  };
}

std::vector<std::string> ScratchEmptyKeys() {
  return {Scratch("App\\Empty"), Scratch("App\\Sub\\Deeper\\Empty too")};
}

std::vector<scan::RepairTarget> ScratchTargets() {
  using Kind = scan::RepairTarget::Kind;
  return {
      {Kind::KeyTree, Scratch("App"), {}, {}},      {Kind::Value, Scratch("Other"), "default", {}},
      {Kind::Value, Scratch("Other"), "Named", {}}, {Kind::Value, Scratch("Other"), "Absent", {}},
      {Kind::KeyTree, Scratch("Gone"), {}, {}},
  };
}

bool WriteFixture(platform::Registry& registry, const std::vector<FixtureValue>& values,
                  std::string& failure) {
  for (const FixtureValue& value : values) {
    platform::KeyHandle key;
    if (!OpenCreated(registry, value.keyPath, key)) {
      failure = "cannot create " + value.keyPath;
      return false;
    }
    const platform::ScopedKey scoped(registry, key);
    if (registry.SetValue(key, value.name, value.type, value.data) != platform::RegStatus::Ok) {
      failure = "cannot set " + value.keyPath + " " + value.name;
      return false;
    }
  }
  return true;
}

bool MakeKeys(platform::Registry& registry, const std::vector<std::string>& keys,
              std::string& failure) {
  for (const std::string& keyPath : keys) {
    platform::KeyHandle key;
    if (!OpenCreated(registry, keyPath, key)) {
      failure = "cannot create " + keyPath;
      return false;
    }
    registry.CloseKey(key);
  }
  return true;
}

}  // namespace halvex::testing
