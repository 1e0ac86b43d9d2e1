#include "frame/program.h"

#include <objbase.h>
#include <ole2.h>

#include <atomic>
#include <vector>

#include "frame/events.h"
#include "frame/runtime_error.h"
#include "frame/system_functions.h"
#include "frame/window.h"

namespace frame {
namespace detail {
bool carryOutPropertyRequest(UINT message, LPARAM lParam);
}

namespace {

constexpr UINT WM_APP_END = WM_APP + 2;
constexpr char kMessageWindowClass[] = "InstallerMessages";

DWORD uiThreadId = 0;
HWND messageWindow = nullptr;
void (*endRoutine)() = nullptr;
std::atomic<bool> ending{false};

SRWLOCK windowsLock = SRWLOCK_INIT;
std::vector<LoadedWindow*> loadedWindows;  // guarded by windowsLock

LRESULT CALLBACK messageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP_END) endProgram(static_cast<int>(wParam));
  if (detail::carryOutPropertyRequest(message, lParam)) return 0;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A program started from a downloads folder must never load a library planted there.
void restrictLibrarySearch() {
  SetDllDirectoryA("");
  if (HMODULE kernel = GetModuleHandleA("kernel32.dll")) {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    using SetSearchPathModeFn = BOOL(WINAPI*)(DWORD);
    if (auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories"))))
      setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (auto setMode = reinterpret_cast<SetSearchPathModeFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "SetSearchPathMode"))))
      setMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
  }
}

void enterExecutableFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  char* lastSeparator = nullptr;
  for (char* at = path; *at; at = CharNextA(at))
    if (*at == '\\') lastSeparator = at;
  if (!lastSeparator) return;
  lastSeparator[lastSeparator == path + 2 ? 1 : 0] = '\0';  // keep the backslash of "C:\"
  SetCurrentDirectoryA(path);
}

void createMessageWindow() {
  WNDCLASSEXA windowClass{sizeof windowClass};
  windowClass.lpfnWndProc = messageWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kMessageWindowClass;
  RegisterClassExA(&windowClass);
  messageWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kMessageWindowClass, "", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Every binding must name the window or one of its controls.
void checkDescription(const WindowDescription& description) {
  for (const EventBinding& binding : description.events) {
    bool known = binding.control == description.selfControl;
    for (const ControlDescription& control : description.controls)
      known = known || control.number == binding.control;
    if (!known || !binding.handler) runtimeError(0, "载入窗口模板数据段出错!");
  }
}

[[noreturn]] void finish(int exitCode) {
  stopEventsForGood();
  AcquireSRWLockExclusive(&windowsLock);
  loadedWindows.clear();  // the windows themselves go with the process
  ReleaseSRWLockExclusive(&windowsLock);
  if (auto routine = endRoutine) {
    endRoutine = nullptr;
    routine();
  }
  releaseSystemLibraries();
  if (messageWindow) DestroyWindow(messageWindow);
  OleUninitialize();
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace

void initialise(std::span<const WindowDescription* const> descriptions) {
  restrictLibrarySearch();
  OleInitialize(nullptr);
  enterExecutableFolder();
  uiThreadId = GetCurrentThreadId();
  createMessageWindow();
  for (const WindowDescription* description : descriptions) checkDescription(*description);
}

bool onUiThread() { return GetCurrentThreadId() == uiThreadId; }

void atProgramEnd(void (*routine)()) { endRoutine = routine; }

void runMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  endProgram(0);
}

void endProgram(int exitCode) {
  if (!onUiThread() && messageWindow) {
    SendMessageA(messageWindow, WM_APP_END, static_cast<WPARAM>(exitCode), 0);
    // The UI thread terminates the process while this thread waits; nothing runs past here.
    for (;;) Sleep(INFINITE);
  }
  if (ending.exchange(true)) ExitProcess(static_cast<UINT>(exitCode));
  finish(exitCode);
}

namespace {
DWORD WINAPI runRoutine(LPVOID routine) {
  reinterpret_cast<void (*)()>(routine)();
  return 0;
}
}  // namespace

bool startThread(void (*routine)()) {
  HANDLE thread = CreateThread(nullptr, 0, runRoutine, reinterpret_cast<LPVOID>(routine), 0, nullptr);
  if (!thread) return false;
  CloseHandle(thread);
  return true;
}

namespace detail {

LRESULT sendToUiThread(UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(messageWindow, message, wParam, lParam);
}

void rememberWindow(LoadedWindow* window) {
  AcquireSRWLockExclusive(&windowsLock);
  loadedWindows.push_back(window);
  ReleaseSRWLockExclusive(&windowsLock);
}

void forgetWindow(LoadedWindow* window) {
  AcquireSRWLockExclusive(&windowsLock);
  std::erase(loadedWindows, window);
  bool noneLeft = loadedWindows.empty();
  ReleaseSRWLockExclusive(&windowsLock);
  if (noneLeft && !ending) PostQuitMessage(0);
}

LoadedWindow* windowByNumber(WindowNumber number) {
  LoadedWindow* found = nullptr;
  AcquireSRWLockShared(&windowsLock);
  for (LoadedWindow* window : loadedWindows)
    if (window->description().number == number) found = window;
  ReleaseSRWLockShared(&windowsLock);
  return found;
}

}  // namespace detail
}  // namespace frame
