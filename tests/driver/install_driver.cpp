// Drives setup.exe as a user would, for scripts/run on a display of its own:
//   install_driver start FOLDER     starts the installer, saves its window as start.png, closes it
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

// The terminal reading this output speaks UTF-8; the installer's texts are GBK.
void say(const char* format, const std::string& text = {}) {
  char line[1024];
  std::snprintf(line, sizeof line, format, text.c_str());
  wchar_t wide[1024];
  int length = MultiByteToWideChar(CP_ACP, 0, line, -1, wide, 1024);
  char utf8[3072];
  int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8, sizeof utf8, nullptr, nullptr);
  if (bytes > 1) std::fwrite(utf8, 1, bytes - 1, stdout);
  std::fflush(stdout);
}

void save(const std::string& folder, const char* name) {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  testing_support::savePng(testing_support::captureScreen(screen), folder + "\\" + name);
  say("screenshot: %s\n", name);
}

void listTree(const std::string& root, const std::string& below) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((root + below + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    bool folder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    std::string entry = below.empty() ? name : below.substr(1) + "\\" + name;
    if (folder) say("  %s\\\n", entry);
    else say(("  %s  (" + std::to_string(found.nFileSizeLow) + " bytes)\n").c_str(), entry);
    if (folder) listTree(root, below + "\\" + name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

int fail(const char* what) {
  std::fprintf(stderr, "install_driver: %s\n", what);
  return 1;
}

int start(const std::string& folder) {
  InstallerRun run;
  if (!run.ready()) return fail("the installer's window did not appear");
  save(folder, "start.png");
  say("install directory: %s\n", run.installDirectory());
  PostMessageA(run.window(), WM_CLOSE, 0, 0);
  auto code = run.wait();
  say(("the installer ended with exit code " + std::to_string(code ? *code : 999ul) + "\n").c_str());
  return code == 0u ? 0 : 1;
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
  say("status: %s\n", run.status());
  testing_support::answer(completion->hwnd, IDNO);
  auto code = run.wait();
  say(("the installer ended with exit code " + std::to_string(code ? *code : 999ul) + "\n").c_str());
  say("installed into %s:\n", directory);
  listTree(directory, "");
  return code == 0u ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "start") == 0) return start(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "install") == 0) return install(argv[2]);
  std::fprintf(stderr, "usage: install_driver start|install SCREENSHOT-FOLDER\n");
  return 2;
}
