#pragma once
// The system's texts are printf-style patterns ("Invalid data type for '%s'"); this fills them.
#include <cstdio>
#include <string>
#include <type_traits>

namespace halvex::model {

namespace detail {
template <typename T>
auto FormatArgument(const T& value) {
  if constexpr (std::is_same_v<T, std::string>) {
    return value.c_str();
  } else {
    return value;
  }
}
}  // namespace detail

template <typename... Args>
std::string FormatText(const char* pattern, const Args&... args) {
  const int length = std::snprintf(nullptr, 0, pattern, detail::FormatArgument(args)...);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), pattern, detail::FormatArgument(args)...);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace halvex::model
