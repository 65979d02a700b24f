#pragma once
// The canvas over a device context.
#include <windows.h>

#include "ui/canvas.h"
#include "ui/win32/gdi_cache.h"

namespace halvex::ui::win32 {

class Win32Canvas final : public Canvas {
 public:
  Win32Canvas(HDC dc, GdiCache& gdi) : dc_(dc), gdi_(gdi) {}

  void FillRect(const Rect& rect, Color color) override;
  void FrameRect(const Rect& rect, Color color) override;
  void DrawText(const Rect& rect, std::string_view text, const Font& font,
                TextAlign align) override;
  void DrawImage(const ImageList& list, int index, Point at) override;
  // ExtractAssociatedIconA: the file's own icon, or that of the program that opens it.
  void DrawFileIcon(std::string_view path, Point at) override;
  int TextWidth(std::string_view text, const Font& font) override;

 private:
  HDC dc_;
  GdiCache& gdi_;
};

}  // namespace halvex::ui::win32
