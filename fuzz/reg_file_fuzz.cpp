// The .reg reader, apply and writer. A file the reader accepts applies completely (never half
// loaded); exporting the result and reading the export back gives the same registry, in both
// formats and in code pages 1252 and 936, and a subtree export gives the same subtree. Where a
// UTF-16 file cannot carry every byte (code page 936: half a character becomes '?'), the export
// still reads back, and a second save gives what the first one read.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/input_parts.h"
#include "platform/reg_file_syntax.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/reg_file_writer.h"
#include "tests/platform/registry_dump.h"

namespace {

using namespace halvex::platform;
using namespace halvex::platform::substitute;

std::string Dump(Registry& registry, const std::string& subtree) {
  if (!subtree.empty()) {
    const std::size_t slash = subtree.find('\\');
    for (RootKey root : kNamedRoots) {
      if (RootName(root) == subtree.substr(0, slash)) {
        const std::string below = slash == std::string::npos ? "" : subtree.substr(slash + 1);
        return halvex::testing::DumpRegistry(registry, root, below);
      }
    }
  }
  std::string text;
  for (RootKey root : kNamedRoots) {
    text += std::string(RootName(root)) + "\n" + halvex::testing::DumpRegistry(registry, root, "");
  }
  return text;
}

const char* NameOf(RegFileFormat format) {
  return format == RegFileFormat::Regedit4 ? "REGEDIT4" : "version 5.00";
}

// Loads `bytes` into `registry`; the file must read and apply.
void Load(std::string_view bytes, const CodePage& codePage, Registry& registry, const char* what) {
  const RegFileParseResult parsed = ParseRegFile(bytes, codePage);
  HALVEX_FUZZ_CHECK(parsed.ok(), std::string(what) + " does not read back: line " +
                                     std::to_string(parsed.error().line) + ": " +
                                     parsed.error().message);
  const RegApplyStatus applied = ApplyRegFile(registry, parsed.operations());
  HALVEX_FUZZ_CHECK(applied.ok(), std::string(what) + " does not apply: " + applied.message);
}

std::string Export(Registry& registry, const std::string& subtree, RegFileFormat format,
                   const CodePage& codePage) {
  const RegExportScope scope =
      subtree.empty() ? RegExportScope::WholeRegistry() : RegExportScope::Subtree(subtree);
  const RegExportResult exported = ExportRegFile(registry, scope, format, codePage);
  HALVEX_FUZZ_CHECK(exported.ok(), std::string("the ") + NameOf(format) + " export of " +
                                       (subtree.empty() ? "the registry" : subtree) +
                                       " fails: " + exported.message);
  return exported.bytes;
}

// `subtree` empty: the whole registry.
void ExportReadsBack(MemoryRegistry& original, const std::string& subtree, RegFileFormat format,
                     const CodePage& codePage) {
  MemoryRegistry copy(codePage);
  Load(Export(original, subtree, format, codePage), codePage, copy, "the export");
  const bool everyByteCarried = format == RegFileFormat::Regedit4 || !codePage.IsDoubleByte();
  if (everyByteCarried) {
    HALVEX_FUZZ_CHECK(Dump(copy, subtree) == Dump(original, subtree),
                      std::string("the ") + NameOf(format) + " export in code page " +
                          std::to_string(codePage.number()) + " reads back otherwise:\n" +
                          Dump(original, subtree) + "became\n" + Dump(copy, subtree));
    return;
  }
  // The subtree's own name went through UTF-16 as well.
  const std::string copied = KeyPathThroughUtf16(codePage, subtree);
  MemoryRegistry second(codePage);
  Load(Export(copy, copied, format, codePage), codePage, second, "the second export");
  HALVEX_FUZZ_CHECK(Dump(second, copied) == Dump(copy, copied),
                    std::string("a second ") + NameOf(format) + " export in code page " +
                        std::to_string(codePage.number()) + " reads back otherwise:\n" +
                        Dump(copy, copied) + "became\n" + Dump(second, copied));
}

void CheckFile(std::string_view file, const CodePage& codePage, RegFileReading reading) {
  const RegFileParseResult parsed = ParseRegFile(file, codePage, reading);
  if (!parsed.ok()) return;
  MemoryRegistry registry(codePage);
  const RegApplyStatus applied = ApplyRegFile(registry, parsed.operations());
  HALVEX_FUZZ_CHECK(applied.ok(), "an accepted file fails half-way, at line " +
                                      std::to_string(applied.line) + ": " + applied.message);
  if (reading != RegFileReading::Strict) return;
  for (RegFileFormat format : {RegFileFormat::Regedit4, RegFileFormat::Version5}) {
    ExportReadsBack(registry, "", format, codePage);
    for (const RegFileOperation& operation : parsed.operations()) {
      if (operation.kind != RegFileOperationKind::CreateKey) continue;
      KeyHandle key;
      if (registry.OpenKey(RootHandle(operation.root), operation.path, KeyAccess::Read, key) !=
          RegStatus::Ok) {
        continue;  // deleted again further on
      }
      registry.CloseKey(key);
      ExportReadsBack(registry, operation.FullKeyPath(), format, codePage);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file = halvex::fuzz::AsText(data, size);
  for (const CodePage* codePage : {&CodePage::Windows1252(), &CodePage::Windows936()}) {
    for (RegFileReading reading : {RegFileReading::Strict, RegFileReading::AsTheEditor}) {
      CheckFile(file, *codePage, reading);
    }
  }
  return 0;
}
