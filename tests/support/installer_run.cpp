#include "tests/support/installer_run.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include "tests/support/mouse.h"
#include "tests/support/screen.h"

namespace testing_support {

InstallerRun::InstallerRun(std::initializer_list<std::string> environment)
    : setup_("\"" + executableFolder() + "setup.exe\"", nullptr, environment) {
  if (setup_.started()) window_ = waitForWindow(setup_.id(), "安装程序");
  Sleep(300);  // the first paint
}

POINT InstallerRun::pagePoint(int x, int y) const {
  RECT rect;
  GetWindowRect(window_, &rect);
  return {rect.left + 1 + x, rect.top + 1 + y};
}

HWND InstallerRun::controlAt(int x, int y) const {
  POINT at = pagePoint(x, y);
  HWND page = ChildWindowFromPointEx(window_, POINT{1, 1}, CWP_SKIPINVISIBLE);
  ScreenToClient(page, &at);
  return ChildWindowFromPointEx(page, at, CWP_SKIPINVISIBLE);
}

std::string InstallerRun::textAt(int x, int y) const {
  char text[512] = "";
  GetWindowTextA(controlAt(x, y), text, sizeof text);
  return text;
}

void InstallerRun::clickInstallButton() const { clickAt(pagePoint(14 + 110, 255 + 30)); }

void InstallerRun::pressInstallDirectoryLabel() const {
  moveMouseTo(pagePoint(30, 378));
  pressLeft();
  releaseLeft();
}

void InstallerRun::clickCloseMark() const { clickAt(pagePoint(236, 20)); }

void InstallerRun::screenshot(const char* name) const {
  savePng(captureWindow(window_), std::string(SCREENSHOT_DIR "/") + name);
}

std::string desktopShortcut() {
  char desktop[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
  return std::string(desktop) + "\\Morvane工具09.lnk";
}

std::string temporaryArchive() {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "tool.zip";
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool removeTree(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileA(path.c_str()) != FALSE;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name != "." && name != "..") removeTree(path + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return RemoveDirectoryA(path.c_str()) != FALSE;
}

int endProcessesNamed(const char* name) {
  int ended = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (_stricmp(entry.szExeFile, name) != 0) continue;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
      TerminateProcess(process, 0);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
      ++ended;
    }
  }
  CloseHandle(snapshot);
  return ended;
}

}  // namespace testing_support
