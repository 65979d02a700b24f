#include "platform/substitute/substitute_registry_editor.h"

#include "platform/substitute/command_line_words.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/reg_file_writer.h"

namespace halvex::platform::substitute {
namespace {

constexpr std::uint32_t kDone = 0;
constexpr std::uint32_t kError = 1;

// "regedit", "Regedit.exe", "C:\WINDOWS\regedit.exe": the editor, however it is named.
bool IsRegistryEditor(const CodePage& codePage, std::string_view program) {
  const std::size_t slash = program.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? program : program.substr(slash + 1);
  if (name.size() > 4 && codePage.EqualNoCase(name.substr(name.size() - 4), ".exe")) {
    name.remove_suffix(4);
  }
  return codePage.EqualNoCase(name, "regedit");
}

// "/s" and "-S" alike.
bool IsSwitch(const CodePage& codePage, const std::string& word, std::string_view letter) {
  return word.size() == 2 && (word[0] == '/' || word[0] == '-') &&
         codePage.EqualNoCase(std::string_view(word).substr(1), letter);
}

}  // namespace

ProcessExit SubstituteRegistryEditor::RunHidden(std::string_view commandLine,
                                                const std::function<void()>&) {
  lastError_.clear();
  skippedLines_.clear();
  const std::vector<std::string> words = CommandLineWords(commandLine);
  if (words.empty() || !IsRegistryEditor(codePage_, words[0])) return ProcessExit{};
  ProcessExit exit{true, kError};
  if (words.size() == 3 && IsSwitch(codePage_, words[1], "s")) {
    exit.exitCode = Import(words[2]);
  } else if ((words.size() == 3 || words.size() == 4) && IsSwitch(codePage_, words[1], "e")) {
    exit.exitCode = Export(words[2], words.size() == 4 ? words[3] : std::string());
  } else {
    exit.exitCode = Fail("unknown command line: " + std::string(commandLine));
  }
  return exit;
}

std::uint32_t SubstituteRegistryEditor::Import(const std::string& file) {
  const std::optional<std::string> bytes = files_.ReadFile(file);
  if (!bytes) return Fail("cannot read " + file);
  const RegFileParseResult parsed = ParseRegFile(*bytes, codePage_, RegFileReading::AsTheEditor);
  if (!parsed.ok()) {
    return Fail(file + ":" + std::to_string(parsed.error().line) + ": " + parsed.error().message);
  }
  for (const RegFileError& skipped : parsed.skipped()) {
    skippedLines_.push_back(file + ":" + std::to_string(skipped.line) + ": " + skipped.message);
  }
  const RegApplyStatus applied = ApplyRegFile(registry_, parsed.operations());
  if (!applied.ok())
    return Fail(file + ":" + std::to_string(applied.line) + ": " + applied.message);
  return kDone;
}

std::uint32_t SubstituteRegistryEditor::Export(const std::string& file, const std::string& key) {
  const RegExportScope scope =
      key.empty() ? RegExportScope::WholeRegistry() : RegExportScope::Subtree(key);
  const RegExportResult exported = ExportRegFile(registry_, scope, exportFormat_, codePage_);
  if (!exported.ok()) return Fail(exported.failedKey + ": " + exported.message);
  if (!files_.WriteFile(file, exported.bytes)) return Fail("cannot write " + file);
  return kDone;
}

std::uint32_t SubstituteRegistryEditor::Fail(std::string message) {
  lastError_ = std::move(message);
  return kError;
}

}  // namespace halvex::platform::substitute
