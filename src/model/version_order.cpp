#include "model/version_order.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace halvex::model {
namespace {

// The fields as numbers; nullopt when a field is empty, holds anything but digits, or is too
// long to be a number (leading zeros do not count).
std::optional<std::vector<unsigned long long>> NumericFields(std::string_view version) {
  std::vector<unsigned long long> fields;
  for (;;) {
    const std::size_t dot = version.find('.');
    std::string_view field = version.substr(0, dot);
    if (field.empty()) return std::nullopt;
    while (field.size() > 1 && field.front() == '0') field.remove_prefix(1);
    if (field.size() > 18) return std::nullopt;
    unsigned long long number = 0;
    for (const char c : field) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + static_cast<unsigned long long>(c - '0');
    }
    fields.push_back(number);
    if (dot == std::string_view::npos) return fields;
    version.remove_prefix(dot + 1);
  }
}

}  // namespace

bool IsNewerVersion(std::string_view offered, std::string_view installed) {
  if (offered.empty()) return false;
  if (installed.empty()) return true;
  const auto offeredFields = NumericFields(offered);
  const auto installedFields = NumericFields(installed);
  if (!offeredFields || !installedFields) return offered > installed;
  const std::size_t count = std::max(offeredFields->size(), installedFields->size());
  for (std::size_t i = 0; i < count; ++i) {
    const auto fieldOf = [i](const std::vector<unsigned long long>& fields) {
      return i < fields.size() ? fields[i] : 0ull;
    };
    if (fieldOf(*offeredFields) != fieldOf(*installedFields)) {
      return fieldOf(*offeredFields) > fieldOf(*installedFields);
    }
  }
  return false;
}

}  // namespace halvex::model
