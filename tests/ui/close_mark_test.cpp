// The release on the close mark "×" of the real main window, each in a process of its own since
// it ends the program: the release belongs to the control under the mouse, unless the install
// button holds the mouse from a press on it.
#include <gtest/gtest.h>
#include <windows.h>

#include "frame/program.h"
#include "frame/window.h"
#include "installer/program_state.h"
#include "tests/support/main_window.h"
#include "tests/support/child_process.h"
#include "tests/support/mouse.h"
#include "ui/main_window.h"

namespace {

constexpr int kStillRunning = 42;

// Presses at `from` and releases at `to` (page-1 coordinates) in the loaded main window.
int pressAndRelease(POINT from, POINT to) {
  testing_support::loadMainWindow();
  HWND page = frame::findWindow(ui::主窗口)->control(ui::图片框1_背景)->hwnd();
  testing_support::pumpFor(200);
  testing_support::moveMouseTo(testing_support::onScreen(page, from.x, from.y));
  testing_support::pressLeft();
  testing_support::moveMouseTo(testing_support::onScreen(page, to.x, to.y));
  testing_support::releaseLeft();
  testing_support::pumpFor(300);
  return kStillRunning;
}

constexpr POINT kCloseMark{235, 19}, kBackground{240, 150}, kLabel{20, 355}, kButton{120, 290};

}  // namespace

CHILD_SCENARIO(onCloseMark) { return pressAndRelease(kCloseMark, kCloseMark); }
CHILD_SCENARIO(closeMarkToBackground) { return pressAndRelease(kCloseMark, kBackground); }
CHILD_SCENARIO(backgroundToCloseMark) { return pressAndRelease(kBackground, kCloseMark); }
CHILD_SCENARIO(labelToCloseMark) { return pressAndRelease(kLabel, kCloseMark); }
CHILD_SCENARIO(installButtonToCloseMark) { return pressAndRelease(kButton, kCloseMark); }

namespace {

TEST(CloseMark, AReleaseOnItEndsTheProgramUnlessTheInstallButtonHoldsTheMouse) {
  struct Case { const char* scenario; DWORD exitCode; } cases[] = {
      {"onCloseMark", 0},
      {"closeMarkToBackground", kStillRunning},
      {"backgroundToCloseMark", 0},
      {"labelToCloseMark", 0},
      {"installButtonToCloseMark", kStillRunning},
  };
  for (const Case& c : cases) {
    auto child = testing_support::ChildProcess::scenario(c.scenario);
    EXPECT_EQ(child.wait(), c.exitCode) << c.scenario;
  }
}

}  // namespace
