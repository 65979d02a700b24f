#include "bench/walks/registry_generator.h"

#include <fstream>
#include <random>

#include "model/key_naming.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_writer.h"

namespace halvex::bench {
namespace {

namespace reg_type = platform::reg_type;
using platform::RootKey;

constexpr const char* kWords[] = {"alpha", "Bravo", "charlie", "Delta",  "echo", "foxtrot",
                                  "GOLF",  "hotel", "india",   "Juliet", "kilo", "lima"};

class Generator {
 public:
  Generator(platform::Registry& registry, const GeneratorSettings& settings)
      : registry_(registry), settings_(settings), random_(settings.seed) {}

  GeneratedFiles Run() {
    SetText(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
            "ProgramFilesDir", "C:\\Program Files");
    // Shares of the keys: classes, the machine's, the user's and the users' vendor trees, and
    // the subtrees the walks pass over.
    const int classes = settings_.keys / 8;
    const int skipped = settings_.keys / 10;
    const int trees = settings_.keys - classes - skipped;
    for (int i = 0; i < classes; ++i) Class(i);
    int made = 0;
    for (int tree = 0; made < trees; ++tree) {
      static constexpr struct {
        RootKey root;
        const char* prefix;
      } kAreas[] = {{RootKey::LocalMachine, "SOFTWARE\\HalvexBench"},
                    {RootKey::CurrentUser, "Software\\HalvexBench"},
                    {RootKey::LocalMachine, "SOFTWARE\\HalvexBench"},
                    {RootKey::Users, "S-1-5-21-1000\\Software\\HalvexBench"}};
      const auto& area = kAreas[tree % 4];
      made += VendorTree(area.root, std::string(area.prefix) + "\\Vendor" + std::to_string(tree),
                         trees - made);
    }
    for (int i = 0; i < skipped; ++i) SkippedKey(i);
    for (const char* key :
         {"HKEY_CLASSES_ROOT\\AppID\\HalvexBench", "HKEY_LOCAL_MACHINE\\SOFTWARE\\HalvexBench",
          "HKEY_LOCAL_MACHINE\\SYSTEM\\HalvexBench", "HKEY_CURRENT_USER\\Software\\HalvexBench",
          "HKEY_USERS\\S-1-5-21-1000"}) {
      files_.topKeys.push_back(key);
    }
    return std::move(files_);
  }

 private:
  // A chain of `depth` levels with `valuesPerKey` values in each key; returns the keys made.
  int VendorTree(RootKey root, const std::string& vendor, int budget) {
    int made = 0;
    for (int product = 0; made < budget && product < 8; ++product) {
      std::string path = vendor + "\\Product" + std::to_string(product);
      for (int level = 0; level < settings_.depth && made < budget; ++level) {
        path += "\\Level" + std::to_string(level);
        for (int v = 0; v < settings_.valuesPerKey; ++v) Value(root, path, v);
        ++made;
      }
    }
    return made == 0 ? 1 : made;
  }

  void Value(RootKey root, const std::string& key, int index) {
    const std::string name = index == 0 ? "" : "Value" + std::to_string(index);
    switch (Pick(8)) {
      case 0:
        SetText(root, key, name, Words());
        break;
      case 1:
        SetText(root, key, name, Reference(".dll"));
        break;
      case 2:
        SetText(root, key, name, "\"" + Reference(".exe") + "\" /run " + Words());
        break;
      case 3:
        Set(root, key, name, reg_type::kExpandString,
            Text("%SystemRoot%\\system32\\" + std::string(kWords[Pick(12)]) + ".dll"));
        break;
      case 4:
        Set(root, key, name, reg_type::kDword, {1, 0, 0, 0});
        break;
      case 5:
        Set(root, key, name, reg_type::kBinary, std::vector<std::uint8_t>(16, 0xAB));
        break;
      case 6:
        Set(root, key, name, reg_type::kMultiString, {'a', 0, 'b', 0, 0});
        break;
      default:
        SetText(root, key, name, "rundll32.exe " + Reference(".dll") + ",Entry");
    }
  }

  void Class(int i) {
    const std::string id = Guid(i);
    const std::string key = "CLSID\\" + id;
    files_.topKeys.push_back("HKEY_CLASSES_ROOT\\" + key);
    SetText(RootKey::ClassesRoot, key, "", Words());
    SetText(RootKey::ClassesRoot, key + "\\InprocServer32", "",
            Broken() ? std::string() : Reference(".dll"));
    SetText(RootKey::ClassesRoot, key + "\\InprocServer32", "ThreadingModel", "Apartment");
    if (i % 4 == 0) SetText(RootKey::ClassesRoot, key + "\\LocalServer32", "", Reference(".exe"));
    const std::string typeLib = Guid(i + 1000000);
    SetText(RootKey::ClassesRoot, key + "\\TypeLib", "", typeLib);
    if (!Broken()) {
      files_.topKeys.push_back("HKEY_CLASSES_ROOT\\TypeLib\\" + typeLib);
      SetText(RootKey::ClassesRoot, "TypeLib\\" + typeLib + "\\1.0", "", Words());
      SetText(RootKey::ClassesRoot, "TypeLib\\" + typeLib + "\\1.0\\HELPDIR", "",
              Broken() ? std::string() : kBenchFolder);
    }
  }

