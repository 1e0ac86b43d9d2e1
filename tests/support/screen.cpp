#include "tests/support/screen.h"

#include <zlib.h>

#include <cstdio>

namespace testing_support {

Capture captureScreen(const RECT& rect) {
  Capture capture;
  capture.width = rect.right - rect.left;
  capture.height = rect.bottom - rect.top;
  capture.pixels.resize(static_cast<std::size_t>(capture.width) * capture.height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const uint32_t*>(bits);
  for (std::size_t i = 0; i < capture.pixels.size(); ++i) capture.pixels[i] = source[i] & 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

Capture captureWindow(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  return captureScreen(rect);
}

namespace {

void put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  put32(out, static_cast<uint32_t>(data.size()));
  std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  put32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

}  // namespace

bool savePng(const Capture& capture, const std::string& path) {
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(capture.height) * (capture.width * 3 + 1));
  for (int y = 0; y < capture.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < capture.width; ++x) {
      uint32_t p = capture.at(x, y);
      raw.push_back(static_cast<uint8_t>(p >> 16));
      raw.push_back(static_cast<uint8_t>(p >> 8));
      raw.push_back(static_cast<uint8_t>(p));
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK) return false;
  packed.resize(packedSize);

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  put32(header, static_cast<uint32_t>(capture.width));
  put32(header, static_cast<uint32_t>(capture.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", packed);
  chunk(png, "IEND", {});
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}

std::string colourName(uint32_t pixel) {
  char name[8];
  std::snprintf(name, sizeof name, "#%06X", static_cast<unsigned>(pixel & 0xFFFFFF));
  return name;
}

}  // namespace testing_support
