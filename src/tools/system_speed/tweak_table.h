#pragma once
// The 27 tweaks of the speed optimizer's third page as data: each box's caption, the section of
// the speed backup file that holds its saved values, the values it saves (F1 to F4), the values
// its apply writes, and the restore of files that hold only F1 to F4. One backup, one apply and
// one restore routine (tweaks.h) carry out every row.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/registry.h"

namespace halvex::tools::system_speed {

using platform::RootKey;

inline constexpr int kTweakCount = 27;

// Whether an action creates its key when missing or does nothing then.
enum class KeyUse { Created, Existing };

// How a saved key (F1 to F4) is read and written into the file.
enum class SavedAs {
  Integer,        // REG_DWORD in decimal; 0 when absent or of another type
  Text,           // REG_SZ as read; empty when absent or of another type
  TextAsInteger,  // REG_SZ converted to an integer; 0 when absent or not a decimal number
  TextOrInteger,  // REG_SZ as read, or a REG_DWORD's decimal text
  Empty,          // nothing is read: the key holds the empty text
};

// One saved key. `writeFirst` names the value to write before reading when it is missing.
struct SavedValue {
  RootKey root;
  std::string_view key;
  std::string_view name;  // empty: the default value
  SavedAs as;
  KeyUse open = KeyUse::Existing;  // Created: the backup opens the key with creation
  bool writeFirst = false;
  std::uint32_t firstValue = 0;
};

// What an apply writes: a text, an integer, or only the key.
enum class WriteKind { Text, Integer, KeyOnly };

struct TweakWrite {
  RootKey root;
  std::string_view key;
  KeyUse use;
  WriteKind kind;
  std::string_view name = {};  // empty: the default value
  std::string_view text = {};
  std::uint32_t number = 0;
};

// A step of the restore of a file written before the program saved what was there before
// each write.
enum class RestoreKind {
  DeleteValue,
  WriteText,     // `text`, or saved key `savedKey` when it is set
  WriteInteger,  // `number`, or saved key `savedKey` converted
  DeleteKeyTree,
};

struct RestoreStep {
  RestoreKind kind;
  RootKey root;
  std::string_view key;
  KeyUse use;
  std::string_view name = {};
  int savedKey = 0;  // 1 to 4: F1 to F4; 0: the literal below
  std::string_view text = {};
  std::uint32_t number = 0;
};

struct Tweak {
  int box;  // N of OchkN
  std::string_view caption;
  std::string_view section;
  std::string_view description;  // shown in MemoReg while the pointer is over the box
  std::span<const SavedValue> saved;
  std::span<const TweakWrite> apply;
  std::span<const RestoreStep> restore;
};

// Box N is row N - 1.
const std::array<Tweak, kTweakCount>& TweakTable();
const Tweak& TweakOfBox(int box);

// The sections in the order the restore visits them.
std::span<const std::string_view> RestoreOrder();

// Which boxes models 1 to 5 tick; model 0 leaves the boxes alone and model 6 unticks them all.
using TweakBoxes = std::array<bool, kTweakCount>;
void PresetTweaks(int model, TweakBoxes& boxes);

}  // namespace halvex::tools::system_speed
