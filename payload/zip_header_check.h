#pragma once
// The quick check an archive file passes before it is opened.

namespace payload {

// True when the file's first 32 bytes can be read, begin with a local-header signature, and
// the little-endian signed 32-bit value at offset 24 (the high half of the first entry's
// uncompressed size and its name length) is at least 1.
bool looksLikeZip(const char* path);

}  // namespace payload
