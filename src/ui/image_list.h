#pragma once
// A strip of equally sized pictures, addressed by index. The pictures themselves are the
// program's resources: the renderer loads the strip named `resource`.
#include <string>

namespace halvex::ui {

// How the resource holds the strip: a bitmap, or a JPEG picture in raw data.
enum class ImageFormat { Bitmap, Jpeg };

struct ImageList {
  std::string name;      // as the windows call it ("StatImageList")
  std::string resource;  // the resource holding the strip, left to right
  int width = 0;
  int height = 0;
  int count = 0;
  ImageFormat format = ImageFormat::Bitmap;

  bool Has(int index) const { return index >= 0 && index < count; }
};

}  // namespace halvex::ui
