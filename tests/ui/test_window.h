#pragma once
// A window of every visible kind with recording handlers, loaded once per test process at the
// screen's top-left corner, so the events and pixels of each kind can be checked on their own.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "frame/events.h"
#include "frame/window.h"

namespace ui_testing {

constexpr frame::WindowNumber kWindow = 0x52010088;
constexpr frame::ControlNumber kSelf = 0x06010088;
enum : frame::ControlNumber {
  kPage = 0x16010100,     // picture box #204060 holding the rest; records its press
  kOverLabel,             // transparent label "WWWW" in white over kUnder
  kUnder,                 // picture box #C03030, 80 x 30 at 10,10
  kLabel,                 // label "WWW", #FFFF00 on #00A000, hand cursor; records its mouse events
  kDefaultFont,           // labels "Ag" white on black: no font record,
  kShortFontRecord,       //   a 59-byte record of a 28-pixel font,
  kFontRecord,            //   the 60-byte record of that font
  kTopLeft,               // picture boxes on #00FF00: 60 x 20 red in 40 x 30,
  kStretched,             //   20 x 10 red | blue in 60 x 40,
  kCentredSmall,          //   20 x 10 red in 60 x 40,
  kCentredLarge,          //   30 x 70 red in 50 x 50,
  kUndecodable,           //   bytes that are no picture in 30 x 30
  kButton,                // picture button: normal green, hot blue, pressed red; records its click
  kButtonBadHot,          // picture button: normal green, undecodable hot
  kButtonNoPicture,       // picture button whose only picture is undecodable
  kProgress,              // progress bar 0 to 100
};

// Window coordinates of the controls, relative to the page's client area.
struct Place { int left, top, width, height; };
Place placeOf(frame::ControlNumber control);

struct Call {
  frame::ControlNumber control;
  int32_t event;
  frame::EventArgs args;
};
extern std::vector<Call> calls;

HWND hwndOf(frame::ControlNumber control);
// The screen point of a point in the control's client area.
POINT pointIn(frame::ControlNumber control, int x, int y);

// Loads the window once per process; clears the recorded calls before each test.
class KindsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
};

}  // namespace ui_testing
