#include "tests/payload/test_files.h"

#include <atomic>

namespace test_files {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  path_ = std::string(temp) + "payload-test-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(counter++);
  removeTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { removeTree(path_); }

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD protectiveAttributes(const std::string& path) {
  return GetFileAttributesA(path.c_str()) &
         (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
}

uint64_t ticks(const FILETIME& time) {
  return uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

uint64_t writeTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return ticks(data.ftLastWriteTime);
}

std::vector<std::string> children(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

void removeTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  for (const std::string& name : children(path)) removeTree(path + "\\" + name);
  RemoveDirectoryA(path.c_str());
}

}  // namespace test_files
