#pragma once
// The .reg files that the registry editor imports, each with the state of
// HKEY_CURRENT_USER\T it gives. The native reader test checks the reader against the states;
// under Wine the same files go through the real regedit, which must give what the reader gives.
#include <string>
#include <string_view>
#include <vector>

namespace halvex::testing {

struct RegFileCase {
  enum class Encoding {
    Bytes,  // the file is `text` as it is: 8-bit
    Utf16,  // `text` is UTF-8; the file is UTF-16LE with a byte order mark
  };
  const char* what;
  std::string text;  // names the key HKEY_CURRENT_USER\T and keys below it only
  Encoding encoding;
  std::vector<std::string> state;  // as DumpRegistry writes HKEY_CURRENT_USER\T, in any order
};

const std::vector<RegFileCase>& AcceptedRegFileCases();

// Files with lines the registry editor skips or reads otherwise than they say: a strict read
// refuses them at `skippedLines` (the first one, or the first line with empty key names when
// nothing is skipped), a read as the editor reads gives `file.state` and lists `skippedLines`.
struct EditorRegFileCase {
  RegFileCase file;
  std::vector<std::size_t> skippedLines;
  std::size_t strictErrorLine;
};

const std::vector<EditorRegFileCase>& EditorRegFileCases();

// The file's bytes, with HKEY_CURRENT_USER\T moved to HKEY_CURRENT_USER\<base>.
std::string RegFileBytes(const RegFileCase& c, std::string_view base = "T");

// The state's lines sorted and joined, as DumpRegistry gives them.
std::string ExpectedState(std::vector<std::string> lines);

}  // namespace halvex::testing
