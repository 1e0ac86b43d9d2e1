#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include "tests/support/message_boxes.h"

#include <cstring>
#include <map>

namespace testing_support {
namespace {

std::map<std::string, Scenario>& scenarios() {
  static std::map<std::string, Scenario> registered;
  return registered;
}

}  // namespace

ScenarioRegistration::ScenarioRegistration(const char* name, Scenario scenario) {
  scenarios()[name] = scenario;
}

int runTestsOrScenario(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
    auto found = scenarios().find(argv[2]);
    return found == scenarios().end() ? 99 : found->second();
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

namespace {

// This process's environment block with some variables replaced.
std::string environmentWith(std::initializer_list<std::string> overrides) {
  std::string block;
  char* current = GetEnvironmentStringsA();
  for (const char* at = current; *at; at += std::strlen(at) + 1) {
    std::string_view entry(at);
    bool replaced = false;
    for (const std::string& override : overrides) {
      std::size_t name = override.find('=');
      replaced = replaced || (entry.size() > name && _strnicmp(at, override.c_str(), name + 1) == 0);
    }
    if (!replaced) block.append(entry).push_back('\0');
  }
  FreeEnvironmentStringsA(current);
  for (const std::string& override : overrides) block.append(override).push_back('\0');
  block.push_back('\0');
  return block;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& commandLine, const char* directory,
                           std::initializer_list<std::string> overrides) {
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  std::string environment = environmentWith(overrides);
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0,
                     overrides.size() ? environment.data() : nullptr, directory, &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
}

ChildProcess ChildProcess::scenario(const char* name) {
  return ChildProcess("\"" + executablePath() + "\" --child " + name);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(other.id_) {}

ChildProcess::~ChildProcess() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

std::optional<DWORD> ChildProcess::wait(DWORD milliseconds) {
  if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::string executablePath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

std::string executableFolder() {
  std::string path = executablePath();
  return path.substr(0, path.find_last_of('\\') + 1);
}

void expectRunTimeError(const char* scenario, const std::string& text) {
  ChildProcess child = ChildProcess::scenario(scenario);
  auto box = waitForMessageBox(child.id());
  ASSERT_TRUE(box) << scenario;
  EXPECT_EQ(box->title, "错误") << scenario;
  EXPECT_EQ(box->text, text) << scenario;
  answer(box->hwnd, IDOK);
  EXPECT_EQ(child.wait(), 0xFFFFFFFFu) << scenario;
}

void pumpFor(DWORD milliseconds) {
  pumpUntil([] { return false; }, milliseconds);
}

}  // namespace testing_support
