#include "installer/process_check.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

#include "frame/system_functions.h"
#include "frame/text.h"

namespace installer {

bool isProcessRunning(const char* executableName) {
  using frame::SystemFunction;
  auto snapshot = reinterpret_cast<HANDLE>(
      frame::callSystemFunction(SystemFunction::CreateToolhelp32Snapshot, {TH32CS_SNAPALL, 0}));
  if (snapshot == INVALID_HANDLE_VALUE || !snapshot) return false;
  frame::Text wanted(executableName);
  wanted.lowerAsciiLetters();

  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (uintptr_t more = frame::callSystemFunction(SystemFunction::Process32First,
                                                  {frame::arg(snapshot), frame::arg(&entry)});
       more && !found;
       more = frame::callSystemFunction(SystemFunction::Process32Next,
                                        {frame::arg(snapshot), frame::arg(&entry)})) {
    // Someone may have renamed the installer after the product: that is not the product running.
    if (entry.th32ProcessID == GetCurrentProcessId()) continue;
    char name[sizeof entry.szExeFile + 1] = "";
    std::memcpy(name, entry.szExeFile, sizeof entry.szExeFile);
    frame::lowerAscii(name);
    found = wanted == name;
  }
  frame::callSystemFunction(SystemFunction::CloseHandle, {frame::arg(snapshot)});
  return found;
}

}  // namespace installer
