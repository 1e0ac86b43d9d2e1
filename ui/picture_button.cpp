// Picture buttons: a push button drawn entirely from pictures, with normal, hot and pressed states.
#include <windowsx.h>

#include "frame/control.h"
#include "ui/control_kinds.h"
#include "ui/gdi.h"
#include "ui/picture.h"
#include "ui/transparency.h"

namespace ui {
namespace {

enum class State { normal, hot, pressed };

class PictureButton final : public frame::Control {
 public:
  PictureButton(frame::LoadedWindow& window, const frame::ControlDescription& d, HWND parent)
      : Control(window, d) {
    for (int i = 0; i < 4; ++i)
      if (d.pictures[i]) setPicture(i, frame::elements(*d.pictures[i]));
    registerClass("InstallerPictureButton");
    createWindow("InstallerPictureButton", WS_CHILD | WS_CLIPSIBLINGS, 0, parent);
  }

  bool writeProperty(int number, const frame::PropertyValue& value) override {
    if (number < property::normalPicture || number > property::disabledPicture)
      return Control::writeProperty(number, value);
    int slot = number - property::normalPicture;
    setPicture(slot, value.bytes);
    bool shownNow = slot == 0 || (slot == 1 && state_ == State::hot) ||
                    (slot == 2 && state_ == State::pressed) || (slot == 3 && !IsWindowEnabled(hwnd_));
    if (shownNow) repaint();
    return true;
  }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: {
        PaintScope scope(hwnd_);
        compose(scope.dc());
        redrawTransparentOver(hwnd_, scope.area());
        return 0;
      }
      case WM_MOUSEMOVE: {
        if (!IsWindowEnabled(hwnd_)) break;
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd_, &at);
        bool held = (wParam & MK_LBUTTON) != 0;
        if (WindowFromPoint(at) == hwnd_) {
          if (GetCapture() != hwnd_) SetCapture(hwnd_);
          setState(held ? State::pressed : State::hot);
        } else {
          setState(State::normal);
          if (!held && GetCapture() == hwnd_) ReleaseCapture();
        }
        break;
      }
      case WM_LBUTTONDOWN: {
        // While hovering the button holds the mouse, so a press may also land outside it.
        RECT client;
        GetClientRect(hwnd_, &client);
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (!IsWindowEnabled(hwnd_) || !PtInRect(&client, at)) break;
        setState(State::pressed);
        SetCapture(hwnd_);
        break;
      }
      case WM_LBUTTONUP: {
        if (GetCapture() == hwnd_) ReleaseCapture();
        RECT client;
        GetClientRect(hwnd_, &client);
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        LRESULT result = defaultHandling(message, wParam, lParam);
        if (PtInRect(&client, at) && IsWindowEnabled(hwnd_)) {
          setState(State::normal);
          raise(0);
        }
        return result;
      }
    }
    return defaultHandling(message, wParam, lParam);
  }

 private:
  void setPicture(int slot, std::span<const uint8_t> bytes) { pictures_[slot] = Picture::decode(bytes); }

  void setState(State state) {
    if (state == state_) return;
    state_ = state;
    repaint();
  }

  void repaint() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }

  const Picture* chosenPicture() const {
    if (!IsWindowEnabled(hwnd_) && pictures_[3]) return &pictures_[3];
    if (state_ == State::hot && pictures_[1]) return &pictures_[1];
    if (state_ == State::pressed && pictures_[2]) return &pictures_[2];
    return &pictures_[0];
  }

  // Composed off-screen over a black fill and copied in one step, so state changes never flicker.
  void compose(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    OffscreenSurface surface(dc, client.right, client.bottom);
    FillRect(surface.dc(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (const Picture* picture = chosenPicture(); *picture)
      picture->draw(surface.dc(), 0, 0, picture->width(), picture->height(), false);
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
  }

  Picture pictures_[4];  // normal, hot, pressed, disabled
  State state_ = State::normal;
};

frame::Control* create(frame::LoadedWindow& w, const frame::ControlDescription& d, HWND parent) {
  return new PictureButton(w, d, parent);
}

}  // namespace

const frame::ControlKind pictureButtonKind{"图形按钮", create, false};

}  // namespace ui
