#pragma once
// Positions and rectangles in pixels, as the windows measure them: a rectangle's right and
// bottom edges lie just outside it.
namespace halvex::ui {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point, Point) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(Size, Size) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr Size size() const { return {width(), height()}; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  // Grows the rectangle by dx on the left and right and by dy on the top and bottom; negative
  // amounts shrink it.
  constexpr Rect Inflated(int dx, int dy) const {
    return {left - dx, top - dy, right + dx, bottom + dy};
  }
  constexpr Rect Offset(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace halvex::ui
