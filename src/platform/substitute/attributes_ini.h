#pragma once
// attributes.ini of a machine folder: what the host cannot keep for a file or folder of the
// machine, one line each:
//   C:\WINDOWS\x.sys=hidden,system
//   C:\Program Files\App\app.exe=readonly,created=2001-02-03 04:05:06,written=2002-03-04 05:06:07
// The flags replace the entry's attributes (the folder bit always comes from the host); the
// times are UTC. A line with times only keeps the default attributes. A path cannot hold "=".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/clock.h"
#include "platform/substitute/ini_lines.h"

namespace halvex::platform::substitute {

struct AttributeOverride {
  std::size_t line = 0;
  std::string path;
  std::optional<std::uint32_t> attributes;
  std::optional<FileTime> creation;
  std::optional<FileTime> lastWrite;
};

using AttributesIniResult = std::variant<std::vector<AttributeOverride>, LineError>;

[[nodiscard]] AttributesIniResult ParseAttributesIni(std::string_view text);

// The text ParseAttributesIni reads back into `entries` (their line numbers are not written):
// one line each, CR LF ended, flags first, then the times that are set. Attributes of 0 are
// written "normal", so that the line still clears the default "archive".
std::string FormatAttributesIni(const std::vector<AttributeOverride>& entries);

}  // namespace halvex::platform::substitute
