#include "ui/picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

namespace ui {
namespace {

// A top-down 32-bit DIB section; `bits` receives its pixels.
HBITMAP createDib(int width, int height, uint8_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  *bits = static_cast<uint8_t*>(pixels);
  return bitmap;
}

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

// libjpeg reports a fatal error by calling error_exit, which must not return.
void leaveDecoding(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->escape, 1); }
void stayQuiet(j_common_ptr) {}

bool decodeJpeg(std::span<const uint8_t> file, Bitmap& bitmap, int& width, int& height) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = leaveDecoding;
  error.manager.output_message = stayQuiet;
  uint8_t* bits = nullptr;
  if (setjmp(error.escape)) {
    jpeg_destroy_decompress(&info);
    bitmap.reset();
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  bitmap.reset(createDib(static_cast<int>(info.output_width), static_cast<int>(info.output_height), &bits));
  if (!bitmap) std::longjmp(error.escape, 1);
  // Freed with the decompressor, also when decoding is abandoned.
  JSAMPLE* row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                           info.output_width * 3, 1)[0];
  while (info.output_scanline < info.output_height) {
    uint8_t* target = bits + static_cast<std::size_t>(info.output_scanline) * info.output_width * 4;
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    for (JDIMENSION x = 0; x < info.output_width; ++x) {
      target[x * 4 + 0] = row[x * 3 + 2];
      target[x * 4 + 1] = row[x * 3 + 1];
      target[x * 4 + 2] = row[x * 3 + 0];
      target[x * 4 + 3] = 255;
    }
  }
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

uint32_t read32(const uint8_t* at) { uint32_t v; std::memcpy(&v, at, 4); return v; }
uint16_t read16(const uint8_t* at) { uint16_t v; std::memcpy(&v, at, 2); return v; }

// An icon file's first image when it is an uncompressed 32-bit bitmap.
bool decodeIcon(std::span<const uint8_t> file, Bitmap& bitmap, int& width, int& height) {
  if (file.size() < 6 + 16 || read16(file.data()) != 0 || read16(file.data() + 2) != 1 ||
      read16(file.data() + 4) < 1)
    return false;
  uint32_t size = read32(file.data() + 6 + 8), offset = read32(file.data() + 6 + 12);
  if (offset > file.size() || size > file.size() - offset || size < sizeof(BITMAPINFOHEADER))
    return false;
  BITMAPINFOHEADER header;
  std::memcpy(&header, file.data() + offset, sizeof header);
  int w = header.biWidth, h = header.biHeight / 2;
  if (header.biSize < sizeof header || header.biSize > size) return false;
  if (header.biBitCount != 32 || header.biCompression != BI_RGB || w <= 0 || h <= 0 ||
      w > 256 || h > 256 || static_cast<uint64_t>(w) * h * 4 > size - header.biSize)
    return false;
  uint8_t* bits = nullptr;
  HBITMAP made = createDib(w, h, &bits);
  if (!made) return false;
  const uint8_t* source = file.data() + offset + header.biSize;
  for (int y = 0; y < h; ++y) {  // the file's rows run bottom-up
    const uint8_t* from = source + static_cast<std::size_t>(h - 1 - y) * w * 4;
    uint8_t* to = bits + static_cast<std::size_t>(y) * w * 4;
    for (int x = 0; x < w * 4; x += 4) {
      uint8_t alpha = from[x + 3];
      for (int c = 0; c < 3; ++c) to[x + c] = static_cast<uint8_t>(from[x + c] * alpha / 255);
      to[x + 3] = alpha;
    }
  }
  bitmap.reset(made);
  width = w;
  height = h;
  return true;
}

}  // namespace

Picture Picture::decode(std::span<const uint8_t> file) {
  Picture picture;
  if (file.size() >= 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF)
    decodeJpeg(file, picture.bitmap_, picture.width_, picture.height_);
  else if (decodeIcon(file, picture.bitmap_, picture.width_, picture.height_))
    picture.hasAlpha_ = true;
  return picture;
}

void Picture::draw(HDC dc, int x, int y, int width, int height, bool halftone) const {
  if (!bitmap_) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap_.get());
  if (hasAlpha_) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, width, height, source, 0, 0, width_, height_, blend);
  } else if (width == width_ && height == height_) {
    BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
  } else {
    POINT origin;
    int previousMode = SetStretchBltMode(dc, halftone ? HALFTONE : COLORONCOLOR);
    if (halftone) SetBrushOrgEx(dc, 0, 0, &origin);
    StretchBlt(dc, x, y, width, height, source, 0, 0, width_, height_, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
  }
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace ui
