#pragma once
// The system's registry editor as the substitute machine has it: the command lines the program
// runs ("Regedit /s FILE" imports a file, "Regedit /E FILE [KEY]" exports the whole registry or
// one key) carried out on the machine's own registry and files, so that a restore round trip
// runs without Windows. Any other program is not found.
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/process_runner.h"
#include "platform/registry.h"
#include "platform/substitute/code_page.h"
#include "platform/substitute/reg_file_format.h"

namespace halvex::platform::substitute {

class SubstituteRegistryEditor final : public ProcessRunner {
 public:
  // Exports are written in `exportFormat`, as the machine's editor writes them: version 5.00
  // (UTF-16) on the NT family, REGEDIT4 on the Windows 95 family.
  SubstituteRegistryEditor(Registry& registry, FileSystem& files, const CodePage& codePage,
                           RegFileFormat exportFormat = RegFileFormat::Version5)
      : registry_(registry), files_(files), codePage_(codePage), exportFormat_(exportFormat) {}

  // Exit code 0 when the import or export was done. An import reads the file as the editor
  // reads it: the lines the editor skips are skipped (skippedLines lists them) and the rest is
  // imported. 1 when the file cannot be read or written, when the editor would import nothing
  // of it (no header line), when the registry refuses a change (the changes before it stay, as
  // with the editor), and for switches it does not know. The pump is not needed: the work is
  // done before it returns.
  ProcessExit RunHidden(std::string_view commandLine, const std::function<void()>& pump) override;

  // What went wrong in the last run, for tests and messages; empty after a success.
  const std::string& lastError() const { return lastError_; }
  // The lines the last import skipped, each "FILE:LINE: why"; the editor itself says nothing.
  const std::vector<std::string>& skippedLines() const { return skippedLines_; }

 private:
  std::uint32_t Import(const std::string& file);
  std::uint32_t Export(const std::string& file, const std::string& key);
  std::uint32_t Fail(std::string message);

  Registry& registry_;
  FileSystem& files_;
  const CodePage& codePage_;
  RegFileFormat exportFormat_;
  std::string lastError_;
  std::vector<std::string> skippedLines_;
};

}  // namespace halvex::platform::substitute
