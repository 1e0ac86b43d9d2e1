#pragma once
// Folders and files for the payload tests: a fresh folder per test, removed with all it holds.
#include <windows.h>

#include <string>
#include <vector>

namespace test_files {

class TempFolder {
 public:
  TempFolder();  // a new folder below the user's temporary folder
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

bool exists(const std::string& path);
// The attributes a file ends with, limited to read-only, hidden and system.
DWORD protectiveAttributes(const std::string& path);
uint64_t writeTime(const std::string& path);  // 100-ns ticks since 1601
uint64_t ticks(const FILETIME& time);
// The names in a folder, in the order the system lists them.
std::vector<std::string> children(const std::string& folder);
// Removes a file or a folder with everything in it, whatever their attributes.
void removeTree(const std::string& path);

}  // namespace test_files
