// The ignore list. An entry appended for any category, key path and value name is either
// refused, with the file left as it was, or read back so that it matches that problem, with
// every entry the file held before still there; an entry whose line can hold it is never
// refused.
//
// The input is the ignore file as it lies (no file when empty), then the category, the key path
// and the value name, separated by NUL bytes.
#include <algorithm>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_machine.h"
#include "fuzz/support/input_parts.h"
#include "model/ignore_list.h"

namespace {

using namespace halvex;

std::string Describe(const model::TIgnoreContents& contents) {
  std::string text;
  for (const model::ignore_item::TContent& entry : contents) {
    text += "  [" + entry.Category + "] [" + entry.IgnoreKeyPath + "] [" + entry.IgnoreValueName +
            "]\n";
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzMachine machine;
  std::vector<std::string_view> parts = fuzz::SplitAtNul(fuzz::AsText(data, size));
  parts.resize(4);
  const std::string_view existing = parts[0], category = parts[1], keyPath = parts[2],
                         valueName = parts[3];
  platform::FileSystem& files = machine.files();
  const std::string path = model::IgnoreFilePath(files);
  (void)files.DeleteFile(path);
  if (!existing.empty()) {
    HALVEX_FUZZ_CHECK(files.WriteFile(path, existing), "cannot write the ignore file");
  }
  model::TIgnoreContents before;
  HALVEX_FUZZ_CHECK(model::LoadIgnoreList(files, before), "the ignore file does not read");

  const bool appended = model::AppendIgnoreEntry(files, category, keyPath, valueName);
  // The line "category|key path|value name" can hold the entry when the first two bars end the
  // category and the key path and nothing breaks the line.
  const auto lacks = [](std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) == std::string_view::npos;
  };
  const bool lineHoldsIt =
      lacks(category, "|\r\n") && lacks(keyPath, "|\r\n") && lacks(valueName, "\r\n");
  HALVEX_FUZZ_CHECK(appended || !lineHoldsIt, "an entry the line can hold was refused");
  model::TIgnoreContents after;
  HALVEX_FUZZ_CHECK(model::LoadIgnoreList(files, after), "the ignore file does not read");
  if (!appended) {
    HALVEX_FUZZ_CHECK(files.ReadFile(path).value_or("") == existing,
                      "a refused entry changed the file");
    return 0;
  }
  HALVEX_FUZZ_CHECK(
      model::IsIgnored(machine.locale(), after, category, keyPath, valueName),
      "the appended entry does not match its problem; the file reads as\n" + Describe(after));
  HALVEX_FUZZ_CHECK(
      after.size() == before.size() + 1 && std::equal(before.begin(), before.end(), after.begin()),
      "appending changed the entries before it:\n" + Describe(before) + "became\n" +
          Describe(after));
  return 0;
}
