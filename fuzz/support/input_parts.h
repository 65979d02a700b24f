#pragma once
// Inputs that stand for several texts (a machine folder's files, a file and an entry for it):
// the texts are separated by NUL bytes, which none of them may hold, so the seeds stay readable.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace halvex::fuzz {

// The input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The texts between NUL bytes, in order; an input without one is one text.
std::vector<std::string_view> SplitAtNul(std::string_view input);

}  // namespace halvex::fuzz
