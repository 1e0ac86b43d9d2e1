#pragma once
// Loaded windows: the top-level window made from a description, its controls by number, and the
// property operations by (window number, control number, property number) from any thread.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "frame/control.h"
#include "frame/window_description.h"

namespace frame {

class LoadedWindow {
 public:
  explicit LoadedWindow(const WindowDescription& description);
  ~LoadedWindow();
  LoadedWindow(const LoadedWindow&) = delete;
  LoadedWindow& operator=(const LoadedWindow&) = delete;

  const WindowDescription& description() const { return description_; }
  HWND hwnd() const;
  // The control of that number (the window itself for its own control number), or null.
  Control* control(ControlNumber number) const;
  EventHandler handlerFor(ControlNumber control, int32_t event) const;

 private:
  friend LoadedWindow* loadWindow(const WindowDescription&);
  void build();
  Control* createControl(std::size_t index);

  const WindowDescription& description_;
  const ControlDescription selfDescription_;
  std::unique_ptr<Control> self_;
  std::vector<std::unique_ptr<Control>> controls_;  // description order
};

// Creates the window and its controls (events held back meanwhile), raises the window's creation
// event (0) and then shows the window. A failure is a run-time error of the frame.
LoadedWindow* loadWindow(const WindowDescription& description);

// The loaded window of that number, or null.
LoadedWindow* findWindow(WindowNumber number);

// The window's system handle; "指定窗口尚未载入" when it is not loaded.
HWND windowHandle(WindowNumber window);

// Property operations. From a thread other than the UI thread the operation is carried out on the
// UI thread while the caller waits, so it has taken effect when it returns.
int32_t readInteger(WindowNumber window, ControlNumber control, int property);
Text readText(WindowNumber window, ControlNumber control, int property);
void writeInteger(WindowNumber window, ControlNumber control, int property, int32_t value);
void writeText(WindowNumber window, ControlNumber control, int property, const char* value);
void writeBytes(WindowNumber window, ControlNumber control, int property,
                std::span<const uint8_t> value);

}  // namespace frame
