#pragma once
// A large registry that looks real, for timing the walking sections: vendor trees in the
// machine's, the user's and the users' hives; classes with their server, type library and help
// folder keys; the subtrees the walks pass over; every value type, default values included; text
// values that hold words, paths, quoted command lines and %SystemRoot% forms. Every file a value
// names lies below one folder of drive C:, and all of them exist but the broken share.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace halvex::bench {

struct GeneratorSettings {
  std::uint32_t seed = 1;
  int keys = 10000;  // keys below the generated trees, roughly
  int depth = 5;     // levels of a vendor tree below its vendor key
  int valuesPerKey = 4;
  double brokenShare = 0.05;  // of the references, how many name nothing
};

// The folder every referenced file lies in.
inline constexpr const char* kBenchFolder = "C:\\HalvexBench";

struct GeneratedFiles {
  std::vector<std::string> existing;  // Windows paths, below kBenchFolder
  int brokenReferences = 0;
  // The full paths of the generated trees' top keys: a .reg file deleting them undoes an import.
  std::vector<std::string> topKeys;
};

// Fills the registry and says which files must exist.
GeneratedFiles GenerateRegistry(platform::Registry& registry, const GeneratorSettings& settings);

// Writes a machine folder (registry.reg, machine.ini, drives/C with the files), whose
// registry.reg the system's registry editor imports as it is, and cleanup.reg beside it.
// Returns an error text, empty on success.
std::string WriteMachineFolder(const std::filesystem::path& folder,
                               const GeneratorSettings& settings);

}  // namespace halvex::bench
