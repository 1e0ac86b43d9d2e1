#pragma once
// The product archive the installer carries, as a byte-array constant: the elements are the ZIP
// archive byte for byte.
#include "frame/arrays.h"

extern "C" const frame::ByteArrayHeader payloadArchive;
