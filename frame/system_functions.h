#pragma once
// System functions called by name: resolved from the system directory on first use and cached;
// every call is checked for a balanced stack (run-time error 6 otherwise).
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace frame {

enum class SystemFunction : int {
  SHGetFolderLocation,
  SHBrowseForFolderA,
  SHGetPathFromIDListA,
  CoTaskMemFree,
  GetDiskFreeSpaceExA,
  CreateToolhelp32Snapshot,
  Process32First,
  CloseHandle,
  Process32Next,
  CoInitialize,
  CoUninitialize,
};

struct SystemFunctionName {
  const char* library;  // null: looked up in the default libraries in order
  const char* function;
};

// Resolves a (library, function) pair; a missing library or function is a run-time error.
FARPROC resolveSystemFunction(const SystemFunctionName& name);

// Calls a function of the name table with 32-bit (pointer-sized) arguments.
uintptr_t callSystemFunction(SystemFunction function, std::initializer_list<uintptr_t> args = {});

// Calls the function at `address` with the stack check.
uintptr_t callChecked(FARPROC address, std::initializer_list<uintptr_t> args);

// Puts another routine in a table entry's cache (used by tests to stand in for the system).
void replaceSystemFunction(SystemFunction function, FARPROC address);

// Frees the libraries loaded for calls by name.
void releaseSystemLibraries();

template <typename T>
uintptr_t arg(T value) {
  if constexpr (std::is_pointer_v<T>) return reinterpret_cast<uintptr_t>(value);
  else return static_cast<uintptr_t>(value);
}

}  // namespace frame
