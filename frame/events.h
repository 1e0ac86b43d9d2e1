#pragma once
// Event delivery: a control raises (window, control, event, up to five 32-bit arguments); the
// handler bound to that triple runs at once on the raising thread. Unbound events are ignored.
#include <cstdint>
#include <initializer_list>
#include <span>

namespace frame {

using WindowNumber = uint32_t;
using ControlNumber = uint32_t;

struct EventArgs {
  int32_t value[5];
  int count;
  int32_t operator[](int i) const { return i < count ? value[i] : 0; }
};

// What a handler gives back to the raiser: nothing, or a value.
struct EventReply {
  bool hasValue = false;
  int32_t value = 0;
};

using EventHandler = EventReply (*)(const EventArgs& args);

struct EventBinding {
  ControlNumber control;
  int32_t event;
  EventHandler handler;
};

// Raises an event. Returns the handler's reply; an empty reply when the event was dropped or is
// unbound. An event naming a window or control that does not exist is a run-time error.
EventReply raiseEvent(WindowNumber window, ControlNumber control, int32_t event,
                      std::initializer_list<int32_t> args = {});

// Events are dropped while at least one hold is alive (a window being loaded, a control being
// re-created after a property write).
class EventHold {
 public:
  EventHold();
  ~EventHold();
  EventHold(const EventHold&) = delete;
  EventHold& operator=(const EventHold&) = delete;
};

// From now on every event is dropped (the program is ending, or a run-time error was reported).
void stopEventsForGood();
bool eventsStoppedForGood();

}  // namespace frame
