#include <gtest/gtest.h>
#include <windows.h>

#include "frame/arrays.h"
#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"


CHILD_SCENARIO(indexZero) {
  frame::TextArray array(2);
  array.at(0);
  return 0;
}

CHILD_SCENARIO(indexPastEnd) {
  frame::TextArray array(2);
  array.at(3);
  return 0;
}

namespace {

TEST(TextArray, HoldsItsTextsFromOne) {
  frame::TextArray array(3);
  array.at(1) = "a";
  array.at(3) = "c";
  EXPECT_EQ(array.count(), 3);
  EXPECT_EQ(array.at(1), "a");
  EXPECT_TRUE(array.at(2).empty());
  EXPECT_EQ(array.at(3), "c");
}

TEST(TextArray, IndexOutsideTheArrayIsARunTimeError) {
  struct Case { const char* scenario; const char* text; } cases[] = {
      {"indexZero", "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"},
      {"indexPastEnd", "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
  };
  for (const Case& c : cases) testing_support::expectRunTimeError(c.scenario, c.text);
}

}  // namespace
