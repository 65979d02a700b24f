#pragma once
// Reads the system registry editor's .reg files ("REGEDIT4" and "Windows Registry Editor
// Version 5.00", 8-bit or UTF-16LE with a byte order mark) in two steps: ParseRegFile turns the
// whole text into operations or names the first line that is wrong, and only then does
// ApplyRegFile carry them out, so a bad file never leaves a registry half loaded.
//
// Strictly read, a file is taken as the registry editor imports it, and every line that the
// editor would skip or import differently from what it says (a value line outside a key, a bad
// hex digit, an unterminated string, an unknown root, ...) is an error: a fixture, the machine
// folder's registry.reg or one of the program's own backups never loses a line silently. Read
// as the editor reads it, the file gives what the editor imports: the lines it skips (and the
// lines it loses with them) are left out and listed. The rules, line by line, are listed in
// reg_file_reader.cpp.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/registry.h"
#include "platform/substitute/code_page.h"

namespace halvex::platform::substitute {

// What is wrong with a file and where: `line` counts from 1.
struct RegFileError {
  std::size_t line = 0;
  std::string message;
  friend bool operator==(const RegFileError&, const RegFileError&) = default;
};

enum class RegFileOperationKind {
  CreateKey,      // [HKEY_...\key]: the key is created with any missing parents
  DeleteKeyTree,  // [-HKEY_...\key]: the key is deleted with everything below it
  SetValue,       // "name"=data or @=data
  DeleteValue,    // "name"=- or @=-
};

// One step of a file. Value data is what the system's ANSI calls return for the value
// (RegQueryValueExA): strings are in the 8-bit code page and end with their NUL.
struct RegFileOperation {
  RegFileOperationKind kind = RegFileOperationKind::CreateKey;
  std::size_t line = 0;  // the line of the file that asks for it
  RootKey root = RootKey::None;
  std::string path;       // below the root, one backslash between names; "" is the root
  std::string valueName;  // SetValue and DeleteValue; "" is the default value
  std::uint32_t type = reg_type::kNone;  // SetValue
  std::vector<std::uint8_t> data;        // SetValue

  // The root's name, a backslash and the path (the root's name alone for the root itself).
  std::string FullKeyPath() const;
  friend bool operator==(const RegFileOperation&, const RegFileOperation&) = default;
};

using RegFileOperations = std::vector<RegFileOperation>;

// How a line that the registry editor would skip is met.
enum class RegFileReading {
  Strict,       // it is an error, and nothing of the file is read
  AsTheEditor,  // it is skipped as the editor skips it, and listed
};

// The operations of a whole file, or the first error in it; never both.
class [[nodiscard]] RegFileParseResult {
 public:
  RegFileParseResult(RegFileOperations operations, std::vector<RegFileError> skipped = {})
      : outcome_(std::move(operations)), skipped_(std::move(skipped)) {}
  RegFileParseResult(RegFileError error) : outcome_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<RegFileOperations>(outcome_); }
  // Only when ok().
  const RegFileOperations& operations() const { return std::get<RegFileOperations>(outcome_); }
  // Only when !ok().
  const RegFileError& error() const { return std::get<RegFileError>(outcome_); }
  // Read as the editor reads it: each line left out, in file order, with why.
  const std::vector<RegFileError>& skipped() const { return skipped_; }

 private:
  std::variant<RegFileOperations, RegFileError> outcome_;
  std::vector<RegFileError> skipped_;
};

// Parses a whole .reg file as it lies on disk. A UTF-16 file (byte order mark FF FE) is read
// through `codePage` into 8-bit text, as the ANSI calls would show its names and strings: a
// character the code page lacks becomes '?'. A file whose first line is no header, or that the
// editor cannot read on (a NUL character, half a UTF-16 character), is an error either way.
RegFileParseResult ParseRegFile(std::string_view fileBytes, const CodePage& codePage,
                                RegFileReading reading = RegFileReading::Strict);

// The outcome of applying operations: Ok, or the first operation the registry refused.
struct [[nodiscard]] RegApplyStatus {
  RegStatus status = RegStatus::Ok;
  std::size_t index = 0;  // of the refused operation in the list
  std::size_t line = 0;   // of the refused operation in its file
  std::string message;    // names the operation and the registry's answer

  bool ok() const { return status == RegStatus::Ok; }
};

// Carries out the operations in order through the registry interface only, so the same code
// loads the in-memory registry and the real one. Stops at the first refusal. Deleting a key
// or a value that does not exist is no refusal, as with the registry editor.
RegApplyStatus ApplyRegFile(Registry& registry, const RegFileOperations& operations);

}  // namespace halvex::platform::substitute
