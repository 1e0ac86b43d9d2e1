#include "installer/shell_folders.h"

#include <windows.h>
#include <shlobj.h>

namespace installer {
namespace {

// Walked double-byte-aware: a trail byte equal to the backslash code is no backslash.
bool endsWithBackslash(const char* path) {
  const char* last = nullptr;
  for (const char* at = path; *at; at = CharNextA(at)) last = at;
  return last && *last == '\\';
}

}  // namespace

frame::Text getSpecialFolder(int folder) {
  char path[MAX_PATH + 1] = "";
  bool found = false;
  if (folder == kTemporaryFolder) {
    DWORD length = GetTempPathA(MAX_PATH, path);
    found = length > 0 && length < MAX_PATH;
  } else if (folder == kDesktopFolder) {
    found = SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE) != FALSE;
  }
  if (!found || path[0] == '\0') return {};
  return endsWithBackslash(path) ? frame::Text(path) : frame::Text::join({path, "\\"});
}

}  // namespace installer
