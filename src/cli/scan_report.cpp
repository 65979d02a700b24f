#include "cli/scan_report.h"

#include "model/scan_sections.h"

namespace halvex::cli {
namespace {

template <typename Visit>
void ForEachSectionWithProblems(const model::ScanModel& model, Visit visit) {
  for (int section = 1; section <= model::kSectionCount; ++section) {
    const model::TRegistryContents& problems =
        model.SectionContents[static_cast<std::size_t>(section)];
    if (!problems.empty()) visit(section, problems);
  }
}

}  // namespace

nlohmann::ordered_json ScanReportJson(const model::ScanModel& model, platform::Locale& locale) {
  auto utf8 = [&locale](const std::string& text) { return locale.ToUtf8(text); };
  nlohmann::ordered_json sections = nlohmann::ordered_json::array();
  ForEachSectionWithProblems(model, [&](int section, const model::TRegistryContents& problems) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const model::registry_content::TContent& problem : problems) {
      list.push_back({
          {"ProblemNo", problem.ProblemNo},
          {"Marked", problem.Marked},
          {"KeyPath", utf8(problem.KeyPath)},
          {"ItemName", utf8(problem.ItemName)},
          {"ValueName", utf8(problem.ValueName)},
          {"ValueData", utf8(problem.ValueData)},
          {"DetailKeyPath", utf8(problem.DetailKeyPath)},
          {"DetailValueName", utf8(problem.DetailValueName)},
          {"DetailValue", utf8(problem.DetailValue)},
          {"DetailProblem", utf8(problem.DetailProblem)},
      });
    }
    sections.push_back({{"number", section},
                        {"caption", utf8(std::string(model::SectionCaption(section)))},
                        {"problems", std::move(list)}});
  });
  return {{"total", model.TotalProblemCount()}, {"sections", std::move(sections)}};
}

std::string ScanReportText(const model::ScanModel& model, platform::Locale& locale) {
  std::string text;
  ForEachSectionWithProblems(model, [&](int section, const model::TRegistryContents& problems) {
    text += locale.ToUtf8(std::string(model::SectionCaption(section)));
    text += ": " + std::to_string(problems.size()) + "\n";
    for (const model::registry_content::TContent& problem : problems) {
      for (const std::string* line : {&problem.DetailKeyPath, &problem.DetailValueName,
                                      &problem.DetailValue, &problem.DetailProblem}) {
        text += "  " + locale.ToUtf8(*line) + "\n";
      }
      text += "\n";
    }
  });
  text += "Problems Found: " + std::to_string(model.TotalProblemCount()) + "\n";
  return text;
}

}  // namespace halvex::cli
