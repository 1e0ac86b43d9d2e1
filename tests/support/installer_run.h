#pragma once
// One run of setup.exe driven as a user would drive it: real mouse input on its window, its
// message boxes found and answered, and what it left on disk.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"

namespace testing_support {

// Where the product installs by default under Wine (there is no D: drive).
inline const char* const kDefaultInstallDirectory = "C:\\Morvane软件\\Morvane工具09";
inline const char* const kProductExecutable = "Morvane工具09.exe";

class InstallerRun {
 public:
  // Starts setup.exe from this executable's folder, with environment overrides ("TEMP=...").
  explicit InstallerRun(std::initializer_list<std::string> environment = {});

  bool ready() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  DWORD processId() const { return setup_.id(); }
  std::optional<DWORD> wait(DWORD milliseconds = 30000) { return setup_.wait(milliseconds); }

  // The screen point of a point of page 1 (which has a one-pixel border).
  POINT pagePoint(int x, int y) const;
  // The control window at a point of page 1, and its text.
  HWND controlAt(int x, int y) const;
  std::string textAt(int x, int y) const;
  std::string installDirectory() const { return textAt(10, 375); }
  std::string status() const { return textAt(100, 350); }

  void clickInstallButton() const;
  void pressInstallDirectoryLabel() const;
  void clickCloseMark() const;

  std::optional<MessageBoxSeen> nextMessageBox(DWORD milliseconds = 30000) const {
    return waitForMessageBox(setup_.id(), milliseconds);
  }

  // Saves the window (or the screen region of the window) under the screenshots folder.
  void screenshot(const char* name) const;

 private:
  ChildProcess setup_;
  HWND window_ = nullptr;
};

// Files and folders an install leaves.
std::string desktopShortcut();  // the product's shortcut on the desktop
std::string temporaryArchive(); // tool.zip in the user's temporary folder
bool removeTree(const std::string& path);
bool exists(const std::string& path);

// Ends every process whose executable file name is `name`; returns how many ran.
int endProcessesNamed(const char* name);

}  // namespace testing_support
