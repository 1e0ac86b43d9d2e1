// The progress bar: the system's msctls_progress32, smooth and horizontal.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "frame/control.h"
#include "ui/control_kinds.h"

namespace ui {
namespace {

int32_t clampValue(int32_t value) { return std::clamp<int32_t>(value, 0, 32767); }

class ProgressBar final : public frame::Control {
 public:
  ProgressBar(frame::LoadedWindow& window, const frame::ControlDescription& d, HWND parent)
      : Control(window, d), minimum_(clampValue(d.minimum)), maximum_(clampValue(d.maximum)),
        position_(clampValue(d.position)) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    hwnd_ = CreateWindowExA(d.border == frame::Border::staticEdge ? WS_EX_STATICEDGE : 0,
                            PROGRESS_CLASSA, "",
                            WS_CHILD | WS_CLIPSIBLINGS | (d.smooth ? PBS_SMOOTH : 0), d.left, d.top,
                            d.width, d.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    subclassSystemControl();
    applyRange();
    SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
  }

  bool readProperty(int number, frame::PropertyValue& value) override {
    switch (number) {
      case property::minimum: value.integer = minimum_; return true;
      case property::maximum: value.integer = maximum_; return true;
      case property::position: value.integer = position_; return true;
    }
    return Control::readProperty(number, value);
  }

  bool writeProperty(int number, const frame::PropertyValue& value) override {
    switch (number) {
      case property::minimum: minimum_ = clampValue(value.integer); applyRange(); return true;
      case property::maximum: maximum_ = clampValue(value.integer); applyRange(); return true;
      case property::position:
        position_ = clampValue(value.integer);
        SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
        return true;
    }
    return Control::writeProperty(number, value);
  }

 private:
  void applyRange() {
    SendMessageA(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(std::min(minimum_, maximum_)),
                 static_cast<LPARAM>(std::max(minimum_, maximum_)));
    SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
  }

  int32_t minimum_, maximum_, position_;
};

frame::Control* create(frame::LoadedWindow& w, const frame::ControlDescription& d, HWND parent) {
  return new ProgressBar(w, d, parent);
}

}  // namespace

const frame::ControlKind progressBarKind{"进度条", create, false};

}  // namespace ui
