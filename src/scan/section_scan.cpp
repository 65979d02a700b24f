#include "scan/section_scan.h"

#include <utility>

#include "model/ignore_list.h"
#include "model/scan_sections.h"
#include "scan/section_table.h"

namespace halvex::scan {

namespace {
// The walking sections show where they are only now and then, so painting does not dominate.
constexpr std::int32_t kVisitsPerProgress = 200;
}  // namespace

SectionScan::SectionScan(ScanContext& context, const SectionRow& row, platform::RootKey root)
    : context_(context), row_(row), root_(root) {}

int SectionScan::section() const {
  return row_.number;
}

std::string_view SectionScan::startKey() const {
  return row_.startKey;
}

model::TRegistryContents& SectionScan::problems() {
  return context_.model.SectionContents[static_cast<std::size_t>(row_.number)];
}

bool SectionScan::Aborted() const {
  return context_.model.abortFlag == model::abort_flag::kStopScan;
}

void SectionScan::ShowProgress(std::string_view text) {
  context_.frontEnd.ShowProgress(text);
}

void SectionScan::ProcessMessages() {
  const std::uint32_t now = context_.platform.clock.TickCount();
  // Unsigned differences stay right across the tick count's wrap.
  if (lastPump_ && now - *lastPump_ < kPumpInterval) return;
  lastPump_ = now;
  context_.frontEnd.ProcessMessages();
}

void SectionScan::CountVisit(std::string_view path) {
  if (++context_.model.counters.visitCounter % kVisitsPerProgress == 0) ShowProgress(path);
}

bool SectionScan::IsIgnored(std::string_view keyPath, std::string_view valueName) {
  // The walking sections ask for every value: an empty list spares them the upper-casing.
  if (context_.model.IgnoreContents.empty()) return false;
  const std::optional<std::string_view> category = model::TestedIgnoreCategory(row_.number);
  return category && model::IsIgnored(context_.platform.locale, context_.model.IgnoreContents,
                                      *category, keyPath, valueName);
}

void SectionScan::AddProblem(model::registry_content::TContent problem) {
  model::AddProblem(problems(), context_.model.counters, context_.settings.SelectAll,
                    std::move(problem));
  context_.frontEnd.ShowSectionCount(row_.number, problems().size());
}

}  // namespace halvex::scan
