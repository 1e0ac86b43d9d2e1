// Drives setup.exe as a user would, for scripts/run on a display of its own:
//   install_driver install FOLDER   a whole install, answering No at the end; screenshots of each
//                                   step (start, extracting, completion) go to FOLDER
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/installer_run.h"
#include "tests/support/message_boxes.h"
#include "tests/support/screen.h"

namespace {

using testing_support::InstallerRun;

void save(const std::string& folder, const char* name) {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  testing_support::savePng(testing_support::captureScreen(screen), folder + "\\" + name);
  std::printf("screenshot: %s\n", name);
}

void listTree(const std::string& root, const std::string& below) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((root + below + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    bool folder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    std::printf("  %s%s%s  (%lu bytes)\n", (below + "\\").c_str() + 1, name.c_str(), folder ? "\\" : "",
                folder ? 0ul : static_cast<unsigned long>(found.nFileSizeLow));
    if (folder) listTree(root, below + "\\" + name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

int fail(const char* what) {
  std::fprintf(stderr, "install_driver: %s\n", what);
  return 1;
}

int install(const std::string& folder) {
  InstallerRun run;
  if (!run.ready()) return fail("the installer's window did not appear");
  std::string directory = run.installDirectory();
  save(folder, "start.png");

  run.clickInstallButton();
  auto notice = run.nextMessageBox();
  if (!notice) return fail("no notice after the click");
  testing_support::answer(notice->hwnd, IDOK);

  // The progress bar shows while the archive is extracted.
  HWND bar = FindWindowExA(run.controlAt(1, 1), nullptr, "msctls_progress32", nullptr);
  for (int i = 0; i < 400 && !(bar && IsWindowVisible(bar)); ++i) Sleep(5);
  save(folder, "extracting.png");

  auto completion = run.nextMessageBox();
  if (!completion) return fail("no completion message");
  save(folder, "completion.png");
  std::printf("status: %s\n", run.status().c_str());
  testing_support::answer(completion->hwnd, IDNO);
  auto code = run.wait();
  std::printf("the installer ended with exit code %lu\n", code ? *code : 999ul);
  std::printf("installed into %s:\n", directory.c_str());
  listTree(directory, "");
  return code == 0u ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "install") == 0) return install(argv[2]);
  std::fprintf(stderr, "usage: install_driver install SCREENSHOT-FOLDER\n");
  return 2;
}
