#pragma once
// The window's extraction component: extracts a whole ZIP archive file into a directory and
// raises its progress event (one argument, the percentage) after each entry and once at the end.
#include <cstdint>

#include "frame/events.h"

namespace payload {

class ZipExtractor {
 public:
  ZipExtractor(frame::WindowNumber window, frame::ControlNumber control)
      : window_(window), control_(control) {}

  // Extracts every entry of `archivePath` below `destinationDir` (both ANSI texts) on the calling
  // thread. 1 when every entry was processed or a handler asked to stop, 0 when the work failed,
  // -1 when an argument is empty or the archive does not exist.
  int32_t extract(const char* archivePath, const char* destinationDir);

 private:
  frame::WindowNumber window_;
  frame::ControlNumber control_;
};

// The percentage reported after entry `current` (0-based) of `total`, `total` itself for the end.
int32_t progressPercent(uint32_t current, uint32_t total);

}  // namespace payload
