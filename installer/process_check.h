#pragma once

namespace installer {

// True when another process's executable file name equals `executableName`, ignoring the case
// of ASCII letters. The installer's own process is not counted.
bool isProcessRunning(const char* executableName);

}  // namespace installer
