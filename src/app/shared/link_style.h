#pragma once
// How text links look: black, blue (0x33, 0x77, 0xFF) while the pointer is over them, and the
// program's few other text colours.
#include "ui/label.h"

namespace halvex::app::link_style {

inline constexpr ui::Color kNormal = ui::colors::kBlack;
inline constexpr ui::Color kHover = ui::Color::Rgb(0x33, 0x77, 0xFF);
inline constexpr ui::Color kHeading = ui::Color::Rgb(0x24, 0x3B, 0x55);
inline constexpr ui::Color kMuted = ui::Color::Rgb(0x5A, 0x67, 0x75);

enum class HoverUnderline { No, Yes };

// The label's colour follows the pointer; with Yes it is underlined while the pointer is over
// it too.
void MakeLink(ui::Label& label, HoverUnderline underline);
void SetLinkColor(ui::Label& label, ui::Color color);
void SetUnderline(ui::Label& label, bool underline);

}  // namespace halvex::app::link_style
