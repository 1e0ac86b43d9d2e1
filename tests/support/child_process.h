#pragma once
// Child processes for tests: whole programs, or a scenario of the test executable itself (run as
// `EXE --child NAME`), for behaviour that ends the process.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>

namespace testing_support {

using Scenario = int (*)();

struct ScenarioRegistration {
  ScenarioRegistration(const char* name, Scenario scenario);
};

// Defines a scenario; its return value becomes the child's exit code if it returns.
#define CHILD_SCENARIO(name)                                                       \
  static int name##_scenario();                                                    \
  static ::testing_support::ScenarioRegistration name##_registration(#name,        \
                                                                     name##_scenario); \
  static int name##_scenario()

// The body of a test executable's main: runs a scenario when asked to, else the tests.
int runTestsOrScenario(int argc, char** argv);

class ChildProcess {
 public:
  // Starts `commandLine` in `directory` (null: the current one), with this process's environment
  // but for the variables named in `overrides` ("NAME=value" each).
  explicit ChildProcess(const std::string& commandLine, const char* directory = nullptr,
                        std::initializer_list<std::string> overrides = {});
  static ChildProcess scenario(const char* name);
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();  // ends the process if it still runs

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  // The exit code, or nothing when the process still runs after `milliseconds`.
  std::optional<DWORD> wait(DWORD milliseconds = 30000);

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// The path of the running executable and of its folder (with a trailing backslash).
std::string executablePath();
std::string executableFolder();

// Processes the thread's messages for `milliseconds`, or until `done()` is true.
template <typename Done>
bool pumpUntil(Done done, DWORD milliseconds) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done()) return true;
    if (GetTickCount() - start > milliseconds) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}
void pumpFor(DWORD milliseconds);

// Runs the scenario, expects the run-time error box with `text`, confirms it and expects the
// process to end with exit code -1.
void expectRunTimeError(const char* scenario, const std::string& text);

}  // namespace testing_support
