#pragma once
// What repairing one problem changes. Each section says it for its problems, so that the repair
// and the backup written before it agree on exactly what goes.
#include <string>

#include "platform/platform.h"

namespace halvex::scan {

struct RepairTarget {
  enum class Kind {
    Value,    // one value of a key: `keyPath` and `valueName` ("default" for the unnamed one)
    KeyTree,  // a whole key with all its values and subkeys: `keyPath`
    File,     // a file: `filePath`
    // A record that is listed but whose repair changes nothing: it is reported repaired, and
    // neither the registry nor the backup is touched for it.
    NoChange,
    // A record that changes nothing itself but stands for a part of the key `keyPath`, which
    // another record of the same repair deletes: repaired once that key is gone, and not while
    // it remains. The backup saves nothing for it; the key's own record saves the key.
    GoneWithKey,
  };
  Kind kind = Kind::Value;
  std::string keyPath;  // a full key path, beginning with the root's name
  std::string valueName;
  std::string filePath;
};

// Whether repairing the target changes the registry, and so whether the backup must save it.
bool ChangesRegistry(const RepairTarget& target);

enum class RepairOutcome {
  Done,         // the change was made
  AlreadyGone,  // there was nothing left to delete: the target had vanished since the scan
  Failed,       // the target is still there
};

// Deletes the target through the registry's delete operations or the file system. A delete that
// fails counts as done when the target no longer exists; a NoChange target is done untouched.
RepairOutcome PerformRepair(platform::Platform& platform, const RepairTarget& target);

}  // namespace halvex::scan
