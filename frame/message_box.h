#pragma once
// Message boxes: no owner window, task-modal unless the style asks for system-modal.
#include <cstdint>

namespace frame {

// Shows the box and returns the system's button id.
int messageBox(const char* text, const char* title, uint32_t style);

// The program's message operation: the title defaults to "信息："; the answer is the system's button
// id minus 1 (0 OK, 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No; anything else 0).
int showMessage(const char* text, uint32_t style, const char* title = nullptr);

}  // namespace frame
