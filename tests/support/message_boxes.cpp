#include "tests/support/message_boxes.h"

#include <cstring>

#include "tests/support/screen.h"

namespace testing_support {
namespace {

struct Search {
  DWORD processId;
  const char* className;
  const char* title;
  HWND found;
};

BOOL CALLBACK visit(HWND hwnd, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search.processId || !IsWindowVisible(hwnd)) return TRUE;
  char name[64] = "";
  GetClassNameA(hwnd, name, sizeof name);
  if (search.className && std::strcmp(name, search.className) != 0) return TRUE;
  if (search.title) {
    char title[256] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::strcmp(title, search.title) != 0) return TRUE;
  }
  search.found = hwnd;
  return FALSE;
}

HWND waitFor(DWORD processId, const char* className, const char* title, DWORD milliseconds) {
  DWORD start = GetTickCount();
  do {
    Search search{processId, className, title, nullptr};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

std::string textOf(HWND hwnd) {
  char text[2048] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

}  // namespace

std::optional<MessageBoxSeen> waitForMessageBox(DWORD processId, DWORD milliseconds) {
  HWND box = waitFor(processId, "#32770", nullptr, milliseconds);
  if (!box) return std::nullopt;
  Sleep(100);  // let the box finish laying itself out
  return MessageBoxSeen{box, textOf(box), textOf(GetDlgItem(box, 0xFFFF)), GetWindow(box, GW_OWNER)};
}

namespace {

// The icon as drawn over a plain background of `colour`.
Capture drawnIcon(HICON icon, int width, int height, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  RECT all{0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
  Capture capture;
  capture.width = width;
  capture.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = GetPixel(memory, x, y);
      capture.pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

}  // namespace

// Icons are compared by what the screen shows: the opaque pixels of the system icon drawn here
// must match the box's icon control.
bool showsIcon(HWND box, LPCSTR icon) {
  HICON wanted = LoadIconA(nullptr, icon);
  int size = GetSystemMetrics(SM_CXICON);
  Capture overBlack = drawnIcon(wanted, size, size, RGB(0, 0, 0));
  Capture overWhite = drawnIcon(wanted, size, size, RGB(255, 255, 255));
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (_stricmp(name, "Static") != 0 || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
      continue;
    RECT rect;
    GetWindowRect(child, &rect);
    rect.right = rect.left + size;
    rect.bottom = rect.top + size;
    Capture shown = captureScreen(rect);
    int compared = 0, equal = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        if (overBlack.at(x, y) == overWhite.at(x, y)) {
          ++compared;
          equal += shown.at(x, y) == overBlack.at(x, y);
        }
    if (compared > 0 && equal * 10 >= compared * 9) return true;
  }
  return false;
}

bool hasButton(HWND box, int buttonId) { return GetDlgItem(box, buttonId) != nullptr; }

void answer(HWND box, int buttonId) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

HWND waitForWindow(DWORD processId, const char* title, DWORD milliseconds) {
  return waitFor(processId, nullptr, title, milliseconds);
}

}  // namespace testing_support
