#pragma once
// Small pictures made on the spot and ways to compare what the screen shows with them.
#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "frame/arrays.h"
#include "tests/support/screen.h"
#include "ui/picture.h"

namespace ui_testing {

// A picture file in the program's byte-array layout, as the window description holds them.
class PictureFile {
 public:
  explicit PictureFile(std::span<const uint8_t> bytes);
  const frame::ByteArrayHeader* array() const;
  std::span<const uint8_t> bytes() const { return frame::elements(*array()); }

 private:
  std::vector<int32_t> storage_;  // header, then the bytes
};

// A baseline JPEG of `width` x `height`, its left half `left` and right half `right` (#RRGGBB).
std::vector<uint8_t> jpeg(int width, int height, uint32_t left, uint32_t right);
inline std::vector<uint8_t> jpeg(int width, int height, uint32_t colour) {
  return jpeg(width, height, colour, colour);
}

// The picture as drawn into a `width` x `height` surface of 32 bits per pixel.
testing_support::Capture render(const ui::Picture& picture, int width, int height, bool halftone);

// Whether a pixel (0x00RRGGBB) lies within `tolerance` of `colour` in every channel.
bool closeTo(uint32_t pixel, uint32_t colour, int tolerance = 24);

// Counts the pixels of `capture` inside `area` for which `test` holds.
template <typename Test>
int count(const testing_support::Capture& capture, const RECT& area, Test test) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += test(capture.at(x, y)) ? 1 : 0;
  return n;
}

// Mean difference per channel between two captures' areas of the same size.
double meanDifference(const testing_support::Capture& a, POINT atA, const testing_support::Capture& b,
                      POINT atB, int width, int height);

// The window's client area as shown on the screen.
testing_support::Capture captureClient(HWND hwnd);

}  // namespace ui_testing
