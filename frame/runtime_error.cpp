#include "frame/runtime_error.h"

#include <windows.h>

#include <cstdio>

#include "frame/events.h"
#include "frame/message_box.h"

namespace frame {

Text runtimeErrorText(int code, const char* message) {
  char codeLine[40] = "";
  if (code != 0) std::snprintf(codeLine, sizeof codeLine, "错误代码：%d\r\n\r\n", code);
  bool hasMessage = message && *message;
  return Text::join({"运行时出错!\r\n\r\n", codeLine, hasMessage ? "错误信息：" : "",
                     hasMessage ? message : "", hasMessage ? "\r\n" : ""});
}

void runtimeError(int code, const char* message) {
  stopEventsForGood();
  Text text = runtimeErrorText(code, message);
  messageBox(text.c_str(), "错误", MB_OK | MB_ICONSTOP);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace frame
