// Real mouse input: the picture button's states, capture and click; the common mouse events with
// their position and key state; the hand cursor.
#include <gtest/gtest.h>

#include <algorithm>

#include "frame/resources.h"
#include "frame/window.h"
#include "tests/support/child_process.h"
#include "tests/support/mouse.h"
#include "tests/ui/fixtures.h"
#include "tests/ui/test_window.h"

namespace ui_testing {
namespace {

using testing_support::colourName;
using testing_support::moveMouseTo;
using testing_support::pressLeft;
using testing_support::releaseLeft;

constexpr uint32_t kGreen = 0x00FF00, kRed = 0xFF0000, kBlue = 0x0000FF;

uint32_t shownBy(frame::ControlNumber button) {
  return captureClient(hwndOf(button)).at(30 < placeOf(button).width ? 30 : 20, 15);
}

int clicks() {
  int n = 0;
  for (const Call& call : calls) n += call.control == kButton && call.event == 0;
  return n;
}

class Mouse : public KindsTest {};

TEST_F(Mouse, ButtonIsHotWhileHoveredPressedWhileHeldAndNormalOutside) {
  EXPECT_TRUE(closeTo(shownBy(kButton), kGreen)) << colourName(shownBy(kButton));
  moveMouseTo(pointIn(kButton, 30, 15));
  EXPECT_TRUE(closeTo(shownBy(kButton), kBlue)) << "hot: " << colourName(shownBy(kButton));
  pressLeft();
  EXPECT_TRUE(closeTo(shownBy(kButton), kRed)) << "pressed: " << colourName(shownBy(kButton));
  EXPECT_EQ(GetCapture(), hwndOf(kButton));

  moveMouseTo(pointIn(kPage, 250, 220));
  EXPECT_TRUE(closeTo(shownBy(kButton), kGreen)) << "held outside: " << colourName(shownBy(kButton));
  EXPECT_EQ(GetCapture(), hwndOf(kButton)) << "the button keeps the mouse until the release";
  releaseLeft();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(clicks(), 0) << "a release outside raises nothing";
  for (const Call& call : calls) EXPECT_NE(call.control, kPage) << "the page saw no press";
}

TEST_F(Mouse, ButtonClicksOnReleaseInsideAlsoAfterAPressOnTheBackground) {
  moveMouseTo(pointIn(kButton, 30, 15));
  pressLeft();
  EXPECT_EQ(clicks(), 0) << "no click on the press";
  releaseLeft();
  EXPECT_EQ(clicks(), 1);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.back().event, 0) << "the click follows the release event";
  EXPECT_EQ(calls[calls.size() - 2].event, frame::mouse_event::leftUp);

  calls.clear();
  moveMouseTo(pointIn(kPage, 250, 220));
  pressLeft();
  moveMouseTo(pointIn(kButton, 20, 10));
  EXPECT_TRUE(closeTo(shownBy(kButton), kRed)) << "entered with the button held: pressed";
  releaseLeft();
  EXPECT_EQ(clicks(), 1);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().control, kPage) << "the press went to the page";
}

TEST_F(Mouse, ButtonFallsBackToTheNormalPictureAndToBlack) {
  moveMouseTo(pointIn(kButtonBadHot, 20, 15));
  EXPECT_TRUE(closeTo(shownBy(kButtonBadHot), kGreen)) << "undecodable hot picture: normal shown";
  moveMouseTo(pointIn(kButtonNoPicture, 20, 15));
  testing_support::Capture black = captureClient(hwndOf(kButtonNoPicture));
  EXPECT_EQ(count(black, {0, 0, 40, 30}, [](uint32_t p) { return p != 0; }), 0) << "no usable picture";
}

// Holds keys down through SendInput for the scope.
class KeysHeld {
 public:
  explicit KeysHeld(std::initializer_list<WORD> keys) : keys_(keys) {
    for (WORD key : keys_) send(key, 0);
  }
  ~KeysHeld() {
    for (WORD key : keys_) send(key, KEYEVENTF_KEYUP);
  }

 private:
  static void send(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    testing_support::pumpFor(40);
  }
  std::vector<WORD> keys_;
};

TEST_F(Mouse, MouseEventsCarryTheClientPositionAndTheKeyState) {
  struct Case { std::initializer_list<WORD> keys; int32_t state; } cases[] = {
      {{}, 0}, {{VK_CONTROL}, 1}, {{VK_SHIFT}, 2}, {{VK_CONTROL, VK_SHIFT}, 3}};
  for (const Case& c : cases) {
    calls.clear();
    moveMouseTo(pointIn(kLabel, 5, 7));
    {
      KeysHeld held(c.keys);
      pressLeft();
      // The press is reported at once, before any release.
      ASSERT_FALSE(calls.empty());
      const Call& press = calls.back();
      EXPECT_EQ(press.event, frame::mouse_event::leftDown);
      EXPECT_EQ(press.args.count, 3);
      EXPECT_EQ(press.args[0], 5);
      EXPECT_EQ(press.args[1], 7);
      EXPECT_EQ(press.args[2], c.state);
      releaseLeft();  // in place: a move made by the test would drop the keys it holds
    }
    auto release = std::find_if(calls.rbegin(), calls.rend(),
                                [](const Call& call) { return call.event == frame::mouse_event::leftUp; });
    ASSERT_NE(release, calls.rend());
    EXPECT_EQ(release->args[0], 5);
    EXPECT_EQ(release->args[1], 7);
    EXPECT_EQ(release->args[2], c.state);
  }
  calls.clear();
  moveMouseTo(pointIn(kLabel, 40, 12));
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().event, frame::mouse_event::move);
  EXPECT_EQ(calls.back().args[0], 40);
  EXPECT_EQ(calls.back().args[1], 12);
}

TEST_F(Mouse, TheHandCursorIsTheFramesOwnOverTheControlsThatHaveIt) {
  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(RESOURCE_HAND_CURSOR));
  ASSERT_NE(hand, nullptr);
  moveMouseTo(pointIn(kLabel, 10, 10));
  EXPECT_EQ(GetCursor(), hand);
  moveMouseTo(pointIn(kPage, 250, 220));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace ui_testing
