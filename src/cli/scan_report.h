#pragma once
// What halvex-cli prints after a scan: the sections that found problems, each with its caption,
// its count and the four description lines of every problem; as text or as one JSON document.
// Texts are converted from the system code page to UTF-8.
#include <string>

#include <nlohmann/json.hpp>

#include "model/scan_model.h"
#include "platform/locale.h"

namespace halvex::cli {

nlohmann::ordered_json ScanReportJson(const model::ScanModel& model, platform::Locale& locale);
std::string ScanReportText(const model::ScanModel& model, platform::Locale& locale);

}  // namespace halvex::cli
