#pragma once
// Pictures decoded once into bitmaps: baseline JPEG files and icon files holding one 32-bit image.
#include <windows.h>

#include <cstdint>
#include <span>

#include "ui/gdi.h"

namespace ui {

class Picture {
 public:
  Picture() = default;
  // An undecodable or empty file gives an empty picture.
  static Picture decode(std::span<const uint8_t> file);

  explicit operator bool() const { return static_cast<bool>(bitmap_); }
  int width() const { return width_; }
  int height() const { return height_; }

  // Draws the picture into the rectangle (scaled when the sizes differ; halftone when asked).
  void draw(HDC dc, int x, int y, int width, int height, bool halftone) const;

 private:
  Bitmap bitmap_;  // 32 bits per pixel, top-down, alpha premultiplied
  int width_ = 0, height_ = 0;
  bool hasAlpha_ = false;
};

}  // namespace ui
