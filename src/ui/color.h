#pragma once
// Colours: either red, green and blue, or one of the system's colours that follow the user's
// scheme. Fonts name their text colour.
#include <cstdint>
#include <string>

namespace halvex::ui {

// Numbered as the system numbers its colours (GetSysColor).
enum class SystemColor : std::uint8_t {
  ButtonFace = 15,
  Window = 5,
  WindowText = 8,
  AppWorkspace = 12,
  Highlight = 13,
  GrayText = 17,
  InactiveCaptionGradient = 28,
};

class Color {
 public:
  static constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Color(static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
                 static_cast<std::uint32_t>(blue) << 16);
  }
  static constexpr Color System(SystemColor color) {
    return Color(kSystemBit | static_cast<std::uint32_t>(color));
  }

  constexpr bool isSystem() const { return (value_ & kSystemBit) != 0; }
  constexpr SystemColor systemColor() const { return static_cast<SystemColor>(value_ & 0xFF); }
  constexpr std::uint8_t red() const { return value_ & 0xFF; }
  constexpr std::uint8_t green() const { return (value_ >> 8) & 0xFF; }
  constexpr std::uint8_t blue() const { return (value_ >> 16) & 0xFF; }
  // "#RRGGBB", or "system:N" for a system colour; for test messages.
  std::string Describe() const;

  friend constexpr bool operator==(Color, Color) = default;

 private:
  static constexpr std::uint32_t kSystemBit = 0x80000000u;
  constexpr explicit Color(std::uint32_t value) : value_(value) {}
  std::uint32_t value_;
};

namespace colors {
inline constexpr Color kBlack = Color::Rgb(0, 0, 0);
inline constexpr Color kWhite = Color::Rgb(0xFF, 0xFF, 0xFF);
inline constexpr Color kNavy = Color::Rgb(0, 0, 0x80);
inline constexpr Color kBlue = Color::Rgb(0, 0, 0xFF);
inline constexpr Color kRed = Color::Rgb(0xFF, 0, 0);
}  // namespace colors

struct Font {
  std::string face = "Tahoma";
  int pointSize = 8;
  bool bold = false;
  bool underline = false;
  Color color = colors::kBlack;
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace halvex::ui
