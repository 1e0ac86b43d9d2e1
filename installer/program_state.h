#pragma once
// The program-wide state: filled once by the creation handler, only read afterwards.
#include <cstdint>

#include "frame/arrays.h"
#include "frame/text.h"

namespace installer {

extern frame::TextArray productCatalogue;  // the selected brand's product names, from 1
extern int32_t productIndex;               // the product to install, in productCatalogue
extern frame::Text productName;            // a copy of that entry
extern frame::Text catalogueText;          // the selected brand's catalogue as stored

// Releases the program-wide state; the frame runs it once when the program ends.
void releaseGlobals();

}  // namespace installer
