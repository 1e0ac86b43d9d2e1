#pragma once
// Real mouse input through SendInput, waiting until the system has carried out each move.
#include <windows.h>

namespace testing_support {

// Moves the cursor to a screen point and waits until it is there.
void moveMouseTo(POINT screen);
void pressLeft();
void releaseLeft();
void clickAt(POINT screen);

// The screen point of a point in the window's client area.
POINT onScreen(HWND hwnd, int x, int y);

}  // namespace testing_support
