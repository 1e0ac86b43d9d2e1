// Picture boxes: a background colour, an optional picture by display mode, and a border; the
// containers of the pages.
#include <algorithm>

#include "frame/control.h"
#include "ui/control_kinds.h"
#include "ui/gdi.h"
#include "ui/picture.h"
#include "ui/transparency.h"

namespace ui {
namespace {

class PictureBox final : public frame::Control {
 public:
  PictureBox(frame::LoadedWindow& window, const frame::ControlDescription& d, HWND parent)
      : Control(window, d) {
    if (d.picture) picture_ = Picture::decode(frame::elements(*d.picture));
    registerClass("InstallerPictureBox");
    createWindow("InstallerPictureBox",
                 WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                     (d.border == frame::Border::singleLine ? WS_BORDER : 0),
                 0, parent);
  }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: {
        PaintScope scope(hwnd_);
        paint(scope.dc());
        redrawTransparentOver(hwnd_, scope.area());
        return 0;
      }
    }
    return defaultHandling(message, wParam, lParam);
  }

 private:
  void paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    const frame::ControlDescription& d = description();
    Brush background(CreateSolidBrush(d.backColour == frame::kNoColour ? GetSysColor(COLOR_BTNFACE)
                                                                        : d.backColour));
    FillRect(dc, &client, background.get());
    if (!picture_) return;
    int w = client.right, h = client.bottom, pw = picture_.width(), ph = picture_.height();
    switch (d.displayMode) {
      case frame::DisplayMode::topLeft:
        picture_.draw(dc, 0, 0, pw, ph, false);
        break;
      case frame::DisplayMode::stretched:
        picture_.draw(dc, 0, 0, w, h, GetDeviceCaps(dc, BITSPIXEL) > 16);
        break;
      case frame::DisplayMode::centred: {
        if (pw > w || ph > h) {  // fit, keeping proportions, truncated to whole pixels
          double scale = std::min(static_cast<double>(w) / pw, static_cast<double>(h) / ph);
          pw = static_cast<int>(pw * scale);
          ph = static_cast<int>(ph * scale);
        }
        picture_.draw(dc, (w - pw) / 2, (h - ph) / 2, pw, ph, GetDeviceCaps(dc, BITSPIXEL) > 16);
        break;
      }
    }
  }

  Picture picture_;
};

frame::Control* create(frame::LoadedWindow& w, const frame::ControlDescription& d, HWND parent) {
  return new PictureBox(w, d, parent);
}

}  // namespace

const frame::ControlKind pictureBoxKind{"图片框", create, false};

}  // namespace ui
