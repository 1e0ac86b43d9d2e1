// What the real main window shows: the squeezed logo, the captions, the hot install button, and
// the progress bar over the button's lower edge. Screenshots go to the tree's screenshots folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "frame/program.h"
#include "frame/window.h"
#include "installer/program_state.h"
#include "tests/support/main_window.h"
#include "tests/support/child_process.h"
#include "tests/support/mouse.h"
#include "tests/ui/fixtures.h"
#include "ui/art.h"
#include "ui/control_kinds.h"
#include "ui/main_window.h"

namespace {

using testing_support::Capture;
using ui_testing::closeTo;
using ui_testing::count;

HWND hwndOf(frame::ControlNumber number) { return frame::findWindow(ui::主窗口)->control(number)->hwnd(); }

// Whether every channel of the pixel lies between the two colours': the glyph's edges blend them.
bool blendOf(uint32_t pixel, uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    int p = (pixel >> shift) & 0xFF, x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    if (p < std::min(x, y) - 8 || p > std::max(x, y) + 8) return false;
  }
  return true;
}

ui::Picture pictureOf(const frame::ByteArrayHeader& file) { return ui::Picture::decode(frame::elements(file)); }

class MainWindowLook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing_support::loadMainWindow();
    testing_support::pumpFor(300);
  }
  void SetUp() override { testing_support::moveMouseTo({50, 50}); }
  static Capture page() { return ui_testing::captureClient(hwndOf(ui::图片框1_背景)); }
  static void save(const char* name) {
    testing_support::savePng(testing_support::captureWindow(frame::windowHandle(ui::主窗口)),
                             std::string(SCREENSHOT_DIR "/") + name);
  }
};

TEST_F(MainWindowLook, TheLogoIsSqueezedTo211By211AndTheCaptionsShow) {
  Capture shown = page();
  Capture logo = ui_testing::render(pictureOf(logoPicture), 211, 211, true);
  EXPECT_LT(ui_testing::meanDifference(shown, {12, 36}, logo, {0, 0}, 211, 211), 4.0);

  struct Caption { RECT area; uint32_t colour; const char* what; } captions[] = {
      {{7, 8, 75, 32}, 0xFFFF00, "the yellow title"},
      {{230, 14, 242, 26}, 0xFFFFFF, "the white close mark"},
      {{7, 344, 63, 368}, 0xFFFFFF, "安装目录："},
      {{7, 367, 239, 392}, 0xFFFFFF, "the install directory"},
  };
  for (const Caption& c : captions) {
    EXPECT_GT(count(shown, c.area, [&](uint32_t p) { return closeTo(p, c.colour, 40); }), 4) << c.what;
    EXPECT_EQ(count(shown, c.area, [&](uint32_t p) { return !blendOf(p, 0x1683C4, c.colour); }), 0)
        << c.what << ": nothing but the page colour around the glyphs";
  }
  // Repainting the page alone keeps the transparent captions.
  InvalidateRect(hwndOf(ui::图片框1_背景), nullptr, TRUE);
  testing_support::pumpFor(200);
  EXPECT_GT(count(page(), {230, 14, 242, 26}, [](uint32_t p) { return closeTo(p, 0xFFFFFF, 40); }), 4);
}

TEST_F(MainWindowLook, TheInstallButtonIsHotUnderTheMouseAndNormalOnTheProgressStrip) {
  Capture normal = ui_testing::render(pictureOf(installFacePicture), 220, 80, false);
  Capture hot = ui_testing::render(pictureOf(installFaceHotPicture), 220, 80, false);
  HWND button = hwndOf(ui::图形按钮1);
  auto shows = [&](const Capture& expected) {
    return ui_testing::meanDifference(ui_testing::captureClient(button), {0, 0}, expected, {0, 0}, 220, 72) < 2.0;
  };
  EXPECT_TRUE(shows(normal));
  testing_support::moveMouseTo(testing_support::onScreen(button, 110, 40));
  EXPECT_TRUE(shows(hot));
  save("hot-button.png");
  testing_support::pressLeft();
  EXPECT_TRUE(shows(normal)) << "no pressed picture: the normal one";
  testing_support::moveMouseTo(testing_support::onScreen(button, 200, 200));
  testing_support::releaseLeft();

  testing_support::moveMouseTo(testing_support::onScreen(button, 110, 40));
  EXPECT_TRUE(shows(hot));
  frame::writeInteger(ui::主窗口, ui::进度条1, frame::property::visible, 1);
  frame::writeInteger(ui::主窗口, ui::进度条1, ui::property::position, 40);
  testing_support::moveMouseTo(testing_support::onScreen(hwndOf(ui::进度条1), 100, 4));
  EXPECT_TRUE(shows(normal)) << "the bar's strip is not the button";
  save("progress-shown.png");

  // The bar lies over the button's bottom 8 rows from x 21 to 225 of the page.
  Capture shown = page();
  EXPECT_GT(ui_testing::meanDifference(shown, {21, 327}, normal, {7, 72}, 205, 8), 20.0);
  EXPECT_LT(ui_testing::meanDifference(shown, {14, 327}, normal, {0, 72}, 7, 8), 3.0) << "left of the bar";
  EXPECT_LT(ui_testing::meanDifference(shown, {14, 319}, normal, {0, 64}, 220, 8), 3.0) << "above the bar";
  frame::writeInteger(ui::主窗口, ui::进度条1, frame::property::visible, 0);
}

TEST_F(MainWindowLook, TheProgressBarFillsInProportionToItsPosition) {
  HWND bar = hwndOf(ui::进度条1);
  frame::writeInteger(ui::主窗口, ui::进度条1, frame::property::visible, 1);
  frame::writeInteger(ui::主窗口, ui::进度条1, ui::property::position, 0);
  testing_support::pumpFor(150);
  Capture empty = ui_testing::captureClient(bar);
  ASSERT_EQ(empty.width, 203) << "205 wide with a one-pixel edge";
  uint32_t background = empty.at(empty.width - 2, 3);
  struct Case { int position, filled; } cases[] = {{25, 51}, {50, 102}, {100, 203}, {150, 203}};
  for (const Case& c : cases) {
    frame::writeInteger(ui::主窗口, ui::进度条1, ui::property::position, c.position);
    testing_support::pumpFor(150);
    Capture shown = ui_testing::captureClient(bar);
    int filled = count(shown, {0, 3, shown.width, 4}, [&](uint32_t p) { return p != background; });
    EXPECT_NEAR(filled, c.filled, 3) << c.position;
  }
  frame::writeInteger(ui::主窗口, ui::进度条1, ui::property::position, 0);
  frame::writeInteger(ui::主窗口, ui::进度条1, frame::property::visible, 0);
}

}  // namespace
