#pragma once
// One archive entry as the reader describes it, and the reader's status codes.
#include <windows.h>

#include <cstdint>

namespace payload {

struct ZipEntryInfo {
  int32_t index;  // 0-based position in the central directory
  // The stored name (ANSI code page, slash as separator, a directory's ending in a slash). Empty
  // when the stored name does not fit in 259 bytes or holds a NUL byte: such a name is never
  // shortened into another one.
  char name[260];
  uint32_t attributes;  // Windows file-attribute bits
  FILETIME accessTime;
  FILETIME creationTime;
  FILETIME writeTime;
  uint32_t compressedSize;
  uint32_t uncompressedSize;
};

namespace zip_status {
constexpr int32_t ok = 0;
constexpr int32_t cannotCreateTarget = 0x200;
constexpr int32_t dataError = 0x400;  // reading, inflating, checking or writing the data
constexpr int32_t localHeaderMismatch = 0x700;
constexpr int32_t localExtraUnreadable = 0x800;
constexpr int32_t noSuchEntry = 0x10000;
}  // namespace zip_status

}  // namespace payload
