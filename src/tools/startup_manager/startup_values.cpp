#include "tools/startup_manager/startup_values.h"

namespace halvex::tools::startup_manager {

std::string ValueText(const platform::RegValue& value) {
  namespace reg_type = platform::reg_type;
  if (IsStringType(value.type)) {
    std::string text(value.data.begin(), value.data.end());
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return text;
  }
  if (value.type == reg_type::kDword && value.data.size() >= 4) {
    const std::uint32_t number = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                 static_cast<std::uint32_t>(value.data[3]) << 24;
    return std::to_string(number);
  }
  return {};
}

bool IsStringType(std::uint32_t type) {
  return type == platform::reg_type::kString || type == platform::reg_type::kExpandString;
}

std::uint32_t WriteBackType(std::string_view text) {
  return text.find('%') != std::string_view::npos ? platform::reg_type::kExpandString
                                                  : platform::reg_type::kString;
}

std::vector<std::uint8_t> StringData(std::string_view text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return data;
}

}  // namespace halvex::tools::startup_manager
