#pragma once
// The window description: a window's settings, its controls in description order and the table
// that binds control events to handlers. Kinds interpret the settings that concern them.
#include <windows.h>

#include <cstdint>
#include <span>

#include "frame/arrays.h"
#include "frame/events.h"

namespace frame {

class Control;
class LoadedWindow;
struct ControlDescription;

// A kind of control: how to create one from its description.
struct ControlKind {
  const char* name;
  Control* (*create)(LoadedWindow& window, const ControlDescription& description, HWND parent);
  bool neverShown;  // timers and the extraction component
};

enum class Cursor : uint8_t { arrow, hand };
enum class Border : uint8_t { none, singleLine, staticEdge };
enum class DisplayMode : uint8_t { topLeft, stretched, centred };

constexpr uint32_t kNoColour = 0xFFFFFFFFu;  // the kind's default colour
constexpr uint32_t rgb(uint32_t hex) {       // #RRGGBB to a COLORREF
  return ((hex >> 16) & 0xFF) | (hex & 0xFF00) | ((hex & 0xFF) << 16);
}

struct FontRecord {  // a LOGFONTA record as stored, checked for its length when used
  const void* bytes;
  uint32_t size;
};

struct ControlDescription {
  const char* name;
  const ControlKind* kind;
  ControlNumber number;
  ControlNumber parent;  // the window's own control number for its direct children
  int left, top, width, height;
  bool visible;
  Cursor cursor = Cursor::arrow;
  // Kind-specific settings.
  uint32_t backColour = kNoColour;
  uint32_t textColour = kNoColour;
  Border border = Border::none;
  DisplayMode displayMode = DisplayMode::topLeft;
  const char* caption = nullptr;
  FontRecord font = {};
  const ByteArrayHeader* picture = nullptr;     // picture box
  const ByteArrayHeader* pictures[4] = {};      // picture button: normal, hot, pressed, disabled
  int32_t minimum = 0, maximum = 100, position = 0;  // progress bar
  bool smooth = false;
  int32_t interval = 0;  // timer
};

struct WindowDescription {
  WindowNumber number;
  ControlNumber selfControl;  // the window addressed as a control
  const char* title;
  int left, top, width, height;
  uint32_t backColour;
  bool visible;
  std::span<const ControlDescription> controls;
  std::span<const EventBinding> events;
};

}  // namespace frame
