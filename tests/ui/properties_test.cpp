// Property writes: captions and visibility from a worker thread, progress values, pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "frame/window.h"
#include "tests/support/child_process.h"
#include "tests/support/mouse.h"
#include "tests/ui/fixtures.h"
#include "tests/ui/test_window.h"
#include "ui/control_kinds.h"

namespace ui_testing {
namespace {

using testing_support::colourName;

class Properties : public KindsTest {};

struct WorkerResult {
  std::string caption, windowText;
  bool visibleAfterHide = true, visibleAfterShow = false;
};

DWORD WINAPI writeFromWorker(LPVOID result) {
  auto* r = static_cast<WorkerResult*>(result);
  frame::writeText(kWindow, kLabel, ui::property::caption, "1.释放压缩包..");
  r->caption = frame::readText(kWindow, kLabel, ui::property::caption).c_str();
  char text[64] = "";
  GetWindowTextA(hwndOf(kLabel), text, sizeof text);
  r->windowText = text;
  frame::writeInteger(kWindow, kProgress, frame::property::visible, 0);
  r->visibleAfterHide = IsWindowVisible(hwndOf(kProgress));
  frame::writeInteger(kWindow, kProgress, frame::property::visible, 1);
  r->visibleAfterShow = IsWindowVisible(hwndOf(kProgress));
  return 0;
}

TEST_F(Properties, WritesFromAWorkerHaveTakenEffectWhenTheyReturn) {
  WorkerResult result;
  HANDLE worker = CreateThread(nullptr, 0, writeFromWorker, &result, 0, nullptr);
  ASSERT_TRUE(testing_support::pumpUntil([&] { return WaitForSingleObject(worker, 0) == WAIT_OBJECT_0; }, 10000));
  CloseHandle(worker);
  EXPECT_EQ(result.caption, "1.释放压缩包..");
  EXPECT_EQ(result.windowText, "1.释放压缩包..");
  EXPECT_FALSE(result.visibleAfterHide);
  EXPECT_TRUE(result.visibleAfterShow);

  testing_support::pumpFor(100);  // the repaint is the UI thread's
  testing_support::Capture label = captureClient(hwndOf(kLabel));
  EXPECT_EQ(count(label, {0, 0, 60, 24}, [](uint32_t p) { return closeTo(p, 0xFFFF00, 40); }) > 0, true);
  frame::writeText(kWindow, kLabel, ui::property::caption, "WWW");
}

TEST_F(Properties, ProgressValuesAreClampedAndTheRangeRunsFromTheSmallerToTheLarger) {
  struct Case { int minimum, maximum, position; int readMinimum, readMaximum, readPosition;
                int low, high, shown; } cases[] = {
      {0, 100, 50, 0, 100, 50, 0, 100, 50},
      {0, 100, 150, 0, 100, 150, 0, 100, 100},      // above the maximum: a full bar
      {-5, 40000, -7, 0, 32767, 0, 0, 32767, 0},    // clamped to 0..32767
      {80, 50, 60, 80, 50, 60, 50, 80, 60},         // minimum above maximum
      {30, 60, 10, 30, 60, 10, 30, 60, 30},         // below the range: an empty bar
  };
  HWND bar = hwndOf(kProgress);
  for (const Case& c : cases) {
    frame::writeInteger(kWindow, kProgress, ui::property::minimum, c.minimum);
    frame::writeInteger(kWindow, kProgress, ui::property::maximum, c.maximum);
    frame::writeInteger(kWindow, kProgress, ui::property::position, c.position);
    EXPECT_EQ(frame::readInteger(kWindow, kProgress, ui::property::minimum), c.readMinimum);
    EXPECT_EQ(frame::readInteger(kWindow, kProgress, ui::property::maximum), c.readMaximum);
    EXPECT_EQ(frame::readInteger(kWindow, kProgress, ui::property::position), c.readPosition);
    PBRANGE range;
    SendMessageA(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, c.low) << c.minimum << ".." << c.maximum;
    EXPECT_EQ(range.iHigh, c.high) << c.minimum << ".." << c.maximum;
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), c.shown) << c.position;
  }
  frame::writeInteger(kWindow, kProgress, ui::property::minimum, 0);
  frame::writeInteger(kWindow, kProgress, ui::property::maximum, 100);
  frame::writeInteger(kWindow, kProgress, ui::property::position, 0);
  LONG style = GetWindowLongA(bar, GWL_STYLE);
  EXPECT_TRUE(style & PBS_SMOOTH);
  EXPECT_FALSE(style & PBS_VERTICAL);
  EXPECT_TRUE(GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

// What the button shows once the screen has caught up with its window's drawing.
uint32_t buttonColour() {
  testing_support::pumpFor(100);
  return captureClient(hwndOf(kButton)).at(30, 15);
}

// The write's own repaint is done: nothing of the button waits to be painted.
bool paintedAlready() { return !GetUpdateRect(hwndOf(kButton), nullptr, FALSE); }

TEST_F(Properties, PictureWritesShowAtOnceOnlyInTheirState) {
  PictureFile yellow{jpeg(60, 30, 0xFFFF00)}, cyan{jpeg(60, 30, 0x00FFFF)}, green{jpeg(60, 30, 0x00FF00)},
      blue{jpeg(60, 30, 0x0000FF)};
  const uint8_t notAPicture[] = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};

  frame::writeBytes(kWindow, kButton, ui::property::normalPicture, yellow.bytes());
  EXPECT_TRUE(paintedAlready());
  EXPECT_TRUE(closeTo(buttonColour(), 0xFFFF00)) << colourName(buttonColour());
  frame::writeBytes(kWindow, kButton, ui::property::hotPicture, cyan.bytes());
  EXPECT_TRUE(closeTo(buttonColour(), 0xFFFF00)) << "hot: not shown while normal";
  testing_support::moveMouseTo(pointIn(kButton, 30, 15));
  EXPECT_TRUE(closeTo(buttonColour(), 0x00FFFF)) << "hot: shown on entering the state";
  frame::writeBytes(kWindow, kButton, ui::property::hotPicture, blue.bytes());
  EXPECT_TRUE(paintedAlready());
  EXPECT_TRUE(closeTo(buttonColour(), 0x0000FF)) << "hot: shown while hot";

  // An undecodable picture leaves the button without it: the hot state falls back to normal.
  frame::writeBytes(kWindow, kButton, ui::property::hotPicture, notAPicture);
  EXPECT_TRUE(closeTo(buttonColour(), 0xFFFF00)) << colourName(buttonColour());
  frame::writeBytes(kWindow, kButton, ui::property::normalPicture, notAPicture);
  EXPECT_EQ(buttonColour(), 0u) << "no usable picture: black";

  frame::writeBytes(kWindow, kButton, ui::property::normalPicture, green.bytes());
  frame::writeBytes(kWindow, kButton, ui::property::hotPicture, blue.bytes());
}

TEST(Pictures, DecodeJpegAndIconFilesAndRefuseMalformedOnes) {
  std::vector<uint8_t> good = jpeg(16, 8, 0xFF0000);
  ui::Picture picture = ui::Picture::decode(good);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture.width(), 16);
  EXPECT_EQ(picture.height(), 8);

