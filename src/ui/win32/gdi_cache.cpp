#include "ui/win32/gdi_cache.h"

#include <span>

#include "ui/jpeg_image.h"

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
  for (auto& [key, bitmap] : pictures_) {
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

namespace {

// A JPEG picture of the program's raw data resources as a device-independent bitmap; nullptr
// when there is no such resource or it does not decode.
HBITMAP LoadJpegResource(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (found == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (bytes == nullptr) return nullptr;
  const auto image = DecodeJpeg(std::span(bytes, SizeofResource(module, found)));
  if (!image) return nullptr;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image->width;
  info.bmiHeader.biHeight = -image->height;  // rows from the top, as decoded
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  // Device-independent rows run blue, green, red and are padded to four bytes.
  const std::size_t stride = (static_cast<std::size_t>(image->width) * 3 + 3) & ~std::size_t{3};
  auto* target = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < image->height; ++y) {
    const std::uint8_t* from =
        image->pixels.data() + static_cast<std::size_t>(y) * image->width * 3;
    std::uint8_t* to = target + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < image->width; ++x, from += 3, to += 3) {
      to[0] = from[2];
      to[1] = from[1];
      to[2] = from[0];
    }
  }
  return bitmap;
}

}  // namespace

HBITMAP GdiCache::PictureFor(const ImageList& list, int index) {
  const auto key = std::make_pair(list.resource, index);
  if (const auto found = pictures_.find(key); found != pictures_.end()) return found->second;
  HBITMAP strip = list.Has(index) ? BitmapFor(list) : nullptr;
  HBITMAP picture = nullptr;
  if (strip != nullptr) {
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    picture = CreateCompatibleBitmap(screen, list.width, list.height);
    HGDIOBJ oldFrom = SelectObject(from, strip);
    HGDIOBJ oldTo = SelectObject(to, picture);
    BitBlt(to, 0, 0, list.width, list.height, from, index * list.width, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
  }
  pictures_[key] = picture;
  return picture;
}

HBITMAP GdiCache::BitmapFor(const ImageList& list) {
  if (const auto found = bitmaps_.find(list.resource); found != bitmaps_.end()) {
    return found->second;
  }
  HBITMAP bitmap =
      list.format == ImageFormat::Jpeg
          ? LoadJpegResource(list.resource)
          : static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), list.resource.c_str(),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  bitmaps_[list.resource] = bitmap;
  return bitmap;
}

}  // namespace halvex::ui::win32
