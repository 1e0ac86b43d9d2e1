#include "tests/ui/fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

namespace ui_testing {

PictureFile::PictureFile(std::span<const uint8_t> bytes)
    : storage_(2 + (bytes.size() + 3) / 4) {
  storage_[0] = 1;
  storage_[1] = static_cast<int32_t>(bytes.size());
  if (!bytes.empty()) std::memcpy(storage_.data() + 2, bytes.data(), bytes.size());
}

const frame::ByteArrayHeader* PictureFile::array() const {
  return reinterpret_cast<const frame::ByteArrayHeader*>(storage_.data());
}

std::vector<uint8_t> jpeg(int width, int height, uint32_t left, uint32_t right) {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
  for (int x = 0; x < width; ++x) {
    uint32_t c = x < width / 2 ? left : right;
    row[x * 3] = static_cast<JSAMPLE>(c >> 16);
    row[x * 3 + 1] = static_cast<JSAMPLE>(c >> 8);
    row[x * 3 + 2] = static_cast<JSAMPLE>(c);
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> file(out, out + size);
  jpeg_destroy_compress(&info);
  std::free(out);
  return file;
}

testing_support::Capture render(const ui::Picture& picture, int width, int height, bool halftone) {
  testing_support::Capture capture;
  capture.width = width;
  capture.height = height;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  picture.draw(memory, 0, 0, width, height, halftone);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  capture.pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * height);
  for (uint32_t& p : capture.pixels) p &= 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return capture;
}

bool closeTo(uint32_t pixel, uint32_t colour, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    int a = static_cast<int>((pixel >> shift) & 0xFF), b = static_cast<int>((colour >> shift) & 0xFF);
    if (std::abs(a - b) > tolerance) return false;
  }
  return true;
}

double meanDifference(const testing_support::Capture& a, POINT atA, const testing_support::Capture& b,
                      POINT atB, int width, int height) {
  double total = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint32_t p = a.at(atA.x + x, atA.y + y), q = b.at(atB.x + x, atB.y + y);
      for (int shift = 0; shift < 24; shift += 8)
        total += std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF));
    }
  return total / (3.0 * width * height);
}

testing_support::Capture captureClient(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return testing_support::captureScreen(client);
}

}  // namespace ui_testing
