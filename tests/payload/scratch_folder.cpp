#include "tests/payload/scratch_folder.h"

#include <windows.h>

namespace payload_testing {

ScratchFolder::ScratchFolder() {
  static int serial = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "payload-test-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++serial);
  removeTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { removeTree(path_); }

void removeTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") removeTree(path + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace payload_testing
