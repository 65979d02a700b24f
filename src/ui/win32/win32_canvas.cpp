#include "ui/win32/win32_canvas.h"

#include <shellapi.h>

#include <string>

namespace halvex::ui::win32 {

namespace {

RECT ToRect(const Rect& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

void Win32Canvas::FillRect(const Rect& rect, Color color) {
  const RECT area = ToRect(rect);
  ::FillRect(dc_, &area, gdi_.BrushFor(color));
}

void Win32Canvas::FrameRect(const Rect& rect, Color color) {
  const RECT area = ToRect(rect);
  ::FrameRect(dc_, &area, gdi_.BrushFor(color));
}

void Win32Canvas::DrawText(const Rect& rect, std::string_view text, const Font& font,
                           TextAlign align) {
  RECT area = ToRect(rect);
  const std::string textZ(text);
  HGDIOBJ old = SelectObject(dc_, gdi_.FontFor(font));
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, ToColorRef(font.color));
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  format |= align == TextAlign::Center ? DT_CENTER : align == TextAlign::Right ? DT_RIGHT : DT_LEFT;
  ::DrawTextA(dc_, textZ.c_str(), static_cast<int>(textZ.size()), &area, format);
  SelectObject(dc_, old);
}

int Win32Canvas::TextWidth(std::string_view text, const Font& font) {
  HGDIOBJ old = SelectObject(dc_, gdi_.FontFor(font));
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc_, old);
  return size.cx;
}

void Win32Canvas::DrawImage(const ImageList& list, int index, Point at) {
  if (!list.Has(index)) return;
  HBITMAP bitmap = gdi_.BitmapFor(list);
  if (bitmap == nullptr) return;
  HDC source = CreateCompatibleDC(dc_);
  HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(dc_, at.x, at.y, list.width, list.height, source, index * list.width, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void Win32Canvas::DrawFileIcon(std::string_view path, Point at) {
  // The call may write the path of the file it took the icon from into the buffer.
  char buffer[MAX_PATH] = {};
  if (path.size() >= sizeof buffer) return;
  path.copy(buffer, path.size());
  WORD index = 0;
  HICON icon = ExtractAssociatedIconA(GetModuleHandleA(nullptr), buffer, &index);
  if (icon == nullptr) return;
  DrawIconEx(dc_, at.x, at.y, icon, 0, 0, 0, nullptr, DI_NORMAL);
  DestroyIcon(icon);
}

}  // namespace halvex::ui::win32
