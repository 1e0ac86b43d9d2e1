// Timers and the extraction component: small child windows that are never shown. A timer of
// interval 0 never fires; the extraction component raises its events through its window.
#include "frame/control.h"
#include "ui/control_kinds.h"

namespace ui {
namespace {

class Component final : public frame::Control {
 public:
  Component(frame::LoadedWindow& window, const frame::ControlDescription& d, HWND parent)
      : Control(window, d) {
    registerClass("InstallerComponent");
    createWindow("InstallerComponent", WS_CHILD, 0, parent);
    if (d.interval > 0) SetTimer(hwnd_, 1, static_cast<UINT>(d.interval), nullptr);
  }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER) {
      raise(0);
      return 0;
    }
    return defaultHandling(message, wParam, lParam);
  }
};

frame::Control* create(frame::LoadedWindow& w, const frame::ControlDescription& d, HWND parent) {
  return new Component(w, d, parent);
}

}  // namespace

const frame::ControlKind timerKind{"时钟", create, true};
const frame::ControlKind zipKind{"ZIP压缩", create, true};

}  // namespace ui
