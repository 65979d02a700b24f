#pragma once
// JPEG pictures (the scan sheet's step pictures) decoded into plain pixels that any renderer
// can show.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace halvex::ui {

struct RgbImage {
  int width = 0;
  int height = 0;
  // Rows from the top, three bytes per pixel: red, green, blue.
  std::vector<std::uint8_t> pixels;
};

// nullopt for data that is not a JPEG picture libjpeg can turn into colours (not a JPEG, damaged
// beyond decoding, or in a colour space it cannot convert). A picture cut short decodes with
// its missing rows grey, as libjpeg completes it.
std::optional<RgbImage> DecodeJpeg(std::span<const std::uint8_t> data);

}  // namespace halvex::ui