  // Keys below the subtrees the walks do not enter, with values that would be problems.
  void SkippedKey(int i) {
    static constexpr struct {
      RootKey root;
      const char* path;
    } kSkipped[] = {{RootKey::ClassesRoot, "AppID\\HalvexBench"},
                    {RootKey::LocalMachine, "SYSTEM\\HalvexBench"},
                    {RootKey::LocalMachine, "SOFTWARE\\HalvexBench\\Winlogon"},
                    {RootKey::LocalMachine, "SOFTWARE\\HalvexBench\\App Paths"},
                    {RootKey::CurrentUser, "Software\\HalvexBench\\Winlogon"}};
    const auto& area = kSkipped[i % 5];
    SetText(area.root, std::string(area.path) + "\\Key" + std::to_string(i), "Path",
            std::string(kBenchFolder) + "\\skipped\\gone.exe");
  }

  std::string Reference(const std::string& extension) {
    const std::string path =
        std::string(kBenchFolder) + "\\" + kWords[Pick(12)] + std::to_string(Pick(500)) + extension;
    if (Broken()) {
      ++files_.brokenReferences;
      return std::string(kBenchFolder) + "\\gone\\" + kWords[Pick(12)] + extension;
    }
    files_.existing.push_back(path);
    return path;
  }

  std::string Words() {
    return std::string(kWords[Pick(12)]) + " " + kWords[Pick(12)] + " " + kWords[Pick(12)];
  }

  static std::string Guid(int i) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-4A1B-4C2D-8E3F-%012X}", 0x48A1E7C0u,
                  static_cast<unsigned>(i));
    return text;
  }

  bool Broken() {
    return std::uniform_real_distribution<double>(0, 1)(random_) < settings_.brokenShare;
  }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  static std::vector<std::uint8_t> Text(const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
  }
  void SetText(RootKey root, const std::string& key, const std::string& name,
               const std::string& text) {
    Set(root, key, name, reg_type::kString, Text(text));
  }
  void Set(RootKey root, const std::string& key, const std::string& name, std::uint32_t type,
           const std::vector<std::uint8_t>& data) {
    platform::KeyHandle handle;
    if (registry_.CreateKey(platform::RootHandle(root), key, handle) != platform::RegStatus::Ok) {
      return;
    }
    (void)registry_.SetValue(handle, name, type, data);
    registry_.CloseKey(handle);
  }

  platform::Registry& registry_;
  const GeneratorSettings& settings_;
  std::mt19937 random_;
  GeneratedFiles files_;
};

}  // namespace

GeneratedFiles GenerateRegistry(platform::Registry& registry, const GeneratorSettings& settings) {
  return Generator(registry, settings).Run();
}

std::string WriteMachineFolder(const std::filesystem::path& folder,
                               const GeneratorSettings& settings) {
  namespace fs = std::filesystem;
  platform::substitute::MemoryRegistry registry;
  const GeneratedFiles files = GenerateRegistry(registry, settings);
  std::error_code error;
  fs::remove_all(folder, error);
  fs::create_directories(folder / "drives" / "C" / "HalvexBench", error);
  fs::create_directories(folder / "drives" / "C" / "WINDOWS" / "system32", error);
  if (error) return "cannot create " + folder.string() + ": " + error.message();
  for (const std::string& path : files.existing) {
    std::string below = path.substr(3);  // after "C:\"
    for (char& c : below) c = c == '\\' ? '/' : c;
    std::ofstream(folder / "drives" / "C" / below, std::ios::binary) << "MZ bench file\r\n";
  }
  for (const char* word : kWords) {
    std::ofstream(folder / "drives" / "C" / "WINDOWS" / "system32" / (std::string(word) + ".dll"),
                  std::ios::binary)
        << "MZ bench file\r\n";
  }
  const platform::substitute::RegExportResult exported = platform::substitute::ExportRegFile(
      registry, platform::substitute::RegExportScope::WholeRegistry(),
      platform::substitute::RegFileFormat::Regedit4, registry.codePage());
  if (!exported.ok()) return "cannot export " + exported.failedKey + ": " + exported.message;
  std::ofstream(folder / "registry.reg", std::ios::binary) << exported.bytes;
  std::ofstream(folder / "machine.ini", std::ios::binary)
      << "; A generated machine for the walking sections' benchmark.\r\n[machine]\r\n"
         "platform=nt\r\nversion=6.1\r\nwindows=C:\\WINDOWS\r\nsystem=C:\\WINDOWS\\system32\r\n"
         "temp=C:\\WINDOWS\\TEMP\\\r\nprogram=C:\\HalvexBench\\program\\\r\ncodepage=1252\r\n"
         "\r\n[drives]\r\nC=fixed\r\n";
  std::string cleanup = "REGEDIT4\r\n\r\n";
  for (const std::string& key : files.topKeys) cleanup += "[-" + key + "]\r\n\r\n";
  std::ofstream(folder / "cleanup.reg", std::ios::binary) << cleanup;
  return {};
}

}  // namespace halvex::bench
