#include "tools/system_speed/tweaks.h"

#include <algorithm>
#include <cctype>

#include "model/registry_object.h"
#include "tools/system_speed/registry_values.h"

namespace halvex::tools::system_speed {
namespace {

using platform::RegValue;
using platform::ScopedKey;

std::string SavedKeyName(std::size_t index) {
  return "F" + std::to_string(index + 1);
}
std::string PriorKeyName(std::size_t index) {
  return "Prior" + std::to_string(index + 1);
}
std::string CreatedKeyName(std::size_t index) {
  return "Created" + std::to_string(index + 1);
}

std::string Describe(RootKey root, std::string_view key, std::string_view name) {
  std::string line = FullKeyName(root, key);
  line += name.empty() ? std::string(" (default)") : " \"" + std::string(name) + "\"";
  return line;
}

// The text a saved key holds. Nothing read here stops the run: a value of another type, or a
// text that is no decimal number where one is converted, saves 0 or the empty text.
std::string SavedText(platform::Registry& registry, const SavedValue& saved) {
  if (saved.as == SavedAs::Empty) return "";
  if (saved.open == KeyUse::Created)
    OpenForWriting(registry, saved.root, saved.key, KeyUse::Created);
  if (saved.writeFirst && !ReadValue(registry, saved.root, saved.key, saved.name)) {
    if (ScopedKey key = OpenForWriting(registry, saved.root, saved.key, KeyUse::Created)) {
      (void)WriteInteger(registry, key.get(), saved.name, saved.firstValue);
    }
  }
  const std::optional<RegValue> value = ReadValue(registry, saved.root, saved.key, saved.name);
  std::string text;
  bool isInteger = false;
  std::int32_t integer = 0;
  if (value) {
    text = TextOf(*value).value_or("");
    const std::optional<std::uint32_t> number = IntegerOf(*value);
    isInteger = number.has_value();
    integer = static_cast<std::int32_t>(number.value_or(0));
  }
  switch (saved.as) {
    case SavedAs::Integer:
      return std::to_string(integer);
    case SavedAs::Text:
      return text;
    case SavedAs::TextAsInteger:
      return std::to_string(DecimalOrZero(text));
    case SavedAs::TextOrInteger:
      return isInteger ? std::to_string(integer) : text;
    case SavedAs::Empty:
      break;
  }
  return "";
}

void WriteToFile(ProfileFile& file, std::string_view section, const std::string& key,
                 const std::string& text, StepFailures& failures) {
  if (!file.Write(section, key, text)) {
    failures.Add("cannot write [" + std::string(section) + "] " + key + " into " + file.path());
  }
}

void PutBackPrior(platform::Registry& registry, const TweakWrite& write,
                  const std::optional<RegValue>& prior, StepFailures& failures) {
  if (!prior) {
    if (ScopedKey key = OpenForWriting(registry, write.root, write.key, KeyUse::Existing)) {
      (void)registry.DeleteValue(key.get(), write.name);
    }
    return;
  }
  ScopedKey key = OpenForWriting(registry, write.root, write.key, KeyUse::Created);
  if (!key || registry.SetValue(key.get(), write.name, prior->type, prior->data) !=
                  platform::RegStatus::Ok) {
    failures.Add("cannot restore " + Describe(write.root, write.key, write.name));
  }
}

bool KeyIsEmpty(platform::Registry& registry, RootKey root, std::string_view key) {
  platform::KeyHandle opened;
  if (registry.OpenKey(platform::RootHandle(root), key, platform::KeyAccess::Read, opened) !=
      platform::RegStatus::Ok) {
    return false;
  }
  ScopedKey scoped(registry, opened);
  platform::KeyInfo info;
  return registry.QueryInfo(opened, info) == platform::RegStatus::Ok && info.subkeyCount == 0 &&
         info.valueCount == 0;
}

// A key the run created: the key of a write and each parent up to the highest one missing
// before the run.
struct CreatedKey {
  RootKey root;
  std::string path;
};

bool SameText(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

// A record that names no parent of the write's key (a file edited by hand) removes nothing.
void AddCreatedKeys(const TweakWrite& write, std::string_view highestCreated,
                    std::vector<CreatedKey>& created) {
  const std::string_view written = write.key;
  const bool isParentOrKey =
      highestCreated.size() <= written.size() &&
      SameText(written.substr(0, highestCreated.size()), highestCreated) &&
      (highestCreated.size() == written.size() || written[highestCreated.size()] == '\\');
  if (!isParentOrKey) return;
  std::string key(write.key);
  while (key.size() >= highestCreated.size()) {
    created.push_back({write.root, key});
    const std::size_t slash = key.rfind('\\');
    if (slash == std::string::npos) break;
    key.erase(slash);
  }
}

// Deletes the keys the run created, the deepest first, each only while it is empty, so what
// others put there meanwhile stays.
void RemoveCreatedKeys(platform::Registry& registry, std::vector<CreatedKey> created) {
  const auto depth = [](const CreatedKey& key) {
    return std::count(key.path.begin(), key.path.end(), '\\');
  };
  std::stable_sort(created.begin(), created.end(),
                   [&](const CreatedKey& a, const CreatedKey& b) { return depth(a) > depth(b); });
  for (const CreatedKey& key : created) {
    if (KeyIsEmpty(registry, key.root, key.path)) {
      (void)registry.DeleteKey(platform::RootHandle(key.root), key.path);
    }
  }
}

// Puts back the values before the run, and collects the keys the run created.
void RestoreExactly(platform::Registry& registry, ProfileFile& file, const Tweak& tweak,
                    std::vector<CreatedKey>& created, StepFailures& failures) {
  for (std::size_t i = tweak.apply.size(); i-- > 0;) {
    const TweakWrite& write = tweak.apply[i];
    if (const auto highest = file.Read(tweak.section, CreatedKeyName(i));
        highest && !highest->empty()) {
      AddCreatedKeys(write, *highest, created);
    }
    if (write.kind == WriteKind::KeyOnly) continue;
    const std::optional<std::string> line = file.Read(tweak.section, PriorKeyName(i));
    const auto prior = DecodePriorValue(line.value_or(""));
    if (!prior) {
      failures.Add("unreadable " + PriorKeyName(i) + " in [" + std::string(tweak.section) + "]");
      continue;
    }
    PutBackPrior(registry, write, *prior, failures);
  }
}

void RunRestoreStep(platform::Registry& registry, ProfileFile& file, const Tweak& tweak,
                    const RestoreStep& step, StepFailures& failures) {
  if (step.kind == RestoreKind::DeleteKeyTree) {
    if (KeyExists(registry, step.root, step.key)) {
      std::string_view parent = step.key.substr(0, step.key.rfind('\\'));
      std::string_view leaf = step.key.substr(step.key.rfind('\\') + 1);
      ScopedKey key = OpenForWriting(registry, step.root, parent, KeyUse::Existing);
      if (!key || !model::DeleteKeyTree(registry, key.get(), leaf)) {
        failures.Add("cannot delete " + FullKeyName(step.root, step.key));
      }
    }
    return;
  }
  ScopedKey key = OpenForWriting(registry, step.root, step.key, step.use);
  if (!key) return;  // an existing-only key that is missing: nothing to do
  const std::string saved =
      step.savedKey == 0
          ? std::string(step.text)
          : file.Read(tweak.section, SavedKeyName(static_cast<std::size_t>(step.savedKey - 1)))
                .value_or("");
  bool done = true;
  switch (step.kind) {
    case RestoreKind::DeleteValue:
      (void)registry.DeleteValue(key.get(), step.name);
      break;
    case RestoreKind::WriteText:
      done = WriteText(registry, key.get(), step.name, saved);
      break;
    case RestoreKind::WriteInteger:
      done = WriteInteger(
          registry, key.get(), step.name,
          step.savedKey == 0 ? step.number : static_cast<std::uint32_t>(DecimalOrZero(saved)));
      break;
    case RestoreKind::DeleteKeyTree:
      break;
  }
  if (!done) failures.Add("cannot restore " + Describe(step.root, step.key, step.name));
}

}  // namespace

void BackupTweakValues(platform::Registry& registry, ProfileFile& file, const Tweak& tweak,
                       StepFailures& failures) {
  if (!file.SectionKeys(tweak.section).empty()) return;
  // The prior state comes first: the saved keys below may create keys and values themselves.
  for (std::size_t i = 0; i < tweak.apply.size(); ++i) {
    const TweakWrite& write = tweak.apply[i];
    const std::optional<RegValue> prior =
        write.kind == WriteKind::KeyOnly ? std::nullopt
                                         : ReadValue(registry, write.root, write.key, write.name);
    WriteToFile(file, tweak.section, PriorKeyName(i), EncodePriorValue(prior), failures);
    if (write.use == KeyUse::Created) {
      if (const auto missing = FirstMissingKey(registry, write.root, write.key)) {
        WriteToFile(file, tweak.section, CreatedKeyName(i), *missing, failures);
      }
    }
  }
  for (std::size_t i = 0; i < tweak.saved.size(); ++i) {
    WriteToFile(file, tweak.section, SavedKeyName(i), SavedText(registry, tweak.saved[i]),
                failures);
  }
}

void ApplyTweak(platform::Registry& registry, const Tweak& tweak, StepFailures& failures) {
  for (const TweakWrite& write : tweak.apply) {
    ScopedKey key = OpenForWriting(registry, write.root, write.key, write.use);
    if (!key) {
      if (write.use == KeyUse::Created) {
        failures.Add("cannot create " + FullKeyName(write.root, write.key));
      }
      continue;
    }
    bool done = true;
    if (write.kind == WriteKind::Text)
      done = WriteText(registry, key.get(), write.name, write.text);
    if (write.kind == WriteKind::Integer) {
      done = WriteInteger(registry, key.get(), write.name, write.number);
    }
    if (!done) failures.Add("cannot write " + Describe(write.root, write.key, write.name));
  }
}

void ApplyTweaks(platform::Registry& registry, ProfileFile& file, const TweakBoxes& boxes,
                 StepFailures& failures) {
  for (const Tweak& tweak : TweakTable()) {
    if (!boxes[static_cast<std::size_t>(tweak.box - 1)]) continue;
    BackupTweakValues(registry, file, tweak, failures);
    ApplyTweak(registry, tweak, failures);
  }
}

namespace {

void RestoreSectionValues(platform::Registry& registry, ProfileFile& file, std::string_view section,
                          std::vector<CreatedKey>& created, StepFailures& failures) {
  if (file.SectionKeys(section).empty()) return;
  const auto& table = TweakTable();
  // Box 27 owns the section it shares with box 13.
  const auto owner = std::find_if(table.rbegin(), table.rend(),
                                  [&](const Tweak& tweak) { return tweak.section == section; });
  if (owner == table.rend()) return;
  // Files written before the prior values were saved have only F1 to F4.
  if (file.Read(section, PriorKeyName(0))) {
    RestoreExactly(registry, file, *owner, created, failures);
    return;
  }
  for (const RestoreStep& step : owner->restore) {
    RunRestoreStep(registry, file, *owner, step, failures);
  }
}

}  // namespace

void RestoreSection(platform::Registry& registry, ProfileFile& file, std::string_view section,
                    StepFailures& failures) {
  std::vector<CreatedKey> created;
  RestoreSectionValues(registry, file, section, created, failures);
  RemoveCreatedKeys(registry, std::move(created));
}

void RestoreTweaks(platform::Registry& registry, ProfileFile& file, StepFailures& failures) {
  // The created keys go last: sections share keys, and a key is empty only once all are done.
  std::vector<CreatedKey> created;
  for (const std::string_view section : RestoreOrder()) {
    RestoreSectionValues(registry, file, section, created, failures);
  }
  RemoveCreatedKeys(registry, std::move(created));
}

}  // namespace halvex::tools::system_speed
