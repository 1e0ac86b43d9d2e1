#include "frame/message_box.h"

#include <windows.h>

namespace frame {

int messageBox(const char* text, const char* title, uint32_t style) {
  if (!(style & MB_SYSTEMMODAL)) style |= MB_TASKMODAL;
  return MessageBoxA(nullptr, text ? text : "", title ? title : "", style);
}

int showMessage(const char* text, uint32_t style, const char* title) {
  int id = messageBox(text, title && *title ? title : "信息：", style);
  return id >= IDOK && id <= IDNO ? id - 1 : 0;
}

}  // namespace frame
