#pragma once
// Thin owners of GDI objects and device contexts, so every exit path gives back what it took.
#include <windows.h>

#include <utility>

namespace ui {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~GdiObject() { reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;

// Selects an object into a DC for the scope and restores the previous one.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint/EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &paint_); }
  ~PaintScope() { EndPaint(hwnd_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }  // the part being painted

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

// A memory DC compatible with `dc`, with a bitmap of the given size selected.
class OffscreenSurface {
 public:
  OffscreenSurface(HDC dc, int width, int height)
      : memory_(CreateCompatibleDC(dc)), bitmap_(CreateCompatibleBitmap(dc, width, height)),
        previous_(SelectObject(memory_, bitmap_.get())) {}
  ~OffscreenSurface() {
    SelectObject(memory_, previous_);
    DeleteDC(memory_);
  }
  OffscreenSurface(const OffscreenSurface&) = delete;
  OffscreenSurface& operator=(const OffscreenSurface&) = delete;
  HDC dc() const { return memory_; }

 private:
  HDC memory_;
  Bitmap bitmap_;
  HGDIOBJ previous_;
};

}  // namespace ui
