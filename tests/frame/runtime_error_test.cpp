#include <gtest/gtest.h>
#include <windows.h>

#include "frame/runtime_error.h"
#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"

CHILD_SCENARIO(frameFailure) { frame::runtimeError(0, "载入启动窗口失败"); }

namespace {

TEST(RuntimeError, TextHasTheCodeAndTheMessageWhenGiven) {
  struct Case { int code; const char* message; const char* text; } cases[] = {
      {6, "调用DLL命令后发现堆栈错误",
       "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n"},
      {0, "载入启动窗口失败", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {4, nullptr, "运行时出错!\r\n\r\n错误代码：4\r\n\r\n"},
      {0, "", "运行时出错!\r\n\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(frame::runtimeErrorText(c.code, c.message), c.text);
}

TEST(RuntimeError, BoxIsTitledErrorWithTheStopIconAndNoOwnerThenExitsWithMinusOne) {
  auto child = testing_support::ChildProcess::scenario("frameFailure");
  auto box = testing_support::waitForMessageBox(child.id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "错误");
  EXPECT_EQ(box->text, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(box->owner, nullptr);
  EXPECT_TRUE(testing_support::showsIcon(box->hwnd, IDI_HAND));
  EXPECT_TRUE(testing_support::hasButton(box->hwnd, IDOK));
  EXPECT_FALSE(testing_support::hasButton(box->hwnd, IDCANCEL));
  EXPECT_EQ(child.wait(1000), std::nullopt) << "the process waits for the box";
  testing_support::answer(box->hwnd, IDOK);
  EXPECT_EQ(child.wait(), 0xFFFFFFFFu);
}

}  // namespace
