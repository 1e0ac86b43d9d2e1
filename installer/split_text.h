#pragma once
#include "frame/arrays.h"

namespace installer {

// Splits `text` at `separator`: every separator ends an entry (empty ones included); what
// follows the last separator is an entry only when it is not empty. Double-byte characters are
// stepped over whole, so a trail byte equal to the separator never splits.
frame::TextArray splitText(const char* text, char separator);

}  // namespace installer
