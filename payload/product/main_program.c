/* The product's main program: one window showing the product's name and version. Closing the
   window ends the program. */
#include <windows.h>

#include "mv_libraries.h"
#include "product_title.h"

static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      char text[128];
      wsprintfA(text, "%s\r\n%s %s", PRODUCT_NAME, "版本", mvCoreVersion());
      DrawTextA(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_NOPREFIX);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)previous;
  (void)commandLine;
  WNDCLASSA windowClass = {0};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "MorvaneProductWindow";
  if (!RegisterClassA(&windowClass)) return 1;
  HDC screen = GetDC(NULL);
  int size = mvUiScale(GetDeviceCaps(screen, LOGPIXELSX), 320);
  ReleaseDC(NULL, screen);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, PRODUCT_NAME, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, size, size * 3 / 4, NULL, NULL,
                                instance, NULL);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return (int)message.wParam;
}
