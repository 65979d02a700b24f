#pragma once
// The recursive walk that the sections over whole registry trees share (the COM registrations,
// the user and the system software settings). Each key is opened read-only once: the walk
// examines it through that handle and then enumerates its subkeys by index with it. It keeps one
// handle and one subkey name per level and builds no list of names, so its memory follows the
// depth of the tree, not its size.
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "scan/section_scan.h"

namespace halvex::scan {

// A key the walk reached, open for reading while the section examines it.
struct WalkedKey {
  platform::KeyHandle handle;
  std::string_view path;  // below the root, e.g. "CLSID\{...}\InprocServer32"
  std::string_view name;  // the last name of the path
  platform::KeyInfo info;
};

// What a section tells the walk: which keys it passes over, where it stops going deeper, and its
// work on each key.
class KeyWalkRules {
 public:
  virtual ~KeyWalkRules() = default;
  // A key passed over with everything below it: neither examined nor walked.
  virtual bool PassesOver(std::string_view name) const = 0;
  // Whether the walk goes below the key at `path`; a key not walked below is still examined.
  virtual bool WalksBelow(std::string_view path) const = 0;
  // The section's work on one key, done before the keys below it are walked.
  virtual void Examine(SectionScan& scan, const WalkedKey& key) = 0;
};

// Walks every key below `path` of the scan's root (the root itself for ""), depth first in
// enumeration order; a key that does not open is passed over. Each subkey counts as a visit (the
// progress line shows every 200th) and gives the user interface a turn; then the abort flag is
// tested, and once the user stopped the scan the whole walk ends before that key.
void WalkKeys(SectionScan& scan, std::string_view path, KeyWalkRules& rules);

// Whether the key opens for reading and writing. The sections report problems only in keys that
// do: a key the program may read but not change (one the system protects) could not be repaired.
bool OpensForWriting(platform::Registry& registry, platform::RootKey root, std::string_view path);

// The text of a string or expandable-string value, cut at its first NUL; nullopt for a value of
// any other type, and "" for an absent or empty one. Data larger than the first read is read
// whole.
std::optional<std::string> ReadText(platform::Registry& registry, platform::KeyHandle key,
                                    std::string_view name);

}  // namespace halvex::scan
