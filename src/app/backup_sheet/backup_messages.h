#pragma once
// The texts of the backup windows' message boxes and labels, caption "Hal Vex".
namespace halvex::app {

inline constexpr const char* kNoBackupSelected = "You not select registry item!";
inline constexpr const char* kRestoreQuestion = "Do you want to restore registry now?";
inline constexpr const char* kRestoreDone = "Restore registry successfully!";
// When the registry editor did not end well, or what it imported is not in the registry.
inline constexpr const char* kRestoreFailed = "Restore registry was failed.";
// After a restore whose shortcuts could not all be copied back; the paths follow, one a line.
inline constexpr const char* kShortcutsNotRestored =
    "These shortcuts were not copied back, as a file of that name exists now or the copy "
    "failed:";
inline constexpr const char* kRemoveQuestion = "Do you want to remove this file now?";
inline constexpr const char* kRemoveDone = "Backup file was removed!";
inline constexpr const char* kRemoveFailed = "Backup file was remove failed!";

inline constexpr const char* kFullBackupWaitMessage = "Backup registry, please wait...";
inline constexpr const char* kFullBackupCreated = "Registry backup file was created successfully!";
inline constexpr const char* kFullBackupFailed = "Creating registry backup was failed.";

}  // namespace halvex::app
