#pragma once
// The run-time error report: a box titled "错误" with the stop icon, then the process ends with
// exit code -1 without the program's end routines.
#include "frame/text.h"

namespace frame {

// `code` 0 gives no code line; a null or empty `message` gives no message line.
[[noreturn]] void runtimeError(int code, const char* message);

// The text of the report's box.
Text runtimeErrorText(int code, const char* message);

}  // namespace frame
