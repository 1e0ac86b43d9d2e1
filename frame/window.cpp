#include "frame/window.h"

#include "frame/program.h"
#include "frame/runtime_error.h"

namespace frame {
namespace {

constexpr UINT WM_APP_PROPERTY = WM_APP + 1;
constexpr char kTopWindowClass[] = "InstallerWindow";

// The top-level window, which is also addressed as a control by its own control number.
class TopWindow final : public Control {
 public:
  TopWindow(LoadedWindow& window, const ControlDescription& description)
      : Control(window, description) {
    registerClass(kTopWindowClass);
  }

  void create(const WindowDescription& d) {
    int left = (GetSystemMetrics(SM_CXSCREEN) - d.width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - d.height) / 2;
    CreateWindowExA(WS_EX_APPWINDOW, kTopWindowClass, d.title, WS_POPUP | WS_CLIPCHILDREN, left,
                    top, d.width, d.height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!hwnd_) return;
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    if (outer.right - outer.left != d.width || outer.bottom - outer.top != d.height)
      SetWindowPos(hwnd_, nullptr, 0, 0, d.width, d.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        HBRUSH brush = CreateSolidBrush(window().description().backColour);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
      }
      case WM_DESTROY:
        detail::forgetWindow(&window());
        break;
    }
    return defaultHandling(message, wParam, lParam);
  }
};

struct PropertyRequest {
  Control* control;
  int property;
  bool write;
  PropertyValue* value;
};

void carryOut(const PropertyRequest& request) {
  if (request.write) request.control->writeProperty(request.property, *request.value);
  else request.control->readProperty(request.property, *request.value);
}

Control& controlFor(WindowNumber window, ControlNumber control) {
  LoadedWindow* loaded = findWindow(window);
  Control* found = loaded ? loaded->control(control) : nullptr;
  if (!found) runtimeError(0, "未载入欲访问窗口组件所在的窗口");
  return *found;
}

void operate(WindowNumber window, ControlNumber control, int property, bool write,
             PropertyValue& value) {
  PropertyRequest request{&controlFor(window, control), property, write, &value};
  if (onUiThread()) carryOut(request);
  else detail::sendToUiThread(WM_APP_PROPERTY, 0, reinterpret_cast<LPARAM>(&request));
}

}  // namespace

namespace detail {
// Called by the hidden message window on the UI thread.
bool carryOutPropertyRequest(UINT message, LPARAM lParam) {
  if (message != WM_APP_PROPERTY) return false;
  carryOut(*reinterpret_cast<PropertyRequest*>(lParam));
  return true;
}
}  // namespace detail

LoadedWindow::LoadedWindow(const WindowDescription& description)
    : description_(description),
      selfDescription_{.name = description.title, .kind = nullptr,
                       .number = description.selfControl, .parent = 0,
                       .left = description.left, .top = description.top,
                       .width = description.width, .height = description.height,
                       .visible = description.visible},
      self_(std::make_unique<TopWindow>(*this, selfDescription_)) {}
LoadedWindow::~LoadedWindow() = default;

HWND LoadedWindow::hwnd() const { return self_ ? self_->hwnd() : nullptr; }

Control* LoadedWindow::control(ControlNumber number) const {
  if (number == description_.selfControl) return self_.get();
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (description_.controls[i].number == number) return controls_[i].get();
  return nullptr;
}

EventHandler LoadedWindow::handlerFor(ControlNumber control, int32_t event) const {
  for (const EventBinding& binding : description_.events)
    if (binding.control == control && binding.event == event) return binding.handler;
  return nullptr;
}

// Parents are created before their children, so a control listed before its parent waits for it.
Control* LoadedWindow::createControl(std::size_t index) {
  if (controls_[index]) return controls_[index].get();
  const ControlDescription& d = description_.controls[index];
  HWND parent = self_->hwnd();
  if (d.parent != description_.selfControl) {
    for (std::size_t i = 0; i < controls_.size(); ++i)
      if (description_.controls[i].number == d.parent) parent = createControl(i)->hwnd();
  }
  controls_[index].reset(d.kind->create(*this, d, parent));
  if (!controls_[index]->hwnd()) runtimeError(0, "载入启动窗口失败");
  return controls_[index].get();
}

void LoadedWindow::build() {
  const WindowDescription& d = description_;
  static_cast<TopWindow*>(self_.get())->create(d);
  if (!self_->hwnd()) runtimeError(0, "载入启动窗口失败");
  controls_.resize(d.controls.size());
  for (std::size_t i = 0; i < controls_.size(); ++i) createControl(i);

  // Among the children of one parent the first listed lies on top, each next one beneath the
  // one listed before it.
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    HWND above = nullptr;
    for (std::size_t j = 0; j < i; ++j)
      if (d.controls[j].parent == d.controls[i].parent) above = controls_[j]->hwnd();
    SetWindowPos(controls_[i]->hwnd(), above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (d.controls[i].visible && !d.controls[i].kind->neverShown)
      ShowWindow(controls_[i]->hwnd(), SW_SHOWNA);
}

LoadedWindow* loadWindow(const WindowDescription& description) {
  auto* window = new LoadedWindow(description);
  {
    EventHold hold;
    detail::rememberWindow(window);
    window->build();
  }
  raiseEvent(description.number, description.selfControl, 0);
  if (description.visible) {
    ShowWindow(window->hwnd(), SW_SHOW);
    UpdateWindow(window->hwnd());
  }
  return window;
}

LoadedWindow* findWindow(WindowNumber number) { return detail::windowByNumber(number); }

HWND windowHandle(WindowNumber window) {
  LoadedWindow* loaded = findWindow(window);
  if (!loaded) runtimeError(0, "指定窗口尚未载入");
  return loaded->hwnd();
}

int32_t readInteger(WindowNumber window, ControlNumber control, int property) {
  PropertyValue value;
  operate(window, control, property, false, value);
  return value.integer;
}

Text readText(WindowNumber window, ControlNumber control, int property) {
  PropertyValue value;
  operate(window, control, property, false, value);
  return std::move(value.text);
}

void writeInteger(WindowNumber window, ControlNumber control, int property, int32_t integer) {
  PropertyValue value;
  value.integer = integer;
  operate(window, control, property, true, value);
}

void writeText(WindowNumber window, ControlNumber control, int property, const char* text) {
  PropertyValue value;
  value.text = text;
  operate(window, control, property, true, value);
}

void writeBytes(WindowNumber window, ControlNumber control, int property,
                std::span<const uint8_t> bytes) {
  PropertyValue value;
  value.bytes = bytes;
  operate(window, control, property, true, value);
}

}  // namespace frame
