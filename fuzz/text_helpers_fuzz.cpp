// The text helpers that registry data and downloaded files feed: command paths, path variables,
// the folder and file name parts of a path, version order, Shared DLLs reference counts, key path
// splitting and Update.ini values. The input's first byte picks the helper, the rest are its
// texts, separated by NUL bytes.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_machine.h"
#include "fuzz/support/input_parts.h"
#include "model/command_path.h"
#include "model/ini_text.h"
#include "model/key_naming.h"
#include "model/path_text.h"
#include "model/path_variables.h"
#include "model/update_server.h"
#include "model/version_order.h"
#include "platform/substitute/memory_registry.h"
#include "platform/text_lines.h"
#include "scan/sections/shared_dlls.h"

namespace {

using namespace halvex;
using Texts = std::vector<std::string_view>;

fuzz::FuzzMachine& Machine() {
  static fuzz::FuzzMachine machine;
  return machine;
}

void CommandPaths(const Texts& texts) {
  fuzz::FuzzMachine& machine = Machine();
  for (model::CommandPathVariant variant :
       {model::CommandPathVariant::A, model::CommandPathVariant::B}) {
    (void)model::ExtractCommandPath(machine.locale(), machine.files(), texts[0], variant);
  }
  (void)model::CommandFileExists(machine.locale(), machine.files(), texts[0]);
}

void PathVariables(const Texts& texts) {
  fuzz::FuzzMachine& machine = Machine();
  platform::substitute::MemoryRegistry registry;
  const std::string expanded =
      model::ExpandPathVariables(machine.locale(), machine.files(), registry, texts[0]);
  HALVEX_FUZZ_CHECK(texts[0].find('%') != std::string_view::npos || expanded == texts[0],
                    "a text without variables came back as \"" + expanded + "\"");
}

void PathParts(const Texts& texts) {
  const std::string_view path = texts[0];
  const std::string_view folder = model::FolderPart(path), name = model::FileNamePart(path);
  HALVEX_FUZZ_CHECK(std::string(folder) + std::string(name) == path,
                    "folder \"" + std::string(folder) + "\" and name \"" + std::string(name) +
                        "\" do not make the path");
  HALVEX_FUZZ_CHECK(name.ends_with(model::ExtensionPart(path)), "the extension is not the name's");
  (void)model::IsPlausibleFilePath(path);
  (void)model::IsValidNameText(path);
  (void)model::JoinFolderAndName(path, texts[1]);
}

void VersionOrder(const Texts& texts) {
  const std::string_view a = texts[0], b = texts[1];
  HALVEX_FUZZ_CHECK(!model::IsNewerVersion(a, a), "a version is newer than itself");
  HALVEX_FUZZ_CHECK(
      a.empty() || b.empty() || !model::IsNewerVersion(a, b) || !model::IsNewerVersion(b, a),
      "each of \"" + std::string(a) + "\" and \"" + std::string(b) + "\" is newer than the other");
}

// Blanks, one sign at most, and digits.
bool IsDecimal(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  while (text.starts_with(' ')) text.remove_prefix(1);
  while (text.ends_with(' ')) text.remove_suffix(1);
  if (text.starts_with('+') || text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void ReferenceCounts(const Texts& texts) {
  std::vector<std::uint8_t> data(texts[0].begin(), texts[0].end());
  data.push_back(0);
  const std::int64_t count = scan::SharedDllReferenceCount(platform::reg_type::kString, data);
  HALVEX_FUZZ_CHECK(count == 0 || IsDecimal(texts[0]), "\"" + std::string(texts[0]) + "\" counts " +
                                                           std::to_string(count) +
                                                           " though it is no number");
  // Binary data is an unsigned number, never the -1 of data that holds no count (an integer
  // of FF FF FF FF may well be -1).
  HALVEX_FUZZ_CHECK(scan::SharedDllReferenceCount(platform::reg_type::kBinary, data) >= 0,
                    "a count of binary data reads as no count");
  (void)scan::SharedDllReferenceCount(platform::reg_type::kDword, data);
}

void KeyPaths(const Texts& texts) {
  const model::SplitKeyPath split = model::SplitFullKeyPath(texts[0]);
  if (split.root == platform::RootKey::None) return;
  HALVEX_FUZZ_CHECK(model::RootKeyName(split.root) + split.absolutePath == texts[0],
                    "the root and the path do not make \"" + std::string(texts[0]) + "\"");
  HALVEX_FUZZ_CHECK(split.absolutePath.empty() || split.absolutePath.front() == '\\',
                    "the path below the root does not begin with a backslash");
}

// A section, a key and a value written as one line each read back; any text reads.
void UpdateIniValues(const Texts& texts) {
  platform::Locale& locale = Machine().locale();
  (void)model::ReadIniValue(locale, texts[0], texts[1], texts[2]);
  const std::string_view section = platform::TrimText(texts[0]);
  const std::string_view key = platform::TrimText(texts[1]);
  const std::string_view value = texts[2];
  const bool writable = !section.empty() && !key.empty() &&
                        section.find_first_of("]\r\n") == std::string_view::npos &&
                        key.find_first_of("=\r\n") == std::string_view::npos &&
                        key.front() != ';' && key.front() != '[' &&
                        value.find_first_of("\r\n") == std::string_view::npos;
  if (!writable) return;
  const std::string text =
      "[" + std::string(section) + "]\r\n" + std::string(key) + "=" + std::string(value) + "\r\n";
  std::string_view expected = platform::TrimText(value);
  if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
      expected.back() == expected.front()) {
    expected = expected.substr(1, expected.size() - 2);
  }
  const std::string read = model::ReadIniValue(locale, text, section, key);
  HALVEX_FUZZ_CHECK(read == expected, "\"" + text + "\" gives \"" + read + "\", not \"" +
                                          std::string(expected) + "\"");
  (void)model::UpdateServerUrl(texts[0], texts[1]);
}

using Helper = void (*)(const Texts&);
constexpr Helper kHelpers[] = {CommandPaths,    PathVariables, PathParts,      VersionOrder,
                               ReferenceCounts, KeyPaths,      UpdateIniValues};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  Texts texts = fuzz::SplitAtNul(fuzz::AsText(data + 1, size - 1));
  texts.resize(3);
  kHelpers[data[0] % std::size(kHelpers)](texts);
  return 0;
}
