#pragma once

namespace installer {

// Saves a shell link at `shortcutPath` (".lnk" appended unless it already ends so) to `target`,
// shown normally and started in `workingDirectory`. COM must be initialised on the calling
// thread. Returns 1 when the shortcut file was saved, otherwise 0.
int createShortcut(const char* shortcutPath, const char* target, const char* workingDirectory);

}  // namespace installer
