#include "installer/archive_file.h"

#include <windows.h>

#include <algorithm>

#include "payload/file_handle.h"

namespace installer {

bool writeArchiveFile(const char* path, std::span<const uint8_t> payload, bool mayReplace) {
  if (!path || !*path) return false;
  payload::FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr,
                                       mayReplace ? CREATE_ALWAYS : CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  // WriteFile takes at most a DWORD per call.
  constexpr std::size_t kChunk = 1u << 30;
  for (std::size_t at = 0; at < payload.size();) {
    const DWORD wanted = static_cast<DWORD>(std::min(kChunk, payload.size() - at));
    DWORD done = 0;
    if (!WriteFile(file.get(), payload.data() + at, wanted, &done, nullptr) || done != wanted)
      return false;
    at += done;
  }
  return file.close();
}

}  // namespace installer
