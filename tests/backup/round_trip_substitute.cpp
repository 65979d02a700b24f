// The round trip on the substitute machine and its registry editor.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "backup/registry_editor.h"
#include "model/key_naming.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/substitute_registry_editor.h"
#include "tests/backup/round_trip_binding.h"
#include "tests/backup/round_trip_fixture.h"
#include "tests/platform/registry_dump.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

class SubstituteRoundTrip final : public RoundTripMachine {
 public:
  platform::Platform& platform() override { return machine.platform(); }
  platform::ProcessRunner& editor() override { return editor_; }
  std::string editorError() const override { return editor_.lastError(); }

  bool Prepare(std::string& failure) override {
    machine.AddFolder("C:\\Program Files\\Halvex");
    machine.AddFile("C:\\WINDOWS\\system32\\kept.dll");
    // Entries that stay as they are, around the ones the repair deletes.
    return WriteFixture(
        machine.registry,
        {{kRoundTripSharedDlls,
          "C:\\WINDOWS\\system32\\kept.dll",
          platform::reg_type::kDword,
          {1, 0, 0, 0}},
         {"HKEY_CLASSES_ROOT\\.txt", "", platform::reg_type::kString, {'t', 'x', 't', 0}},
         {"HKEY_CLASSES_ROOT\\txt", "", platform::reg_type::kString, {'T', 0}}},
        failure);
  }

  scan::SectionChoice sections() const override { return scan::AllSections(); }

  // Order-free: the in-memory registry lists values in the order they were made, and a
  // restored value comes last.
  std::string FullExport() override {
    const std::string file = "C:\\export.reg";
    EXPECT_TRUE(editor_.RunHidden(backup::RegistryExportCommand(file), {}).succeeded())
        << editor_.lastError();
    const auto parsed =
        platform::substitute::ParseRegFile(machine.Read(file), machine.registry.codePage());
    if (!parsed.ok()) return "<export does not read back: " + parsed.error().message + ">";
    platform::substitute::MemoryRegistry exported;
    if (!platform::substitute::ApplyRegFile(exported, parsed.operations()).ok()) return "<apply>";
    std::string text;
    for (platform::RootKey root : platform::kNamedRoots) {
      text += model::RootKeyName(root) + "\n" + DumpRegistry(exported, root, "");
    }
    return text;
  }

 private:
  ScratchMachine machine{{}, kScanDrives};
  platform::substitute::SubstituteRegistryEditor editor_{machine.registry, machine.files(),
                                                         machine.registry.codePage()};
};

}  // namespace

std::vector<RoundTripBinding> RoundTripBindings() {
  return {{"Substitute", [] { return std::make_unique<SubstituteRoundTrip>(); }}};
}

}  // namespace halvex::testing
