#pragma once
#include "frame/text.h"

namespace installer {

constexpr int kTemporaryFolder = 11;  // the user's temporary folder
constexpr int kDesktopFolder = 3;     // the current user's desktop folder

// The folder's path with a trailing backslash, or an empty text on failure.
frame::Text getSpecialFolder(int folder);

}  // namespace installer
