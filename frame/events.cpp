#include "frame/events.h"

#include <atomic>

#include "frame/runtime_error.h"
#include "frame/window.h"

namespace frame {
namespace {

std::atomic<int> holds{0};
std::atomic<bool> stopped{false};

}  // namespace

EventHold::EventHold() { ++holds; }
EventHold::~EventHold() { --holds; }

void stopEventsForGood() { stopped = true; }
bool eventsStoppedForGood() { return stopped; }

EventReply raiseEvent(WindowNumber window, ControlNumber control, int32_t event,
                      std::initializer_list<int32_t> args) {
  if (stopped || holds > 0) return {};
  LoadedWindow* loaded = findWindow(window);
  if (!loaded) runtimeError(0, "未找到引发事件的窗口");
  Control* source = loaded->control(control);
  if (!source) runtimeError(0, "未找到引发事件的窗口组件");
  if (!source->hwnd() || !IsWindow(source->hwnd())) runtimeError(0, "引发事件的窗口组件无效");
  EventHandler handler = loaded->handlerFor(control, event);
  if (!handler) return {};
  EventArgs eventArgs{};
  for (int32_t value : args) {
    if (eventArgs.count == 5) break;
    eventArgs.value[eventArgs.count++] = value;
  }
  return handler(eventArgs);
}

}  // namespace frame
