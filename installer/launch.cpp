#include "installer/launch.h"

#include <windows.h>

#include "frame/text.h"

namespace installer {

int runProgram(const char* executable, const char* workingDirectory) {
  // Quoted: unquoted, a path with a space (C:\Program Files\...) would start C:\Program.exe.
  frame::Text commandLine = frame::Text::join({"\"", executable, "\""});
  STARTUPINFOA startup{sizeof startup};
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, const_cast<char*>(commandLine.c_str()), nullptr, nullptr, FALSE, 0,
                      nullptr, workingDirectory, &startup, &process))
    return 0;
  WaitForInputIdle(process.hProcess, 1000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 1;
}

}  // namespace installer
