#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "frame/program.h"
#include "frame/system_functions.h"
#include "frame/window.h"
#include "installer/handlers.h"
#include "installer/program_state.h"
#include "ui/control_kinds.h"
#include "tests/support/main_window.h"
#include "ui/main_window.h"

namespace {

HWND hwndOf(frame::ControlNumber number) {
  return frame::findWindow(ui::主窗口)->control(number)->hwnd();
}

std::string windowText(HWND hwnd) {
  char text[512] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

RECT placeInParent(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

uint64_t fakeFreeBytes;
BOOL WINAPI fakeFreeSpace(LPCSTR, PULARGE_INTEGER available, PULARGE_INTEGER total,
                          PULARGE_INTEGER totalFree) {
  available->QuadPart = 0;  // a quota leaving the user nothing: the total free space decides
  total->QuadPart = fakeFreeBytes * 2;
  totalFree->QuadPart = fakeFreeBytes;
  return TRUE;
}

class MainWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing_support::loadMainWindow();
  }
  static std::string caption() {
    return frame::readText(ui::主窗口, ui::标签_安装目录, ui::property::caption).c_str();
  }
};

TEST_F(MainWindow, WithoutDriveDTheDefaultInstallDirectoryIsOnC) {
  // Wine's prefix has no D: drive.
  EXPECT_EQ(caption(), "C:\\Morvane软件\\Morvane工具09");
  EXPECT_EQ(windowText(hwndOf(ui::标签_安装目录)), caption()) << "the window text follows the caption";
  EXPECT_EQ(installer::productIndex, 9);
  EXPECT_EQ(installer::productName, "Morvane工具09");
  EXPECT_EQ(installer::productCatalogue.count(), 24);
}

TEST_F(MainWindow, DriveDIsChosenFromAThousandMebibytesOfTotalFreeSpace) {
  struct Case { uint64_t freeBytes; const char* caption; } cases[] = {
      {1048576000, "D:\\Morvane软件\\Morvane工具09"},
      {1048575999, "C:\\Morvane软件\\Morvane工具09"},
      {uint64_t(500) << 30, "D:\\Morvane软件\\Morvane工具09"},
  };
  frame::replaceSystemFunction(frame::SystemFunction::GetDiskFreeSpaceExA,
                               reinterpret_cast<FARPROC>(fakeFreeSpace));
  for (const Case& c : cases) {
    fakeFreeBytes = c.freeBytes;
    installer::onMainWindowCreated();
    EXPECT_EQ(caption(), c.caption) << c.freeBytes;
  }
}

TEST_F(MainWindow, IsABorderless250By400WindowCentredAndThreeHundredPixelsDown) {
  HWND window = frame::windowHandle(ui::主窗口);
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 250) / 2);
  EXPECT_EQ(rect.top, 300);
  EXPECT_EQ(rect.right - rect.left, 250);
  EXPECT_EQ(rect.bottom - rect.top, 400);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_EQ(windowText(window), "安装程序");
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainWindow, EveryControlIsAChildWindowAtItsPlaceInItsParent) {
  for (const frame::ControlDescription& d : ui::mainWindow.controls) {
    HWND hwnd = hwndOf(d.number);
    ASSERT_TRUE(IsWindow(hwnd)) << d.name;
    HWND parent = d.parent == ui::主窗口自身 ? frame::windowHandle(ui::主窗口) : hwndOf(d.parent);
    EXPECT_EQ(GetParent(hwnd), parent) << d.name;
    RECT place = placeInParent(hwnd);
    EXPECT_EQ(place.left, d.left) << d.name;
    EXPECT_EQ(place.top, d.top) << d.name;
    EXPECT_EQ(place.right - place.left, d.width) << d.name;
    EXPECT_EQ(place.bottom - place.top, d.height) << d.name;
  }
  EXPECT_EQ(ui::mainWindow.controls.size(), 25u);
  // Page 1 has a one-pixel border, so its children sit one pixel further in on the screen.
  RECT window, label;
  GetWindowRect(frame::windowHandle(ui::主窗口), &window);
  GetWindowRect(hwndOf(ui::标签_安装目录), &label);
  EXPECT_EQ(label.left - window.left, 8);
  EXPECT_EQ(label.top - window.top, 368);
  char className[64] = "";
  GetClassNameA(hwndOf(ui::进度条1), className, sizeof className);
  EXPECT_STREQ(className, "msctls_progress32");
}

TEST_F(MainWindow, ChildrenAreStackedFirstListedOnTop) {
  for (const frame::ControlDescription& parent : ui::mainWindow.controls) {
    HWND previous = nullptr;
    for (const frame::ControlDescription& d : ui::mainWindow.controls) {
      if (d.parent != parent.number) continue;
      HWND hwnd = hwndOf(d.number);
      if (previous) EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), hwnd) << d.name << " lies beneath its predecessor";
      else EXPECT_EQ(GetWindow(GetParent(hwnd), GW_CHILD), hwnd) << d.name << " is on top";
      previous = hwnd;
    }
  }
  HWND page1 = hwndOf(ui::图片框1_背景);
  EXPECT_EQ(GetWindow(page1, GW_HWNDNEXT), hwndOf(ui::图片框2_背景));
  EXPECT_EQ(GetWindow(hwndOf(ui::图片框2_背景), GW_HWNDNEXT), hwndOf(ui::图片框3_背景));
}

TEST_F(MainWindow, OnlyControlsWithTheVisibleFlagAreShownAndComponentsNever) {
  const frame::ControlNumber hidden[] = {ui::图片框1, ui::进度条1, ui::ZIP压缩1, ui::时钟1,
                                         ui::时钟2, ui::时钟3, ui::时钟4};
  for (const frame::ControlDescription& d : ui::mainWindow.controls) {
    bool shouldHide = std::find(std::begin(hidden), std::end(hidden), d.number) != std::end(hidden);
    EXPECT_EQ((GetWindowLongA(hwndOf(d.number), GWL_STYLE) & WS_VISIBLE) != 0, !shouldHide) << d.name;
  }
}

TEST_F(MainWindow, LabelsKeepTheirCaptionAsWindowText) {
  EXPECT_EQ(windowText(hwndOf(ui::标签1)), "安装目录：");
  EXPECT_EQ(windowText(hwndOf(ui::透明标签1)), "安装程序");
  EXPECT_EQ(windowText(hwndOf(ui::透明标签4)), "×");
  EXPECT_EQ(windowText(hwndOf(ui::标签_日志)), "");
  frame::writeText(ui::主窗口, ui::标签_日志, ui::property::caption, "1.释放压缩包..");
  EXPECT_EQ(windowText(hwndOf(ui::标签_日志)), "1.释放压缩包..");
}

}  // namespace
