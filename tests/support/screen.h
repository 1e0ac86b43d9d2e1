#pragma once
// Reading what the screen shows: pixels of a window or a screen rectangle, and PNG files of them.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down

  uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// What the screen shows in `rect` (screen coordinates).
Capture captureScreen(const RECT& rect);
// What the screen shows of the window's outer rectangle.
Capture captureWindow(HWND hwnd);

// Writes the capture as a PNG file; returns false when the file cannot be written.
bool savePng(const Capture& capture, const std::string& path);

// "#RRGGBB" style value of a pixel, for readable assertion messages.
std::string colourName(uint32_t pixel);

}  // namespace testing_support
