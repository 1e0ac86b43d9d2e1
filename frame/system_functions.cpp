#include "frame/system_functions.h"

#include <atomic>
#include <cstdio>
#include <vector>

#include "frame/runtime_error.h"
#include "frame/text.h"

extern "C" uintptr_t checkedCall(FARPROC fn, const uintptr_t* args, size_t count,
                                 intptr_t* stackDelta);

namespace frame {
namespace {

constexpr SystemFunctionName kNameTable[] = {
    {"shell32", "SHGetFolderLocation"},
    {"shell32", "SHBrowseForFolderA"},
    {"shell32", "SHGetPathFromIDListA"},
    {"ole32", "CoTaskMemFree"},
    {"kernel32.dll", "GetDiskFreeSpaceExA"},
    {nullptr, "CreateToolhelp32Snapshot"},
    {nullptr, "Process32First"},
    {"kernel32", "CloseHandle"},
    {nullptr, "Process32Next"},
    {"ole32.dll", "CoInitialize"},
    {"ole32.dll", "CoUninitialize"},
};
constexpr int kTableSize = sizeof kNameTable / sizeof kNameTable[0];

// Searched in this order for an entry without a library name.
constexpr const char* kDefaultLibraries[] = {"Kernel32.dll", "Gdi32.dll",  "User32.dll",
                                             "Advapi32.dll", "Mpr.dll", "Shell32.dll"};

std::atomic<FARPROC> cache[kTableSize];
SRWLOCK resolveLock = SRWLOCK_INIT;
std::vector<HMODULE> loadedLibraries;  // guarded by resolveLock

// Libraries come from the system directory only: a copy planted beside the installer (in a
// downloads folder, say) must never be loaded.
HMODULE loadSystemLibrary(const char* name) {
  char path[MAX_PATH];
  UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  Text full = Text::join({std::string_view(path, length), "\\", name});
  HMODULE module = LoadLibraryExA(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (module) loadedLibraries.push_back(module);
  return module;
}

[[noreturn]] void missing(const SystemFunctionName& name) {
  char message[512];
  if (name.library)
    std::snprintf(message, sizeof message, "无法找到指定DLL库文件“%s”中的输出命令“%s”",
                  name.library, name.function);
  else
    std::snprintf(message, sizeof message, "无法找到指定DLL库文件中的输出命令“%s”", name.function);
  runtimeError(0, message);
}

}  // namespace

FARPROC resolveSystemFunction(const SystemFunctionName& name) {
  FARPROC address = nullptr;
  AcquireSRWLockExclusive(&resolveLock);
  if (name.library) {
    if (HMODULE module = loadSystemLibrary(name.library))
      address = GetProcAddress(module, name.function);
  } else {
    for (const char* library : kDefaultLibraries) {
      HMODULE module = loadSystemLibrary(library);
      if (module && (address = GetProcAddress(module, name.function))) break;
    }
  }
  ReleaseSRWLockExclusive(&resolveLock);
  if (!address) missing(name);
  return address;
}

uintptr_t callChecked(FARPROC address, std::initializer_list<uintptr_t> args) {
  intptr_t stackDelta = 0;
  uintptr_t result = checkedCall(address, args.begin(), args.size(), &stackDelta);
  if (stackDelta != 0) runtimeError(6, "调用DLL命令后发现堆栈错误");
  return result;
}

uintptr_t callSystemFunction(SystemFunction function, std::initializer_list<uintptr_t> args) {
  int index = static_cast<int>(function);
  FARPROC address = cache[index].load();
  if (!address) {
    address = resolveSystemFunction(kNameTable[index]);
    cache[index].store(address);
  }
  return callChecked(address, args);
}

void replaceSystemFunction(SystemFunction function, FARPROC address) {
  cache[static_cast<int>(function)].store(address);
}

void releaseSystemLibraries() {
  AcquireSRWLockExclusive(&resolveLock);
  for (HMODULE module : loadedLibraries) FreeLibrary(module);
  loadedLibraries.clear();
  ReleaseSRWLockExclusive(&resolveLock);
}

}  // namespace frame
