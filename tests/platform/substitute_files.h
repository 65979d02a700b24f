#pragma once
// The substitute file system as the contract suites run it: a fresh host folder as drive C:,
// with the Windows, system, temporary and program folders made, and the shortcut reader; and
// the substitute task scheduler on it.
#include <memory>

#include "tests/platform/platform_bindings.h"

namespace halvex::testing {

std::unique_ptr<FilesUnderTest> MakeSubstituteFiles();

// The substitute task scheduler over such a file system and a fixed clock.
std::unique_ptr<SchedulerUnderTest> MakeSubstituteScheduler();

// The substitute's profile files over such a file system.
std::unique_ptr<ProfilesUnderTest> MakeSubstituteProfiles();

}  // namespace halvex::testing
