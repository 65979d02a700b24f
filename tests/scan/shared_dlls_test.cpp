// Shared DLLs: which reference counts are broken, what is passed over, and the problem texts.
#include "scan/sections/shared_dlls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/ignore_list.h"
#include "scan/section_table.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
namespace reg_type = platform::reg_type;

constexpr const char* kSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

TEST(SharedDllReferenceCount, ReadsEveryKindOfData) {
  struct Case {
    const char* what;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    std::int64_t count;
  };
  const Case cases[] = {
      {"decimal text", reg_type::kString, {'1', '2', 0}, 12},
      {"text that is no number", reg_type::kString, {'a', 'b', 'c', 0}, 0},
      {"empty text", reg_type::kString, {0}, 0},
      {"text with blanks", reg_type::kExpandString, {' ', '7', ' ', 0}, 7},
      {"text with a plus sign", reg_type::kString, {'+', '5', 0}, 5},
      {"text with a minus sign", reg_type::kString, {'-', '5', 0}, -5},
      {"text with two signs", reg_type::kString, {'+', '-', '5', 0}, 0},
      {"integer", reg_type::kDword, {3, 0, 0, 0}, 3},
      {"integer zero", reg_type::kDword, {0, 0, 0, 0}, 0},
      {"binary 0A 00 00 00", reg_type::kBinary, {0x0A, 0, 0, 0}, 10},
      {"binary 10", reg_type::kBinary, {0x10}, 16},
      {"binary of two bytes", reg_type::kBinary, {0x01, 0x01}, 257},
      {"binary beyond four bytes", reg_type::kBinary, {1, 0, 0, 0, 9}, 1},
      {"binary FF FF FF FF", reg_type::kBinary, {0xFF, 0xFF, 0xFF, 0xFF}, 4294967295},
      {"empty binary", reg_type::kBinary, {}, 0},
      {"multi-string", reg_type::kMultiString, {'1', 0, 0}, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scan::SharedDllReferenceCount(c.type, c.data), c.count) << c.what;
  }
}

