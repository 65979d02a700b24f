#include "cli/repair_report.h"

#include <algorithm>

#include "repair/finish_list.h"

namespace halvex::cli {
namespace {

bool Failed(const model::TRepairRec& record) {
  return scan::StatusColourOf(record.Status) == scan::kErrorStatusColour;
}

}  // namespace

nlohmann::ordered_json RepairReportJson(const std::optional<std::string>& backupPath,
                                        const model::TRepairContents& records,
                                        platform::Locale& locale) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const model::TRepairRec& record : records) {
    list.push_back(
        {{"KeyPath", locale.ToUtf8(record.KeyPath)}, {"Status", locale.ToUtf8(record.Status)}});
  }
  nlohmann::ordered_json backup =
      backupPath ? nlohmann::ordered_json(locale.ToUtf8(*backupPath)) : nullptr;
  return {{"backup", std::move(backup)}, {"records", std::move(list)}};
}

std::string RepairReportText(const std::optional<std::string>& backupPath,
                             const model::TRepairContents& records, platform::Locale& locale) {
  std::string text = "Repair backup: " + (backupPath ? locale.ToUtf8(*backupPath) : "none") + "\n";
  for (const model::TRepairRec& record : records) {
    text += locale.ToUtf8(record.KeyPath) + ": " + locale.ToUtf8(record.Status) + "\n";
  }
  const auto failed = std::count_if(records.begin(), records.end(), Failed);
  text += "Repaired: " + std::to_string(records.size() - static_cast<std::size_t>(failed)) +
          ", failed: " + std::to_string(failed) + "\n";
  return text;
}

bool AnyRepairFailed(const model::TRepairContents& records) {
  return std::any_of(records.begin(), records.end(), Failed);
}

}  // namespace halvex::cli
