#pragma once
// What owner drawing needs of a drawing surface. Win32 implements it over a device context;
// tests use the recording canvas.
#include <string_view>

#include "ui/color.h"
#include "ui/geometry.h"
#include "ui/image_list.h"

namespace halvex::ui {

enum class TextAlign { Left, Center, Right };

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A one-pixel frame just inside the rectangle.
  virtual void FrameRect(const Rect& rect, Color color) = 0;
  // One line of text in the font's colour over a transparent background, vertically centred in
  // `rect` and aligned within it as asked; clipped to the rectangle.
  virtual void DrawText(const Rect& rect, std::string_view text, const Font& font,
                        TextAlign align) = 0;
  // How wide the text is in the font, in pixels.
  virtual int TextWidth(std::string_view text, const Font& font) = 0;
  // Picture `index` of the list with its top-left corner at `at`; an index outside the list
  // draws nothing.
  virtual void DrawImage(const ImageList& list, int index, Point at) = 0;
  // The large icon the system associates with the file (its own icon for a program) with its
  // top-left corner at `at`; nothing when there is none.
  virtual void DrawFileIcon(std::string_view path, Point at) = 0;
};

}  // namespace halvex::ui
