#pragma once
// Running one scan section alone, as the driver runs it (with the ignore list read from its
// file), and repairing what it found through the standard repair loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/ignore_list.h"
#include "model/scan_sections.h"
#include "scan/repair_loop.h"
#include "scan/section_table.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {

// Scans the section alone and returns its problems.
inline const model::TRegistryContents& ScanOnly(ScanRun& run, int section) {
  scan::SectionChoice choice{};
  choice[static_cast<std::size_t>(section - 1)] = true;
  scan::ScanContext context = run.context();
  (void)scan::ScanAllSections(context, choice);
  return run.model.SectionContents[static_cast<std::size_t>(section)];
}

// One field of every problem, in the order the section found them.
inline std::vector<std::string> FieldOfEach(const model::TRegistryContents& problems,
                                            std::string model::registry_content::TContent::*field) {
  std::vector<std::string> texts;
  for (const auto& problem : problems) texts.push_back(problem.*field);
  return texts;
}

// Repairs the section's marked problems and returns the statuses of its repair records.
inline std::vector<std::string> RepairOnly(ScanRun& run, int section,
                                           scan::RepairFrontEnd& frontEnd) {
  scan::RepairContext context{run.machine.platform(), run.model, frontEnd};
  scan::RepairSection(context, *scan::FindSection(section));
  std::vector<std::string> statuses;
  for (const auto& record : run.model.RepairContents) statuses.push_back(record.Status);
  return statuses;
}

// Stores an exclusion as the results view does, under the section's exclusion category.
inline void Exclude(ScratchMachine& machine, int section, std::string_view keyPath,
                    std::string_view valueName) {
  machine.AddFolder("C:\\Program Files\\Halvex");
  ASSERT_TRUE(model::AppendIgnoreEntry(machine.files(), model::ExclusionCategory(section), keyPath,
                                       valueName));
}

}  // namespace halvex::testing
