#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "frame/message_box.h"
#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"

// Shows a box of the style named by the environment and exits with showMessage's answer.
CHILD_SCENARIO(showMessage) {
  uint32_t style = static_cast<uint32_t>(std::strtoul(std::getenv("BOX_STYLE"), nullptr, 0));
  const char* title = std::getenv("BOX_TITLE");
  return frame::showMessage("正文", style, title && *title ? title : nullptr);
}

namespace {

struct Answered {
  std::string title;
  DWORD answer;
};

Answered answerBox(uint32_t style, const char* title, int button) {
  SetEnvironmentVariableA("BOX_STYLE", std::to_string(style).c_str());
  SetEnvironmentVariableA("BOX_TITLE", title);
  auto child = testing_support::ChildProcess::scenario("showMessage");
  auto box = testing_support::waitForMessageBox(child.id());
  if (!box) return {"(no box)", 99};
  EXPECT_EQ(box->text, "正文");
  EXPECT_EQ(box->owner, nullptr);
  testing_support::answer(box->hwnd, button);
  return {box->title, child.wait().value_or(98)};
}

TEST(ShowMessage, DefaultTitleAndAnswersNumberedFromZero) {
  struct Case { uint32_t style; const char* title; int button; const char* seenTitle; DWORD answer; } cases[] = {
      {MB_OK, nullptr, IDOK, "信息：", 0},
      {MB_OKCANCEL, "标题", IDCANCEL, "标题", 1},
      {MB_ABORTRETRYIGNORE, nullptr, IDABORT, "信息：", 2},
      {MB_ABORTRETRYIGNORE, nullptr, IDRETRY, "信息：", 3},
      {MB_ABORTRETRYIGNORE, nullptr, IDIGNORE, "信息：", 4},
      {MB_YESNO | MB_ICONINFORMATION, "温馨提示：", IDYES, "温馨提示：", 5},
      {MB_YESNO | MB_SYSTEMMODAL, nullptr, IDNO, "信息：", 6},
  };
  for (const Case& c : cases) {
    Answered seen = answerBox(c.style, c.title, c.button);
    EXPECT_EQ(seen.title, c.seenTitle);
    EXPECT_EQ(seen.answer, c.answer) << "button " << c.button;
  }
}

}  // namespace
