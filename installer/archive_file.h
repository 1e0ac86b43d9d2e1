#pragma once
// Writing the payload out as the temporary archive file.
#include <cstdint>
#include <span>

namespace installer {

// Creates the file at `path` (write access, no sharing) and writes every byte of `payload`.
// With `mayReplace` a file already there is replaced; without it an existing file counts as a
// failed write and is left untouched. False on any failure; a partly written file stays.
bool writeArchiveFile(const char* path, std::span<const uint8_t> payload, bool mayReplace);

}  // namespace installer
