// The backup reader and the restore check. Reading any file as the backup sheet's detail list
// never fails; a file that imports completely is reported restored; and a backup the program
// writes of what it imported (8-bit and UTF-16, code pages 1252 and 936) reads back whole and
// is reported restored once imported.
#include <string>

#include "backup/read_reg_export_file.h"
#include "backup/reg_export_lines.h"
#include "backup/registry_export.h"
#include "backup/registry_restore.h"
#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_machine.h"
#include "fuzz/support/input_parts.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"

namespace {

using namespace halvex;
using platform::substitute::CodePage;
using platform::substitute::MemoryRegistry;

// Imports the file as the registry editor does; false when the reader refuses it.
bool Import(std::string_view file, const CodePage& codePage, platform::Registry& registry) {
  const platform::substitute::RegFileParseResult parsed =
      platform::substitute::ParseRegFile(file, codePage);
  if (!parsed.ok()) return false;
  const platform::substitute::RegApplyStatus applied =
      platform::substitute::ApplyRegFile(registry, parsed.operations());
  HALVEX_FUZZ_CHECK(applied.ok(), "an accepted file fails half-way: " + applied.message);
  return true;
}

void ReportedRestored(fuzz::FuzzMachine& machine, MemoryRegistry& registry, std::string_view file,
                      const char* what) {
  platform::Platform platform = machine.With(registry);
  const std::string missing = backup::FirstMissingEntry(platform, file);
  HALVEX_FUZZ_CHECK(missing.empty(), std::string(what) + " imported completely, but the check " +
                                         "finds this line not in the registry: " + missing);
}

void CheckInCodePage(std::string_view file, fuzz::FuzzMachine& machine) {
  const CodePage& codePage = machine.codePage();
  (void)backup::ParseRegExportText(file, machine.locale());
  MemoryRegistry registry(codePage);
  if (!Import(file, codePage, registry)) return;
  ReportedRestored(machine, registry, file, "the file");

  for (platform::PlatformClass platformClass :
       {platform::PlatformClass::Windows95Family, platform::PlatformClass::NtFamily}) {
    backup::RegExportLines backupFile = backup::StartRegExport(platformClass);
    for (platform::RootKey root : platform::kNamedRoots) {
      const backup::ExportOutcome outcome = backup::ExportRegistryKeyTree(
          {registry, machine.locale()}, platform::RootName(root), backupFile);
      HALVEX_FUZZ_CHECK(outcome == backup::ExportOutcome::Exported,
                        "the backup of " + std::string(platform::RootName(root)) + " fails");
    }
    const std::string bytes = backup::RegExportFileBytes(backupFile, machine.locale());
    MemoryRegistry restored(codePage);
    HALVEX_FUZZ_CHECK(Import(bytes, codePage, restored),
                      "the backup the program wrote does not read back");
    ReportedRestored(machine, restored, bytes, "the program's backup");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzMachine westernMachine(CodePage::Windows1252());
  static fuzz::FuzzMachine doubleByteMachine(CodePage::Windows936());
  const std::string_view file = fuzz::AsText(data, size);
  CheckInCodePage(file, westernMachine);
  CheckInCodePage(file, doubleByteMachine);
  return 0;
}
