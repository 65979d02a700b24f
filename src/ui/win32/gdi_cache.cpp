#include "ui/win32/gdi_cache.h"

namespace halvex::ui::win32 {

COLORREF ToColorRef(Color color) {
  if (color.isSystem()) return GetSysColor(static_cast<int>(color.systemColor()));
  return RGB(color.red(), color.green(), color.blue());
}

GdiCache::~GdiCache() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [key, brush] : brushes_) DeleteObject(brush);
  for (auto& [key, bitmap] : bitmaps_) {
    if (bitmap != nullptr) DeleteObject(bitmap);
  }
}

HFONT GdiCache::FontFor(const Font& font) {
  const std::string key = font.face + "/" + std::to_string(font.pointSize) + "/" +
                          (font.bold ? "b" : "") + (font.underline ? "u" : "");
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(font.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  HFONT made = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                           font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, font.face.c_str());
  fonts_[key] = made;
  return made;
}

HBRUSH GdiCache::BrushFor(Color color) {
  const COLORREF value = ToColorRef(color);
  if (const auto found = brushes_.find(value); found != brushes_.end()) return found->second;
  HBRUSH made = CreateSolidBrush(value);
  brushes_[value] = made;
  return made;
}

HBITMAP GdiCache::BitmapFor(const ImageList& list) {
  if (const auto found = bitmaps_.find(list.resource); found != bitmaps_.end()) {
    return found->second;
  }
  auto* bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), list.resource.c_str(),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  bitmaps_[list.resource] = bitmap;
  return bitmap;
}

}  // namespace halvex::ui::win32
