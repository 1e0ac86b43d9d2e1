#pragma once
#include <windows.h>

#include "frame/text.h"

namespace installer {

// Shows the system's folder picker modally to `owner`; returns the chosen folder as a path (a
// drive root as "E:"), "\\" and the display name when the picker gave a name but no folder, or
// an empty text when nothing usable was chosen.
frame::Text browseForFolder(HWND owner, const char* title);

// The display name with ASCII and full-width spaces removed from both ends.
frame::Text trimSpaces(const char* text);

}  // namespace installer
