#include "frame/control.h"

#include <windowsx.h>

#include "frame/resources.h"
#include "frame/window.h"

namespace frame {
namespace {

HCURSOR handCursor() {
  static HCURSOR cursor = [] {
    HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(RESOURCE_HAND_CURSOR));
    return own ? own : LoadCursorA(nullptr, IDC_HAND);
  }();
  return cursor;
}

// The outer rectangle in the coordinates of the parent's client area (the screen for the window).
RECT placeOf(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  if (HWND parent = GetAncestor(hwnd, GA_PARENT); parent && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

int32_t currentKeyState() {
  return (GetKeyState(VK_CONTROL) < 0 ? 1 : 0) | (GetKeyState(VK_SHIFT) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

Control::Control(LoadedWindow& window, const ControlDescription& description)
    : window_(window), description_(description), cursor_(description.cursor) {}

void Control::registerClass(const char* className, UINT classStyle) {
  WNDCLASSEXA existing{sizeof existing};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing)) return;
  WNDCLASSEXA windowClass{sizeof windowClass};
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(RESOURCE_PROGRAM_ICON));
  windowClass.lpszClassName = className;
  RegisterClassExA(&windowClass);
}

void Control::createWindow(const char* className, DWORD style, DWORD exStyle, HWND parent) {
  const ControlDescription& d = description_;
  CreateWindowExA(exStyle, className, d.caption ? d.caption : "", style, d.left, d.top, d.width,
                  d.height, parent, nullptr, GetModuleHandleA(nullptr), this);
}

LRESULT CALLBACK Control::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* control = static_cast<Control*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    control->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!control) return DefWindowProcA(hwnd, message, wParam, lParam);
  return control->handleMessage(message, wParam, lParam);
}

void Control::subclassSystemControl() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  systemProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
}

LRESULT CALLBACK Control::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return control->handleMessage(message, wParam, lParam);
}

LRESULT Control::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return defaultHandling(message, wParam, lParam);
}

LRESULT Control::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
    SetCursor(cursor_ == Cursor::hand ? handCursor() : LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
  }
  raiseInputEvent(message, wParam, lParam);
  if (systemProc_) return CallWindowProcA(systemProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Control::raiseInputEvent(UINT message, WPARAM wParam, LPARAM lParam) {
  int32_t x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  // A mouse message carries Ctrl and Shift as they were when it was made; Alt it does not.
  int32_t keys = ((wParam & MK_CONTROL) ? 1 : 0) | ((wParam & MK_SHIFT) ? 2 : 0) |
                 (GetKeyState(VK_MENU) < 0 ? 4 : 0);
  switch (message) {
    case WM_LBUTTONDOWN: raise(mouse_event::leftDown, {x, y, keys}); return true;
    case WM_LBUTTONUP: raise(mouse_event::leftUp, {x, y, keys}); return true;
    case WM_LBUTTONDBLCLK: raise(mouse_event::leftDoubleClick, {x, y, keys}); return true;
    case WM_RBUTTONDOWN: raise(mouse_event::rightDown, {x, y, keys}); return true;
    case WM_RBUTTONUP: raise(mouse_event::rightUp, {x, y, keys}); return true;
    case WM_MOUSEMOVE: raise(mouse_event::move, {x, y, keys}); return true;
    case WM_SETFOCUS: raise(mouse_event::focusGained); return true;
    case WM_KILLFOCUS: raise(mouse_event::focusLost); return true;
    case WM_KEYDOWN: raise(mouse_event::keyDown, {static_cast<int32_t>(wParam), currentKeyState()}); return true;
    case WM_KEYUP: raise(mouse_event::keyUp, {static_cast<int32_t>(wParam), currentKeyState()}); return true;
    case WM_CHAR: raise(mouse_event::character, {static_cast<int32_t>(wParam)}); return true;
    case WM_MOUSEWHEEL:
      raise(mouse_event::wheel, {GET_WHEEL_DELTA_WPARAM(wParam), currentKeyState()});
      return true;
    default: return false;
  }
}

EventReply Control::raise(int32_t event, std::initializer_list<int32_t> args) {
  return raiseEvent(window_.description().number, description_.number, event, args);
}

bool Control::readProperty(int number, PropertyValue& value) {
  RECT place = placeOf(hwnd_);
  switch (number) {
    case property::left: value.integer = place.left; return true;
    case property::top: value.integer = place.top; return true;
    case property::width: value.integer = place.right - place.left; return true;
    case property::height: value.integer = place.bottom - place.top; return true;
    case property::tag: value.text = tag_; return true;
    case property::visible: value.integer = IsWindowVisible(hwnd_) ? 1 : 0; return true;
    case property::disabled: value.integer = IsWindowEnabled(hwnd_) ? 0 : 1; return true;
    case property::cursor: value.integer = static_cast<int32_t>(cursor_); return true;
    default: return false;
  }
}

bool Control::writeProperty(int number, const PropertyValue& value) {
  RECT place = placeOf(hwnd_);
  int left = place.left, top = place.top, width = place.right - place.left,
      height = place.bottom - place.top;
  switch (number) {
    case property::left: left = value.integer; break;
    case property::top: top = value.integer; break;
    case property::width: width = value.integer; break;
    case property::height: height = value.integer; break;
    case property::tag: tag_ = value.text; return true;
    case property::visible: ShowWindow(hwnd_, value.integer ? SW_SHOWNA : SW_HIDE); return true;
    case property::disabled: EnableWindow(hwnd_, value.integer ? FALSE : TRUE); return true;
    case property::cursor: cursor_ = value.integer ? Cursor::hand : Cursor::arrow; return true;
    default: return false;
  }
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

}  // namespace frame
