#include "ui/recording_canvas.h"

namespace halvex::ui {

namespace {

std::string DescribeRect(const Rect& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

const char* AlignName(TextAlign align) {
  switch (align) {
    case TextAlign::Left:
      return "left";
    case TextAlign::Center:
      return "center";
    case TextAlign::Right:
      return "right";
  }
  return "?";
}

}  // namespace

void RecordingCanvas::FillRect(const Rect& rect, Color color) {
  operations_.push_back("fill " + DescribeRect(rect) + " " + color.Describe());
}

void RecordingCanvas::FrameRect(const Rect& rect, Color color) {
  operations_.push_back("frame " + DescribeRect(rect) + " " + color.Describe());
}

void RecordingCanvas::DrawText(const Rect& rect, std::string_view text, const Font& font,
                               TextAlign align) {
  std::string style = font.face + " " + std::to_string(font.pointSize);
  if (font.bold) style += " bold";
  if (font.underline) style += " underline";
  operations_.push_back("text " + DescribeRect(rect) + " \"" + std::string(text) + "\" " + style +
                        " " + font.color.Describe() + " " + AlignName(align));
}

void RecordingCanvas::DrawImage(const ImageList& list, int index, Point at) {
  if (!list.Has(index)) return;
  operations_.push_back("image " + list.name + " " + std::to_string(index) + " at " +
                        std::to_string(at.x) + "," + std::to_string(at.y));
}

void RecordingCanvas::DrawFileIcon(std::string_view path, Point at) {
  operations_.push_back("file icon " + std::string(path) + " at " + std::to_string(at.x) + "," +
                        std::to_string(at.y));
}

}  // namespace halvex::ui
