#pragma once
// User and system software settings: text values that name a folder or file that is gone,
// directly or as the program of a command line. System Software Settings walks
// HKEY_LOCAL_MACHINE and then HKEY_USERS, User Software Settings walks HKEY_CURRENT_USER; one
// code serves both, and what sets them apart is data (SoftwareSettingsRules). The repair
// deletes the value.
#include <span>
#include <string_view>

#include "scan/section_routines.h"

namespace halvex::scan {

struct SoftwareSettingsRules {
  // A key whose path holds any of these texts, without regard to case, is examined but the walk
  // does not go below it (a substring test: "SYSTEM" also stops ...\Policies\System).
  std::span<const std::string_view> unwalkedPathTexts;
  // A key named exactly "App Paths" is neither examined nor walked.
  bool passesOverAppPaths;
  // The ignore test comes after the driver test and the expansion instead of before them.
  bool ignoreTestAfterExpansion;
  // A text holding "Explorer.exe", in any case, ends the examination of its key as a driver does.
  bool explorerEndsKey;
  // A text holding "H:\" (upper case only) is never reported.
  bool passesOverDriveH;
  // The program path of a command line must hold ":\".
  bool commandPathNeedsDrive;
  // What a command-line problem of the default value stores as its value name.
  std::string_view commandDefaultValueName;
  // The DetailProblem patterns, filled with the expanded text or the program path.
  const char* directProblemText;
  const char* commandProblemText;
};

const SoftwareSettingsRules& UserSoftwareRules();
const SoftwareSettingsRules& SystemSoftwareRules();

const SectionRoutines& UserSoftwareSection();
const SectionRoutines& SystemSoftwareSection();

}  // namespace halvex::scan
