// The install's steps one by one, on the real main window in this process.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "frame/program.h"
#include "frame/system_functions.h"
#include "frame/window.h"
#include "installer/handlers.h"
#include "installer/install_session.h"
#include "installer/process_check.h"
#include "installer/program_state.h"
#include "installer/shortcut.h"
#include "tests/support/child_process.h"
#include "tests/support/main_window.h"
#include "tests/support/message_boxes.h"
#include "ui/control_kinds.h"
#include "ui/main_window.h"

namespace {

int pickerOpened = 0;
LPITEMIDLIST WINAPI countingPicker(void*) {
  ++pickerOpened;
  return nullptr;
}

}  // namespace

// While an install runs, a second click starts nothing and the chooser does not open.
CHILD_SCENARIO(clicksWhileInstalling) {
  testing_support::loadMainWindow();
  frame::replaceSystemFunction(frame::SystemFunction::SHBrowseForFolderA,
                               reinterpret_cast<FARPROC>(countingPicker));
  installer::installRunning = true;
  installer::onInstallButtonClicked();  // would show the notice box and block
  installer::onInstallDirLabelPressed(0, 0, 0);
  return pickerOpened;
}

namespace {

class InstallSteps : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::loadMainWindow(); }
};

TEST_F(InstallSteps, TheProgressPositionFollowsTheBarsMaximum) {
  struct Case { int32_t maximum, percent, position; } cases[] = {
      {100, 0, 0}, {100, 37, 37}, {200, 55, 110}, {7, 50, 3}, {100, 99, 99}};
  for (const Case& c : cases) {
    frame::writeInteger(ui::主窗口, ui::进度条1, ui::property::maximum, c.maximum);
    installer::onExtractionProgress(c.percent);
    EXPECT_EQ(frame::readInteger(ui::主窗口, ui::进度条1, ui::property::position), c.position)
        << c.maximum << " at " << c.percent;
  }
  // Below 100 nothing else changes.
  EXPECT_EQ(frame::readText(ui::主窗口, ui::标签_日志, ui::property::caption), "");
  EXPECT_EQ(frame::readInteger(ui::主窗口, ui::进度条1, frame::property::visible), 0);
}

TEST_F(InstallSteps, TheArchiveLocationsAreTheTemporaryFolderAndTheInstallDrivesRoot) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  EXPECT_EQ(std::string(installer::archiveTempPath().c_str()), std::string(folder) + "\\tool.zip");
  EXPECT_EQ(installer::archiveFallbackPath("E:\\Apps\\Morvane工具09"), "E:\\tool.zip");
  EXPECT_EQ(installer::archiveFallbackPath("\\\\server\\share\\Morvane工具09"), "\\:\\tool.zip");
}

TEST_F(InstallSteps, OnlyAnotherProcessWithTheSameNameIgnoringAsciiCaseCounts) {
  std::string self = testing_support::executablePath();
  self = self.substr(self.find_last_of('\\') + 1);
  EXPECT_FALSE(installer::isProcessRunning(self.c_str())) << "the installer itself does not count";
  EXPECT_TRUE(installer::isProcessRunning("services.exe"));
  EXPECT_TRUE(installer::isProcessRunning("SERVICES.EXE"));
  EXPECT_FALSE(installer::isProcessRunning("services"));
  EXPECT_FALSE(installer::isProcessRunning("xservices.exe"));
}

TEST_F(InstallSteps, AShortcutFileAlwaysEndsInLnk) {
  CoInitialize(nullptr);
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string dotted = std::string(folder) + "first.last";
  CreateDirectoryA(dotted.c_str(), nullptr);
  struct Case { std::string path, file; } cases[] = {
      {dotted + "\\Morvane工具09", dotted + "\\Morvane工具09.lnk"},
      {dotted + "\\Already.LNK", dotted + "\\Already.LNK"},
  };
  for (const Case& c : cases) {
    DeleteFileA(c.file.c_str());
    EXPECT_EQ(installer::createShortcut(c.path.c_str(), "C:\\windows\\notepad.exe", "C:\\windows"), 1);
    EXPECT_NE(GetFileAttributesA(c.file.c_str()), INVALID_FILE_ATTRIBUTES) << c.file;
    DeleteFileA(c.file.c_str());
  }
  EXPECT_EQ(installer::createShortcut((std::string(folder) + "no\\such\\folder\\x").c_str(),
                                      "C:\\windows\\notepad.exe", "C:\\windows"), 0);
  RemoveDirectoryA(dotted.c_str());
  CoUninitialize();
}

TEST(InstallGuard, ASecondClickOrAChooserPressDuringAnInstallDoesNothing) {
  auto child = testing_support::ChildProcess::scenario("clicksWhileInstalling");
  auto box = testing_support::waitForMessageBox(child.id(), 3000);
  if (box) testing_support::answer(box->hwnd, IDOK);
  EXPECT_FALSE(box) << "no notice: no second install starts";
  EXPECT_EQ(child.wait(), 0u) << "the picker did not open";
}

}  // namespace
