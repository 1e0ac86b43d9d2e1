#pragma once
// Finding a process's message boxes, reading them and answering them as a user would.
#include <windows.h>

#include <optional>
#include <string>

namespace testing_support {

struct MessageBoxSeen {
  HWND hwnd;
  std::string title;
  std::string text;
  HWND owner;
};

// The first visible message box of the process, waiting at most `milliseconds`.
std::optional<MessageBoxSeen> waitForMessageBox(DWORD processId, DWORD milliseconds = 20000);

// Whether the box shows the system icon `icon` (IDI_HAND, IDI_ASTERISK, ...).
bool showsIcon(HWND box, LPCSTR icon);

// Whether the box has a button with that id (IDOK, IDYES, ...).
bool hasButton(HWND box, int buttonId);

// Presses the box's button with that id.
void answer(HWND box, int buttonId);

// The first visible top-level window of the process with that title.
HWND waitForWindow(DWORD processId, const char* title, DWORD milliseconds = 20000);

}  // namespace testing_support
