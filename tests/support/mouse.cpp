#include "tests/support/mouse.h"

#include "tests/support/child_process.h"

namespace testing_support {
namespace {

void send(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void moveMouseTo(POINT screen) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  // Absolute coordinates run from 0 to 65535 over the screen; round to land on the pixel.
  LONG dx = static_cast<LONG>((screen.x * 65536 + width / 2) / width);
  LONG dy = static_cast<LONG>((screen.y * 65536 + height / 2) / height);
  send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
  pumpUntil(
      [&] {
        POINT at;
        GetCursorPos(&at);
        return at.x == screen.x && at.y == screen.y;
      },
      3000);
  pumpFor(60);
}

void pressLeft() {
  send(MOUSEEVENTF_LEFTDOWN);
  pumpFor(80);
}

void releaseLeft() {
  send(MOUSEEVENTF_LEFTUP);
  pumpFor(80);
}

void clickAt(POINT screen) {
  moveMouseTo(screen);
  pressLeft();
  releaseLeft();
}

POINT onScreen(HWND hwnd, int x, int y) {
  POINT point{x, y};
  ClientToScreen(hwnd, &point);
  return point;
}

}  // namespace testing_support
