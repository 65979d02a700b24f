#include "model/scan_sections.h"

namespace halvex::model {
namespace {

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
