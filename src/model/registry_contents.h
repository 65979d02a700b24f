#pragma once
// The problem record that a scan section adds for every broken entry, the repair record that a
// repair leaves for every problem it processed, and their collections.
//
// Collections are plain std::vector of value records: an item is appended with all fields
// zero, empty or false and addressed by its position, so erasing one shifts every later item
// down by one. Three records of the program are called TContent (problem, ignore entry, error
// entry); each lives in a namespace named after its list so that the names stay apart.
#include <cstdint>
#include <string>
#include <vector>

namespace halvex::model {

namespace registry_content {

// One problem. All texts are 8-bit strings in the system code page.
struct TContent {
  bool Marked = false;         // marked for repair
  std::string KeyPath;         // full key path: root name, "\", the key below the root
  std::string ItemName;        // the subject of the problem inside the key (section-dependent)
  std::string ValueName;       // "default" stands for the unnamed default value
  std::string ValueData;       // the value's data as text
  std::string DisplayName;     // empty for scan problems
  std::string KindCode;        // one-character kind code; empty for scan problems
  std::int32_t ProblemNo = 0;  // running number within one scan, across all sections
  std::string DetailKeyPath;   // the four lines of the problem's description
  std::string DetailValueName;
  std::string DetailValue;
  std::string DetailProblem;

  friend bool operator==(const TContent&, const TContent&) = default;
};

}  // namespace registry_content

using TRegistryContents = std::vector<registry_content::TContent>;

// One processed problem: its key path and the outcome ("Repaired Successfully", ...).
struct TRepairRec {
  std::string KeyPath;
  std::string Status;

  friend bool operator==(const TRepairRec&, const TRepairRec&) = default;
};

using TRepairContents = std::vector<TRepairRec>;

}  // namespace halvex::model
