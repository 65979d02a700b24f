#pragma once
// Full key paths: a root name, one backslash and the key path below the root,
// e.g. HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\SharedDlls.
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace halvex::model {

using platform::RootKey;

// The value name that stands for a key's unnamed default value (exactly this, lower case).
inline constexpr std::string_view kDefaultValueName = "default";

// The root's name, or the empty text for a handle that has none.
std::string RootKeyName(RootKey root);
// Exact, case-sensitive match with the five root names; anything else gives RootKey::None.
RootKey RootKeyFromName(std::string_view name);

// A full key path taken apart. `absolutePath` is everything from the first backslash on
// (so it begins with a backslash), or empty when the text has no backslash.
struct SplitKeyPath {
  RootKey root = RootKey::None;
  std::string absolutePath;
};

// Removes only the leading root name: a key below the root whose name contains a root name,
// such as ...\Software\OldHKEY_USERS, keeps its path intact. Every repair names keys this way.
SplitKeyPath SplitFullKeyPath(std::string_view fullKeyPath);

// The platform's name for a stored value name: "default" becomes the unnamed value.
std::string_view PlatformValueName(std::string_view valueName);

}  // namespace halvex::model
