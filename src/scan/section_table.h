#pragma once
// The seventeen scan sections as one table: what the driver passes to each section's scan,
// how its repair runs, and its routines. Captions and ignore categories are in
// model/scan_sections.h.
#include <array>
#include <span>
#include <string_view>

#include "model/scan_sections.h"
#include "platform/registry.h"
#include "scan/section_routines.h"

namespace halvex::scan {

// How a section's repair differs from the standard loop.
struct RepairStyle {
  // Lets the user interface handle messages before each record.
  bool processMessages = true;
  // The root name that the progress label and the repair record leave out of the key path
  // ("" to show the key path as it is).
  std::string_view hiddenRootName{};
};

struct SectionRow {
  int number;
  // Each root is one run of the scan routine into the section's collection; a section that
  // walks no registry area (the shortcut scan) gets RootKey::None.
  std::span<const platform::RootKey> roots;
  std::string_view startKey;
  RepairStyle repair;
  const SectionRoutines& routines;
};

// Sections 1 .. 17, in scan order: row i is section i + 1.
std::span<const SectionRow> SectionTable();
// The row of section 1 .. 17; nullptr for any other number.
const SectionRow* FindSection(int number);

}  // namespace halvex::scan
