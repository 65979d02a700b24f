#pragma once
// What halvex-cli prints after a repair: the repair backup's path and every repair record with
// its status; as text or as one JSON document. Texts are converted from the system code page to
// UTF-8.
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "model/registry_contents.h"
#include "platform/locale.h"

namespace halvex::cli {

// {"backup": "<path>" or null, "records": [{"KeyPath": "...", "Status": "..."}, ...]}
nlohmann::ordered_json RepairReportJson(const std::optional<std::string>& backupPath,
                                        const model::TRepairContents& records,
                                        platform::Locale& locale);
// "Repair backup: <path>" (or "none"), one "<KeyPath>: <Status>" line per record, and the
// counts of repaired and failed records.
std::string RepairReportText(const std::optional<std::string>& backupPath,
                             const model::TRepairContents& records, platform::Locale& locale);

// A record failed when its status contains "Error", as the finish list paints it.
bool AnyRepairFailed(const model::TRepairContents& records);

}  // namespace halvex::cli
