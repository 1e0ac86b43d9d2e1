#include "payload/zip_extractor.h"

#include <windows.h>

#include <memory>
#include <string>

#include "frame/window.h"
#include "payload/extract_paths.h"
#include "payload/zip_reader.h"

namespace payload {
namespace {

constexpr int32_t kProgressEvent = 1;

class Extraction {
 public:
  Extraction(frame::WindowNumber window, frame::ControlNumber control)
      : window_(window), control_(control) {}

  int32_t run(const char* archivePath, const char* destinationDir);

 private:
  bool componentExists() const;
  void notify(uint32_t current);
  void countEntries();
  // 1 when the archive is exhausted or a stop was asked for, 0 on a failed entry.
  int32_t extractEntries(const char* destinationDir);
  int32_t extractEntry(const ZipEntryInfo& entry, const char* destinationDir);

  frame::WindowNumber window_;
  frame::ControlNumber control_;
  bool stopRequested_ = false;
  uint32_t totalEntries_ = 0;
  std::unique_ptr<ZipReader> reader_;
};

bool Extraction::componentExists() const {
  frame::LoadedWindow* window = frame::findWindow(window_);
  frame::Control* component = window ? window->control(control_) : nullptr;
  return component && IsWindow(component->hwnd());
}

void Extraction::notify(uint32_t current) {
  if (!componentExists()) return;
  const frame::EventReply reply =
      frame::raiseEvent(window_, control_, kProgressEvent, {progressPercent(current, totalEntries_)});
  if (reply.hasValue && reply.value == 0 && componentExists()) stopRequested_ = true;
}

// The first pass over the central directory: entries up to the first that cannot be described.
void Extraction::countEntries() {
  ZipEntryInfo entry;
  uint32_t count = 0;
  while (count <= INT32_MAX && reader_->getEntry(static_cast<int32_t>(count), entry) == zip_status::ok)
    ++count;
  totalEntries_ = count;
}

int32_t Extraction::extractEntry(const ZipEntryInfo& entry, const char* destinationDir) {
  // An empty name is one the reader could not hold; names that leave the destination are
  // refused like names that cannot be created.
  if (!isContainedEntryName(entry.name)) return 0;
  const std::string target = targetPath(destinationDir, entry.name);
  if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
    if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !ensureDirectoryPath(target.c_str()))
      return 0;
    return 1;
  }
  // Clearing the attributes lets a read-only, hidden or system file be replaced; clearing them
  // again drops the read-only bit the reader gives files from DOS and Windows archives.
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (reader_->extractEntryToFile(entry.index, target.c_str()) != zip_status::ok) return 0;
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  return 1;
}

int32_t Extraction::extractEntries(const char* destinationDir) {
  for (uint32_t i = 0; i <= INT32_MAX; ++i) {
    ZipEntryInfo entry;
    const int32_t status = reader_->getEntry(static_cast<int32_t>(i), entry);
    if (status == zip_status::noSuchEntry) return 1;
    // An entry whose headers disagree or cannot be read is a failure, not the end.
    if (status != zip_status::ok) return 0;
    if (!extractEntry(entry, destinationDir)) return 0;
    notify(i);
    if (stopRequested_) return 1;
  }
  return 1;
}

int32_t Extraction::run(const char* archivePath, const char* destinationDir) {
  int32_t result = 0;
  if (GetFileAttributesA(archivePath) == INVALID_FILE_ATTRIBUTES) {
    result = -1;
  } else if ((GetFileAttributesA(destinationDir) != INVALID_FILE_ATTRIBUTES ||
              ensureDirectoryPath(destinationDir)) &&
             looksLikeZip(archivePath)) {
    reader_ = ZipReader::openArchive(archivePath);
    if (reader_) {
      countEntries();
      result = extractEntries(destinationDir);
      if (stopRequested_) {
        reader_.reset();
        return result;
      }
    }
  }
  // The archive is released before the final notification, whose handler may delete it.
  reader_.reset();
  notify(totalEntries_);
  return result;
}

}  // namespace

int32_t progressPercent(uint32_t current, uint32_t total) {
  if (total == 0) return 0;
  return static_cast<int32_t>(static_cast<double>(current) / static_cast<double>(total) * 100.0);
}

int32_t ZipExtractor::extract(const char* archivePath, const char* destinationDir) {
  if (!archivePath || !*archivePath || !destinationDir || !*destinationDir) return -1;
  return Extraction(window_, control_).run(archivePath, destinationDir);
}

}  // namespace payload
