#pragma once
// A fresh folder below the temporary folder for one test, removed with everything in it.
#include <string>

namespace payload_testing {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }  // without trailing backslash
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Removes a file or a folder tree, clearing attributes that would keep it.
void removeTree(const std::string& path);

}  // namespace payload_testing
