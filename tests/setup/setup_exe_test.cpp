#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"
#include "tests/support/screen.h"

namespace {

std::string setupPath() { return testing_support::executableFolder() + "setup.exe"; }

HWND childAt(HWND window, int x, int y) {
  POINT point{x, y};
  return ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE);
}

TEST(SetupExe, ShowsTheDefaultInstallDirectoryFromTheFirstMomentAndEndsWithZeroWhenClosed) {
  testing_support::ChildProcess setup(setupPath());
  ASSERT_TRUE(setup.started());
  HWND window = testing_support::waitForWindow(setup.id(), "安装程序");
  ASSERT_NE(window, nullptr);
  // The first moment the window is visible, the label already shows the computed directory.
  HWND page = childAt(window, 5, 5);
  ASSERT_NE(page, nullptr);
  HWND label = childAt(page, 10, 375);
  ASSERT_NE(label, nullptr);
  char text[256] = "";
  GetWindowTextA(label, text, sizeof text);
  EXPECT_STREQ(text, "C:\\Morvane软件\\Morvane工具09");

  Sleep(500);
  testing_support::savePng(testing_support::captureWindow(window), SCREENSHOT_DIR "/start.png");

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(setup.wait(), 0u);
}

TEST(SetupExe, CarriesItsIconHandCursorManifestAndVersion) {
  HMODULE setup = LoadLibraryExA(setupPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(setup, nullptr);
  EXPECT_NE(FindResourceA(setup, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr) << "icon";
  EXPECT_NE(FindResourceA(setup, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(12)), nullptr) << "hand cursor";
  HRSRC found = FindResourceA(setup, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr) << "manifest";
  std::string manifest(static_cast<const char*>(LockResource(LoadResource(setup, found))),
                       SizeofResource(setup, found));
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
  FreeLibrary(setup);

  DWORD size = GetFileVersionInfoSizeA(setupPath().c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoA(setupPath().c_str(), 0, size, block.data()));
  char* product = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080403a8\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ(product, "Morvane工具09");
}

}  // namespace
