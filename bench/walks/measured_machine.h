#pragma once
// What the benchmark puts between the scan and the machine it runs on: a clock whose tick count
// is real time (the substitute's is scripted), and a file system that counts the file tests.
#include <chrono>
#include <cstdint>

#include "platform/platform.h"

namespace halvex::bench {

class RealTickClock final : public platform::Clock {
 public:
  explicit RealTickClock(platform::Clock& inner) : inner_(inner) {}
  platform::LocalTime Now() override { return inner_.Now(); }
  std::optional<platform::LocalTime> FileTimeToLocal(platform::FileTime time) override {
    return inner_.FileTimeToLocal(time);
  }
  std::uint32_t TickCount() override {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  }

 private:
  platform::Clock& inner_;
};

// Counts FileExists and FolderExists; with `everyFileExists` it answers yes without asking, so
// that a generated registry yields no problems whatever files lie on disk.
class CountingFiles final : public platform::FileSystem {
 public:
  explicit CountingFiles(platform::FileSystem& inner) : inner_(inner) {}

  std::uint64_t fileTests = 0;
  bool everyFileExists = false;

  bool FileExists(std::string_view p) override {
    ++fileTests;
    return everyFileExists || inner_.FileExists(p);
  }
  bool FolderExists(std::string_view p) override {
    ++fileTests;
    return everyFileExists || inner_.FolderExists(p);
  }
  bool CreateFolder(std::string_view p) override { return inner_.CreateFolder(p); }
  bool DeleteFile(std::string_view p) override { return inner_.DeleteFile(p); }
  bool CopyFile(std::string_view f, std::string_view t, bool e) override {
    return inner_.CopyFile(f, t, e);
  }
  bool ReplaceFile(std::string_view f, std::string_view t) override {
    return inner_.ReplaceFile(f, t);
  }
  std::optional<std::vector<platform::FileEntry>> ListFolder(std::string_view p) override {
    return inner_.ListFolder(p);
  }
  std::optional<std::uint32_t> Attributes(std::string_view p) override {
    return inner_.Attributes(p);
  }
  std::optional<std::string> ReadFile(std::string_view p) override { return inner_.ReadFile(p); }
  bool WriteFile(std::string_view p, std::string_view b) override { return inner_.WriteFile(p, b); }
  bool AppendFile(std::string_view p, std::string_view b) override {
    return inner_.AppendFile(p, b);
  }
  platform::DriveType GetDriveType(std::string_view r) override { return inner_.GetDriveType(r); }
  std::optional<platform::DiskSpace> GetDiskSpace(std::string_view r) override {
    return inner_.GetDiskSpace(r);
  }
  std::string WindowsFolder() override { return inner_.WindowsFolder(); }
  std::string SystemFolder() override { return inner_.SystemFolder(); }
  std::string TempFolder() override { return inner_.TempFolder(); }
  std::string ProgramFolder() override { return inner_.ProgramFolder(); }

 private:
  platform::FileSystem& inner_;
};

}  // namespace halvex::bench
