#pragma once
// A canvas that records what is drawn, one readable line per operation, for tests:
//   fill 2,4,506,66 #FFF2D9
//   frame 2,4,506,66 #0000FF
//   text 34,8,506,22 "HKEY_CURRENT_USER\Software" Tahoma 8 #0000FF left
//   image StatImageList 11 at 8,25
//   file icon C:\Program Files\Halvex\Halvex.exe at 0,0
#include <string>
#include <vector>

#include "ui/canvas.h"

namespace halvex::ui {

class RecordingCanvas final : public Canvas {
 public:
  void FillRect(const Rect& rect, Color color) override;
  void FrameRect(const Rect& rect, Color color) override;
  void DrawText(const Rect& rect, std::string_view text, const Font& font,
                TextAlign align) override;
  void DrawImage(const ImageList& list, int index, Point at) override;
  void DrawFileIcon(std::string_view path, Point at) override;
  // Six pixels a character: a fixed measure, so that tests can tell where text ends.
  int TextWidth(std::string_view text, const Font&) override {
    return static_cast<int>(text.size()) * 6;
  }

  const std::vector<std::string>& operations() const { return operations_; }
  void Clear() { operations_.clear(); }

 private:
  std::vector<std::string> operations_;
};

}  // namespace halvex::ui
