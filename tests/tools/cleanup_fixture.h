#pragma once
// The one tree the clean-up tools' tests walk: drive C: with junk, names in several folders and
// folders the walks must not enter, drive D: of its own, and drive E: onto C:\Data.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/scratch_machine.h"
#include "tools/cleanup/cleanup_services.h"

namespace halvex::testing {

class CleanupFixture {
 public:
  // 4 GiB and 512 bytes: a size whose low 32 bits alone would read 512.
  static constexpr std::uint64_t kHugeSize = (4ull << 30) + 512;

  CleanupFixture() {
    using namespace platform::file_attribute;
    machine.AddFile("C:\\Temp\\old.bak\\a.tmp", std::string(1000, 'a'));
    machine.AddFile("C:\\Temp\\Thumbs.db", "t");
    machine.AddFile("C:\\Temp\\A.TMP", "u");
    machine.AddFile("C:\\Temp\\b.tmp", std::string(2048, 'b'));
    SetAttributes("C:\\Temp\\b.tmp", kReadOnly | kArchive);
    machine.AddFile("C:\\Temp\\huge.log");
    std::filesystem::resize_file(*machine.files().HostPath("C:\\Temp\\huge.log"), kHugeSize);
    machine.AddFile("C:\\ReadOnly\\r.tmp", "r");
    SetAttributes("C:\\ReadOnly", kReadOnly | kDirectory);
    machine.AddFile("C:\\Archived\\c.tmp", "c");
    SetAttributes("C:\\Archived", kArchive | kDirectory);
    machine.AddFile("C:\\Link\\l.tmp", "l");
    SetAttributes("C:\\Link", kReparsePoint | kDirectory);
    machine.AddFile("C:\\One\\a.txt", std::string(512, '1'));
    machine.AddFile("C:\\Two\\a.txt", std::string(513, '2'));
    machine.AddFile("D:\\Three\\a.txt", std::string(512, '3'));
    machine.AddFile("C:\\WINDOWS\\a.txt", "w");
    machine.AddFile("C:\\Data\\v1.0\\d.dat", "d");
    machine.AddFile("D:\\v1.0\\d.dat", "d");
    machine.AddFile("C:\\Program Files\\Halvex\\readme.txt", "ours");
  }

  void SetAttributes(std::string_view path, std::uint32_t attributes) {
    ASSERT_TRUE(machine.files().SetAttributes(path, attributes)) << path;
  }

  static constexpr std::uint32_t kReparsePoint = 0x400;

  ScratchMachine machine{{},
                         {{'C', platform::DriveType::Fixed},
                          {'D', platform::DriveType::Fixed},
                          {'E', platform::DriveType::Fixed, "C:\\Data"}}};
  tools::cleanup::CleanupServices services{machine.platform(), machine.shell, machine.identities};
};

}  // namespace halvex::testing
