// Drives setup.exe as a user would, for scripts/run on a display of its own:
//   install_driver start SCREENSHOT   starts the installer, saves its window, closes it
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"
#include "tests/support/screen.h"

namespace {

using testing_support::ChildProcess;

int start(const char* screenshot) {
  ChildProcess setup("\"" + testing_support::executableFolder() + "setup.exe\"");
  HWND window = setup.started() ? testing_support::waitForWindow(setup.id(), "安装程序") : nullptr;
  if (!window) {
    std::fprintf(stderr, "install_driver: the installer's window did not appear\n");
    return 1;
  }
  Sleep(700);
  if (!testing_support::savePng(testing_support::captureWindow(window), screenshot)) {
    std::fprintf(stderr, "install_driver: cannot write %s\n", screenshot);
    return 1;
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  auto code = setup.wait();
  std::printf("the installer ended with exit code %lu\n", code ? *code : 999ul);
  return code == 0u ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "start") == 0) return start(argv[2]);
  std::fprintf(stderr, "usage: install_driver start SCREENSHOT.png\n");
  return 2;
}
