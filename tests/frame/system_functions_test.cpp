#include <gtest/gtest.h>
#include <windows.h>

#include "frame/system_functions.h"
#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"

extern "C" void unbalancedRoutine();

CHILD_SCENARIO(missingInLibrary) {
  frame::resolveSystemFunction({"kernel32", "NoSuchExport"});
  return 0;
}

CHILD_SCENARIO(missingInDefaults) {
  frame::resolveSystemFunction({nullptr, "NoSuchExport"});
  return 0;
}

CHILD_SCENARIO(missingLibrary) {
  frame::resolveSystemFunction({"nosuchlibrary.dll", "Anything"});
  return 0;
}

CHILD_SCENARIO(unbalancedCall) {
  frame::callChecked(reinterpret_cast<FARPROC>(unbalancedRoutine), {1, 2});
  return 0;
}

namespace {

int fakeCalls = 0;

BOOL WINAPI fakeFreeSpace(LPCSTR, PULARGE_INTEGER available, PULARGE_INTEGER total,
                          PULARGE_INTEGER free) {
  ++fakeCalls;
  available->QuadPart = 1;
  total->QuadPart = 2;
  free->QuadPart = 3;
  return TRUE;
}

TEST(SystemFunctions, CallsTheSystemByNameWithABalancedStack) {
  ULARGE_INTEGER available{}, total{}, free{};
  uintptr_t ok = frame::callSystemFunction(
      frame::SystemFunction::GetDiskFreeSpaceExA,
      {frame::arg("c:\\"), frame::arg(&available), frame::arg(&total), frame::arg(&free)});
  EXPECT_NE(ok, 0u);
  EXPECT_GT(total.QuadPart, 0u);
  HANDLE snapshot = reinterpret_cast<HANDLE>(
      frame::callSystemFunction(frame::SystemFunction::CreateToolhelp32Snapshot, {15, 0}));
  EXPECT_NE(snapshot, INVALID_HANDLE_VALUE);
  EXPECT_NE(frame::callSystemFunction(frame::SystemFunction::CloseHandle, {frame::arg(snapshot)}), 0u);
}

TEST(SystemFunctions, ACachedEntryIsCalledWithoutResolvingAgain) {
  frame::replaceSystemFunction(frame::SystemFunction::GetDiskFreeSpaceExA,
                               reinterpret_cast<FARPROC>(fakeFreeSpace));
  ULARGE_INTEGER a{}, b{}, c{};
  for (int i = 0; i < 2; ++i)
    frame::callSystemFunction(frame::SystemFunction::GetDiskFreeSpaceExA,
                              {frame::arg("d:"), frame::arg(&a), frame::arg(&b), frame::arg(&c)});
  EXPECT_EQ(fakeCalls, 2);
  EXPECT_EQ(c.QuadPart, 3u);
}

TEST(SystemFunctions, MissingFunctionsAndUnbalancedCallsAreRunTimeErrors) {
  struct Case { const char* scenario; const char* text; } cases[] = {
      {"missingInLibrary",
       "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“kernel32”中的输出命令“NoSuchExport”\r\n"},
      {"missingInDefaults", "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件中的输出命令“NoSuchExport”\r\n"},
      {"missingLibrary",
       "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“nosuchlibrary.dll”中的输出命令“Anything”\r\n"},
      {"unbalancedCall", "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n"},
  };
  for (const Case& c : cases) testing_support::expectRunTimeError(c.scenario, c.text);
}

}  // namespace
