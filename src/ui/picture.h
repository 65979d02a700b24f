#pragma once
// A picture from an image list, with an optional second picture while the pointer is over it
// (picture buttons) and an optional text drawn centred over the picture; or the icon of a file.
#include "ui/control.h"
#include "ui/image_list.h"

namespace halvex::ui {

class Picture : public Control {
 public:
  static constexpr int kNoImage = -1;

  explicit Picture(std::string name) : Control(ControlKind::Picture, std::move(name)) {}

  const ImageList* imageList() const { return imageList_; }
  void SetImageList(const ImageList* list);
  int imageIndex() const { return imageIndex_; }
  // kNoImage leaves the picture blank.
  void SetImageIndex(int index);
  int hoverImageIndex() const { return hoverImageIndex_; }
  void SetHoverImageIndex(int index);
  // The picture a user sees now.
  int DisplayedImage() const;

  const std::string& overlayText() const { return overlayText_; }
  void SetOverlayText(std::string text);

  // Instead of an image list: the icon the system shows for this file; empty for none.
  const std::string& fileIcon() const { return fileIcon_; }
  void SetFileIcon(std::string path);

  void Paint(Canvas& canvas) const override;

 private:
  const ImageList* imageList_ = nullptr;
  int imageIndex_ = kNoImage;
  int hoverImageIndex_ = kNoImage;
  std::string overlayText_;
  std::string fileIcon_;
};

}  // namespace halvex::ui
