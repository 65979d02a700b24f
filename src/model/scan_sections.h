#pragma once
// The seventeen scan sections by number: the caption the scan sheet shows and the ignore
// category under which the section looks up, and stores, excluded entries.
#include <array>
#include <optional>
#include <string_view>

namespace halvex::model {

inline constexpr int kSectionCount = 17;

struct ScanSectionInfo {
  int number;
  std::string_view caption;
  // Empty for the sections that do not consult the ignore list.
  std::string_view ignoreCategory;
};

// Section 8 shares its category with section 11, and section 13's differs from its caption;
// entries already stored under these names must keep matching. Sections 7 and 15 always stored
// their exclusions under their captions, so they test them under those names.
inline constexpr std::array<ScanSectionInfo, kSectionCount> kScanSections = {{
    {1, "ActiveX, OLE, COM", "ActiveX, OLE, COM Sections"},
    {2, "User Software Settings", "User Software Settings"},
    {3, "System Software Settings", "System Software Settings"},
    {4, "Shared DLL's Sections", "Shared DLL's Sections"},
    {5, "Fonts Sections", "Fonts Sections"},
    {6, "Invalid File Associations", "Invalid File Associations"},
    {7, "System Services", "System Services"},
    {8, "Uninstall Sections", "Invalid ShortCuts"},
    {9, "Help Sections", "Help Sections"},
    {10, "Application Paths", "Application Paths"},
    {11, "Invalid ShortCuts", "Invalid ShortCuts"},
    {12, "Empty Registry Keys", "Empty Registry Keys"},
    {13, "FileExtensions", "File Extension"},
    {14, "Startup Programs", "Startup Programs"},
    {15, "Sounds Section", "Sounds Section"},
    {16, "Start Menu Item", "Start Menu Item"},
    {17, "Most Recently Used Files", "Most Recently Used Files"},
}};

// The caption of section 1 .. 17; empty for any other number.
std::string_view SectionCaption(int section);
// The category the section tests with IsIgnored; nullopt for any other number.
std::optional<std::string_view> TestedIgnoreCategory(int section);
// The category that excluding a problem of the section stores: the tested category, or the
// caption for a section without one.
std::string_view ExclusionCategory(int section);

}  // namespace halvex::model
