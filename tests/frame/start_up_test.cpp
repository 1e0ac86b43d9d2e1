#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "frame/program.h"
#include "frame/system_functions.h"
#include "frame/window.h"
#include "tests/support/child_process.h"
#include "ui/control_kinds.h"

namespace {

constexpr frame::ControlNumber kSelf = 0x06010066;

const frame::ControlDescription kControls[] = {
    {.name = "label", .kind = &ui::labelKind, .number = 0x16010001, .parent = kSelf, .left = 0,
     .top = 0, .width = 10, .height = 10, .visible = true},
};
frame::EventReply nothing(const frame::EventArgs&) { return {}; }
const frame::EventBinding kBadEvents[] = {{0x16010002, 0, nothing}};  // no such control
const frame::WindowDescription kBadDescription = {
    .number = 0x52010066, .selfControl = kSelf, .title = "bad", .width = 10, .height = 10,
    .controls = kControls, .events = kBadEvents};

}  // namespace

// Started from another folder: the frame makes the executable's folder the current one.
CHILD_SCENARIO(currentDirectory) {
  frame::initialise({});
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  return std::string(current) + "\\" == testing_support::executableFolder() ? 0 : 1;
}

// A shell32.dll planted beside the executable is never the one called.
CHILD_SCENARIO(plantedLibrary) {
  frame::initialise({});
  LPITEMIDLIST root = nullptr;
  frame::callSystemFunction(frame::SystemFunction::SHGetFolderLocation,
                            {0, 0, 0, 0, frame::arg(&root)});
  return root ? 0 : 1;
}

CHILD_SCENARIO(badDescription) {
  const frame::WindowDescription* descriptions[] = {&kBadDescription};
  frame::initialise(descriptions);
  return 0;
}

CHILD_SCENARIO(propertyOfUnloadedWindow) {
  frame::initialise({});
  frame::readText(0x52019999, 0x16010001, 8);
  return 0;
}

CHILD_SCENARIO(handleOfUnloadedWindow) {
  frame::initialise({});
  frame::windowHandle(0x52019999);
  return 0;
}

namespace {

TEST(StartUp, TheCurrentDirectoryBecomesTheExecutablesFolder) {
  std::string command = "\"" + testing_support::executablePath() + "\" --child currentDirectory";
  testing_support::ChildProcess child(command, "C:\\");
  EXPECT_EQ(child.wait(), 0u);
}

TEST(StartUp, LibrariesComeFromTheSystemDirectoryNotTheExecutablesFolder) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "planted";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string copy = folder + "\\frame_tests.exe";
  ASSERT_TRUE(CopyFileA(testing_support::executablePath().c_str(), copy.c_str(), FALSE));
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  // Any other library under the name shell32.dll: it lacks SHGetFolderLocation.
  ASSERT_TRUE(CopyFileA((std::string(system) + "\\version.dll").c_str(), (folder + "\\shell32.dll").c_str(), FALSE));
  testing_support::ChildProcess child("\"" + copy + "\" --child plantedLibrary", folder.c_str());
  EXPECT_EQ(child.wait(), 0u);
  DeleteFileA(copy.c_str());
  DeleteFileA((folder + "\\shell32.dll").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(StartUp, FrameFailuresAreRunTimeErrorsWithTheirOwnTexts) {
  struct Case { const char* scenario; const char* message; } cases[] = {
      {"badDescription", "载入窗口模板数据段出错!"},
      {"propertyOfUnloadedWindow", "未载入欲访问窗口组件所在的窗口"},
      {"handleOfUnloadedWindow", "指定窗口尚未载入"},
  };
  for (const Case& c : cases)
    testing_support::expectRunTimeError(c.scenario, std::string("运行时出错!\r\n\r\n错误信息：") + c.message + "\r\n");
}

}  // namespace
