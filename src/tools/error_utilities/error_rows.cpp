#include "tools/error_utilities/error_rows.h"

#include <array>

namespace halvex::tools::errors {
namespace {

struct BuiltInError {
  std::string_view caption;
  std::string_view description;
};

constexpr std::array<BuiltInError, 4> kBuiltInErrors{{
    {"\"Internal application error\" occurred in Windows Media Player",
     "\"Internal application error\" occurred in Windows Media Player"},
    {"1607:Unable to install InstallShield Scripting Runtime",
     "Received error message \"1607:Unable to install InstallShield Scripting runtime\" when "
     "tried to install software in Windows XP"},
    {"Unable to open new window by IE hyperlink",
     "It was unable to open new window in IE hyperlink. "},
    {"Unable to update Windows online", "The [Windows] issue of unable to update online."},
}};

constexpr std::array<std::string_view, 2> kReinstallRows{"IE 5.0 was unable to re-install",
                                                         "IE 6.0 was unable to re-install"};

}  // namespace

std::vector<ErrorRow> ErrorRows(const TErrorContents& contents) {
  std::vector<ErrorRow> rows;
  const std::string* previousName = nullptr;
  for (const TContent& entry : contents) {
    if (previousName == nullptr || *previousName != entry.ErrorName) {
      rows.push_back({.caption = entry.ErrorName,
                      .description = entry.ErrorDescription,
                      .marker = std::string(kFileRowMarker)});
    }
    previousName = &entry.ErrorName;
  }
  for (const BuiltInError& error : kBuiltInErrors) {
    rows.push_back({.caption = std::string(error.caption),
                    .description = std::string(error.description),
                    .marker = {}});
  }
  return rows;
}

bool IsReinstallRow(std::string_view caption) {
  for (std::string_view name : kReinstallRows) {
    if (caption == name) return true;
  }
  return false;
}

}  // namespace halvex::tools::errors
