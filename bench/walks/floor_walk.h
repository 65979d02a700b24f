#pragma once
// The floor the walking sections are measured against: a bare walk over the same keys (the same
// roots, the same subtrees passed over) that makes only the reads the sections cannot do
// without: the subkeys everywhere, and each value's name, type and data where the software
// settings examine values. No text work beyond the skip rules, no file tests, no pumping, no
// progress.
#include <cstdint>

#include "platform/locale.h"
#include "platform/registry.h"

namespace halvex::bench {

struct FloorCounts {
  std::uint64_t keys = 0;
  std::uint64_t values = 0;
};

FloorCounts WalkFloor(platform::Registry& registry, platform::Locale& locale);

}  // namespace halvex::bench