class SharedDllsScan : public ::testing::Test {
 protected:
  // Runs section 4 alone; returns the value names it reported.
  std::vector<std::string> ScanSection() {
    scan::SectionChoice choice{};
    choice[3] = true;
    scan::ScanContext context = run.context();
    (void)scan::ScanAllSections(context, choice);
    std::vector<std::string> names;
    for (const auto& problem : run.model.SectionContents[4]) names.push_back(problem.ValueName);
    return names;
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
};

TEST_F(SharedDllsScan, ReportsMissingFilesAndZeroCounts) {
  machine.AddFile("C:\\WINDOWS\\system32\\x.dll");
  machine.AddFile("C:\\WINDOWS\\system32\\zero.dll");
  machine.AddFile("C:\\App\\ten.dll");
  machine.SetDword(kSharedDlls, "C:\\WINDOWS\\system32\\x.dll", 3);
  machine.SetDword(kSharedDlls, "C:\\WINDOWS\\system32\\zero.dll", 0);
  machine.SetDword(kSharedDlls, "C:\\WINDOWS\\system32\\missing.dll", 1);
  machine.SetString(kSharedDlls, "C:\\App\\text.dll", "abc");
  machine.SetValue(kSharedDlls, "C:\\App\\ten.dll", reg_type::kBinary, {0x0A, 0, 0, 0});
  EXPECT_THAT(ScanSection(),
              ElementsAre("C:\\WINDOWS\\system32\\zero.dll", "C:\\WINDOWS\\system32\\missing.dll",
                          "C:\\App\\text.dll"));
  EXPECT_EQ(run.model.SectionContents[4][0].ValueData, "0");
  EXPECT_EQ(run.model.SectionContents[4][1].ValueData, "1");
}

TEST_F(SharedDllsScan, FillsTheProblemRecord) {
  run.model.counters.problemCounter = 10;  // problems numbered on from earlier sections
  machine.SetDword(kSharedDlls, "C:\\gone.dll", 2);
  scan::ScanContext context = run.context();
  scan::SectionScan section(context, *scan::FindSection(4), platform::RootKey::LocalMachine);
  scan::SharedDllsSection().Scan(section);
  ASSERT_EQ(run.model.SectionContents[4].size(), 1u);
  const model::registry_content::TContent& problem = run.model.SectionContents[4][0];
  EXPECT_TRUE(problem.Marked);
  EXPECT_EQ(problem.KeyPath, kSharedDlls);
  EXPECT_EQ(problem.ItemName, "SharedDlls");
  EXPECT_EQ(problem.ValueName, "C:\\gone.dll");
  EXPECT_EQ(problem.ValueData, "2");
  EXPECT_EQ(problem.ProblemNo, 11);
  EXPECT_EQ(problem.DetailKeyPath, std::string(" Key Path:") + kSharedDlls);
  EXPECT_EQ(problem.DetailValueName, " ValueName:default");
  EXPECT_EQ(problem.DetailValue, " Value:C:\\gone.dll");
  EXPECT_EQ(problem.DetailProblem,
            " The file (C:\\gone.dll) does not exist at the specified location");
  EXPECT_THAT(run.frontEnd.counts, ElementsAre(std::pair<int, std::size_t>{4, 1}));
}

TEST_F(SharedDllsScan, MarksNewProblemsByTheSelectAllSetting) {
  run.settings.SelectAll = false;
  machine.SetDword(kSharedDlls, "C:\\gone.dll", 2);
  (void)ScanSection();
  ASSERT_EQ(run.model.SectionContents[4].size(), 1u);
  EXPECT_FALSE(run.model.SectionContents[4][0].Marked);
}

TEST_F(SharedDllsScan, PassesOverDriversRemovableDrivesAndNetworkPaths) {
  for (const char* name : {"C:\\WINDOWS\\system32\\drivers\\x.sys", "C:\\WINDOWS\\old.VXD",
                           "D:\\setup\\cd.dll", "d:\\setup\\lower.dll", "\\\\server\\share\\n.dll",
                           "A:\\floppy.dll", "C:\\DATA:\\odd.dll"}) {
    machine.SetDword(kSharedDlls, name, 0);
  }
  machine.SetDword(kSharedDlls, "C:\\reported.dll", 1);
  EXPECT_THAT(ScanSection(), ElementsAre("C:\\reported.dll"));
}

TEST_F(SharedDllsScan, AnIgnoredValueSkipsOnlyThatValue) {
  machine.SetDword(kSharedDlls, "C:\\first.dll", 1);
  machine.SetDword(kSharedDlls, "C:\\ignored.dll", 1);
  machine.SetDword(kSharedDlls, "C:\\after.dll", 1);
  machine.AddFolder("C:\\Program Files\\Halvex");
  ASSERT_TRUE(model::AppendIgnoreEntry(machine.files(), "Shared DLL's Sections",
                                       "hkey_local_machine\\software\\microsoft\\windows\\"
                                       "currentversion\\shareddlls",
                                       "C:\\ignored.dll"));
  EXPECT_THAT(ScanSection(), ElementsAre("C:\\first.dll", "C:\\after.dll"));
}

TEST_F(SharedDllsScan, AMissingMsoeDllIsPassedOverAndTheScanGoesOn) {
  machine.SetDword(kSharedDlls, "C:\\Office\\msoe.dll", 1);
  machine.SetDword(kSharedDlls, "C:\\Office\\MSOE.DLL.old", 1);
  machine.SetDword(kSharedDlls, "C:\\Office\\later.dll", 1);
  EXPECT_THAT(ScanSection(), ElementsAre("C:\\Office\\MSOE.DLL.old", "C:\\Office\\later.dll"));
}

TEST_F(SharedDllsScan, AMissingKeyOrNoValuesFindNothing) {
  EXPECT_THAT(ScanSection(), ElementsAre());
  machine.SetDword("HKEY_LOCAL_MACHINE\\SOFTWARE\\Other", "C:\\x.dll", 0);
  EXPECT_THAT(ScanSection(), ElementsAre());
  EXPECT_THAT(run.frontEnd.counts,
              ElementsAre(std::pair<int, std::size_t>{4, 0}, std::pair<int, std::size_t>{4, 0}))
      << "only the driver's reset of the count label";
}

TEST_F(SharedDllsScan, RepairDeletesTheValue) {
  machine.SetDword(kSharedDlls, "C:\\gone.dll", 1);
  (void)ScanSection();
  const scan::RepairTarget target =
      scan::SharedDllsSection().TargetOf(run.model.SectionContents[4].at(0));
  EXPECT_EQ(target.kind, scan::RepairTarget::Kind::Value);
  EXPECT_EQ(scan::PerformRepair(machine.platform(), target), scan::RepairOutcome::Done);
  EXPECT_FALSE(machine.ValueExists(kSharedDlls, "C:\\gone.dll"));
}

}  // namespace
}  // namespace halvex::testing
