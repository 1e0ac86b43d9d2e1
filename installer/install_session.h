#pragma once
// What one install fixes when it starts and what the completion needs of it: the install
// directory (read from the label once), the product name, and which archive this install wrote.
#include <atomic>

#include "frame/text.h"

namespace installer {

struct InstallSession {
  frame::Text installDirectory;
  frame::Text productName;
  frame::Text writtenArchive;  // the temporary archive this install wrote, empty before
};

// True from the click that starts an install until its worker ends: one install at a time, and
// the install directory cannot be changed meanwhile.
extern std::atomic<bool> installRunning;

// The session of the running install; only the install worker uses it.
extern InstallSession session;

// The temporary archive locations: the user's temporary folder, or the root of the install drive.
frame::Text archiveTempPath();
frame::Text archiveFallbackPath(const char* installDirectory);

}  // namespace installer
