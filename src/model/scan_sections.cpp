#include "model/scan_sections.h"

namespace halvex::model {
namespace {

constexpr bool RowsFollowTheirNumbers() {
  for (std::size_t i = 0; i < kScanSections.size(); ++i) {
    if (kScanSections[i].number != static_cast<int>(i) + 1) return false;
  }
  return true;
}
static_assert(RowsFollowTheirNumbers(), "row i of kScanSections must be section i + 1");

const ScanSectionInfo* FindSection(int section) {
  if (section < 1 || section > kSectionCount) return nullptr;
  return &kScanSections[static_cast<std::size_t>(section - 1)];
}

}  // namespace

std::string_view SectionCaption(int section) {
  const ScanSectionInfo* info = FindSection(section);
  return info ? info->caption : std::string_view();
}

std::optional<std::string_view> TestedIgnoreCategory(int section) {
  const ScanSectionInfo* info = FindSection(section);
  if (!info || info->ignoreCategory.empty()) return std::nullopt;
  return info->ignoreCategory;
}

std::string_view ExclusionCategory(int section) {
  const ScanSectionInfo* info = FindSection(section);
  if (!info) return {};
  return info->ignoreCategory.empty() ? info->caption : info->ignoreCategory;
}

}  // namespace halvex::model
