#pragma once
// What the scan tests run with: front ends that record what the scan and the repair showed, and
// a scan model, settings and front end wired to a scratch machine.
#include <functional>
#include <string>
#include <vector>

#include "model/drive_checks.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "scan/repair_loop.h"
#include "scan/scan_driver.h"
#include "scan/scan_front_end.h"
#include "tests/support/scratch_machine.h"

namespace halvex::testing {

// Drive C: fixed and D: a CD-ROM, whose files the scan passes over.
inline const std::vector<ScratchDrive> kScanDrives = {{'C', platform::DriveType::Fixed},
                                                      {'D', platform::DriveType::CdRom}};

// Records the scan's milestones; `onProcessMessages` lets a test act "while the user waits",
// e.g. press Abort after the n-th entry.
class RecordingScanFrontEnd final : public scan::ScanFrontEnd {
 public:
  void ShowProgress(std::string_view text) override { progress.emplace_back(text); }
  void ShowSectionCount(int section, std::size_t count) override {
    counts.push_back({section, count});
  }
  void ProcessMessages() override {
    ++pumps;
    if (onProcessMessages) onProcessMessages();
  }
  void SectionStarted(int section) override { started.push_back(section); }
  void SectionSkipped(int section) override { skipped.push_back(section); }
  void SectionFinished(int section, std::size_t count) override {
    finished.push_back({section, count});
  }
  void SectionFailed(int section, std::string_view message) override {
    failures.push_back({section, std::string(message)});
  }

  std::vector<std::string> progress;
  std::vector<std::pair<int, std::size_t>> counts;
  std::vector<int> started, skipped;
  std::vector<std::pair<int, std::size_t>> finished;
  std::vector<std::pair<int, std::string>> failures;
  int pumps = 0;
  std::function<void()> onProcessMessages;
};

class RecordingRepairFrontEnd final : public scan::RepairFrontEnd {
 public:
  void ShowRepairProgress(std::string_view text) override { progress.emplace_back(text); }
  void ShowRepairCount(std::size_t count) override { lastCount = count; }
  void ProcessMessages() override {
    if (onProcessMessages) onProcessMessages();
  }

  std::vector<std::string> progress;
  std::size_t lastCount = 0;
  std::function<void()> onProcessMessages;
};

// A scan model, settings and front end wired to a machine, ready to run sections.
struct ScanRun {
  // As the main window does when it is created: the drive list is built once, before any scan.
  explicit ScanRun(ScratchMachine& machine) : machine(machine) {
    settings.SelectAll = true;
    model.ExcludedDrives = model::BuildExcludedDriveList(machine.files(), model.abortFlag);
  }
  scan::ScanContext context() {
    return scan::ScanContext{machine.platform(), model, settings, frontEnd};
  }

  ScratchMachine& machine;
  model::ScanModel model;
  model::TMyRegistryInfo settings;
  RecordingScanFrontEnd frontEnd;
};

}  // namespace halvex::testing
