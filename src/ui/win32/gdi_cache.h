#pragma once
// The drawing objects the renderer makes once and keeps: fonts, brushes and the bitmaps of the
// image lists, loaded from the program's resources.
#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "ui/color.h"
#include "ui/image_list.h"

namespace halvex::ui::win32 {

COLORREF ToColorRef(Color color);

class GdiCache {
 public:
  GdiCache() = default;
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  HFONT FontFor(const Font& font);
  HBRUSH BrushFor(Color color);
  // The strip of the list; nullptr when the program has no such resource.
  HBITMAP BitmapFor(const ImageList& list);
  // One picture of the list as a bitmap of its own (for menu items); nullptr when the list has
  // no such picture.
  HBITMAP PictureFor(const ImageList& list, int index);

 private:
  std::map<std::string, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
  std::map<std::string, HBITMAP> bitmaps_;
  std::map<std::pair<std::string, int>, HBITMAP> pictures_;
};

}  // namespace halvex::ui::win32
