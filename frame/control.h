#pragma once
// A control: a child window made from its description. Properties 0 to 7 are common to every
// kind; a kind handles its own properties from 8 on and its painting and mouse behaviour.
#include <windows.h>

#include <cstdint>
#include <span>

#include "frame/text.h"
#include "frame/window_description.h"

namespace frame {

namespace property {
constexpr int left = 0, top = 1, width = 2, height = 3, tag = 4, visible = 5, disabled = 6,
              cursor = 7;
}

// A property value as read or written: an integer, a text or bytes (a picture file).
struct PropertyValue {
  int32_t integer = 0;
  Text text;
  std::span<const uint8_t> bytes;
};

// The mouse and keyboard events every control raises.
namespace mouse_event {
constexpr int32_t leftDown = -1, leftUp = -2, leftDoubleClick = -3, rightDown = -4, rightUp = -5,
                  move = -6, focusGained = -7, focusLost = -8, keyDown = -9, keyUp = -10,
                  character = -11, wheel = -12;
}

class Control {
 public:
  Control(LoadedWindow& window, const ControlDescription& description);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND hwnd() const { return hwnd_; }
  const ControlDescription& description() const { return description_; }
  LoadedWindow& window() const { return window_; }

  // Property operations, on the UI thread. They return false for a property the kind lacks.
  virtual bool readProperty(int number, PropertyValue& value);
  virtual bool writeProperty(int number, const PropertyValue& value);

 protected:
  // Creates the control's system window of `className` (registered with `windowProc`).
  void createWindow(const char* className, DWORD style, DWORD exStyle, HWND parent);
  static void registerClass(const char* className, UINT classStyle = 0);
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // The kind's message handling; the default raises the mouse and keyboard events, sets the
  // cursor and leaves the rest to the system.
  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
  EventReply raise(int32_t event, std::initializer_list<int32_t> args = {});

  // Subclasses a system control (the progress bar) so that the common events still come.
  void subclassSystemControl();

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool raiseInputEvent(UINT message, WPARAM wParam, LPARAM lParam);

  LoadedWindow& window_;
  const ControlDescription& description_;
  Text tag_;
  Cursor cursor_;
  WNDPROC systemProc_ = nullptr;
};

// The key state of the mouse events: 1 Ctrl + 2 Shift + 4 Alt.
int32_t currentKeyState();

}  // namespace frame
