#pragma once
// The round trip's machine under Wine: the real registry, the Win32 files with the program
// folder in the prefix, and the system's registry editor.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process_runner.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "tests/backup/round_trip_binding.h"

namespace halvex::testing {

inline constexpr const char* kWineProgramFolder = "C:\\halvex-test\\roundtrip\\";

// The Win32 files with the program folder in the prefix: the test program itself lies on no
// drive under Wine, and the registry editor could not read a backup beside it.
class PrefixFiles final : public platform::FileSystem {
 public:
  bool FileExists(std::string_view p) override { return files.FileExists(p); }
  bool FolderExists(std::string_view p) override { return files.FolderExists(p); }
  bool CreateFolder(std::string_view p) override { return files.CreateFolder(p); }
  bool DeleteFile(std::string_view p) override { return files.DeleteFile(p); }
  bool CopyFile(std::string_view f, std::string_view t, bool e) override {
    return files.CopyFile(f, t, e);
  }
  bool ReplaceFile(std::string_view f, std::string_view t) override {
    return files.ReplaceFile(f, t);
  }
  std::optional<std::vector<platform::FileEntry>> ListFolder(std::string_view p) override {
    return files.ListFolder(p);
  }
  std::optional<std::uint32_t> Attributes(std::string_view p) override {
    return files.Attributes(p);
  }
  std::optional<std::string> ReadFile(std::string_view p) override { return files.ReadFile(p); }
  bool WriteFile(std::string_view p, std::string_view b) override { return files.WriteFile(p, b); }
  bool AppendFile(std::string_view p, std::string_view b) override {
    return files.AppendFile(p, b);
  }
  platform::DriveType GetDriveType(std::string_view r) override { return files.GetDriveType(r); }
  std::optional<platform::DiskSpace> GetDiskSpace(std::string_view r) override {
    return files.GetDiskSpace(r);
  }
  std::string WindowsFolder() override { return files.WindowsFolder(); }
  std::string SystemFolder() override { return files.SystemFolder(); }
  std::string TempFolder() override { return files.TempFolder(); }
  std::string ProgramFolder() override { return kWineProgramFolder; }

  platform::win32::Win32FileSystem files;
};

class Win32RoundTripMachine final : public RoundTripMachine {
 public:
  // Removes the fixture again, when Prepare ran.
  ~Win32RoundTripMachine() override;

  platform::Platform& platform() override { return platform_; }
  platform::ProcessRunner& editor() override { return runner; }
  // Makes the folders, notes whether Shared DLLs existed, removes what an earlier run left.
  bool Prepare(std::string& failure) override;
  scan::SectionChoice sections() const override;
  // Byte for byte as "regedit /e" writes it.
  std::string FullExport() override;

  platform::win32::Win32Registry registry;
  PrefixFiles files;
  platform::win32::Win32ProcessRunner runner;

 private:
  void RemoveFixture();

  platform::win32::Win32Locale locale_;
  platform::win32::Win32Clock clock_;
  platform::win32::Win32ShellLinks links_;
  platform::Platform platform_{registry, files, locale_, clock_, links_};
  bool prepared_ = false;
  bool sharedDllsExisted_ = false;
  // The keys of the system that the value and key sections' fixture made, removed afterwards.
  std::vector<std::string> madeSystemKeys_;
};

}  // namespace halvex::testing