  // A one-image icon file: 48 x 48, 32 bits, opaque blue.
  std::vector<uint8_t> icon(6 + 16 + 40 + 48 * 48 * 4 + 48 * 8, 0);
  auto put16 = [&](std::size_t at, uint16_t v) { icon[at] = v & 0xFF; icon[at + 1] = v >> 8; };
  auto put32 = [&](std::size_t at, uint32_t v) { put16(at, v & 0xFFFF); put16(at + 2, v >> 16); };
  put16(2, 1); put16(4, 1);
  icon[6] = 48; icon[7] = 48;
  put32(6 + 8, static_cast<uint32_t>(icon.size() - 22));
  put32(6 + 12, 22);
  put32(22, 40); put32(26, 48); put32(30, 96); put16(34, 1); put16(36, 32);
  for (std::size_t i = 0; i < 48 * 48; ++i) put32(62 + i * 4, 0xFF0000FF);
  ui::Picture decoded = ui::Picture::decode(icon);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded.width(), 48);
  testing_support::Capture drawn = render(decoded, 48, 48, false);
  EXPECT_EQ(drawn.at(10, 10), 0x0000FFu) << colourName(drawn.at(10, 10));

  std::vector<uint8_t> truncated(good.begin(), good.begin() + 20);
  std::vector<uint8_t> hugeHeader = icon;
  put32(22, 0xFFFFFFF0);  // a header size past the end of the file
  std::swap(icon, hugeHeader);
  std::vector<uint8_t> cases[] = {{}, {0xFF, 0xD8, 0xFF}, truncated, hugeHeader, {0, 0, 1, 0, 1, 0}};
  for (const std::vector<uint8_t>& bytes : cases) EXPECT_FALSE(ui::Picture::decode(bytes)) << bytes.size();
}

}  // namespace
}  // namespace ui_testing
