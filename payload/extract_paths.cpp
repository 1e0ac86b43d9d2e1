#include "payload/extract_paths.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "payload/file_handle.h"

namespace payload {
namespace {

// The length in bytes of the character at `text`: a lead byte takes its trail byte along.
std::size_t characterLength(const char* text) {
  return IsDBCSLeadByte(static_cast<BYTE>(*text)) && text[1] != '\0' ? 2 : 1;
}

// True when the last character of `text` (walked from the start) is a backslash.
bool endsInBackslash(const char* text) {
  bool last = false;
  for (const char* at = text; *at; at += characterLength(at)) last = *at == '\\';
  return last;
}

bool isSeparator(char c) { return c == '/' || c == '\\'; }

// A component the system reads as a parent directory: dots and spaces only, with two dots or
// more (trailing dots and spaces are dropped from names, so "... " means "..").
bool climbsOut(const char* begin, const char* end) {
  int dots = 0;
  for (const char* at = begin; at < end; ++at) {
    if (*at == '.') ++dots;
    else if (*at != ' ') return false;
  }
  return dots >= 2;
}

}  // namespace

bool ensureDirectoryPath(const char* path) {
  std::string full = path;
  if (!endsInBackslash(full.c_str())) full += '\\';
  for (std::size_t at = 0; at < full.size(); at += characterLength(full.c_str() + at)) {
    if (full[at] != '\\') continue;
    const std::string prefix = full.substr(0, at + 1);
    if (GetFileAttributesA(prefix.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !CreateDirectoryA(prefix.c_str(), nullptr))
      return false;
  }
  return true;
}

bool looksLikeZip(const char* path) {
  FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  uint8_t header[32];
  DWORD got = 0;
  if (!ReadFile(file.get(), header, sizeof header, &got, nullptr) || got != sizeof header)
    return false;
  if (std::memcmp(header, "PK\x03\x04", 4) != 0) return false;
  const int32_t atOffset24 = static_cast<int32_t>(
      header[24] | header[25] << 8 | header[26] << 16 | static_cast<uint32_t>(header[27]) << 24);
  return atOffset24 >= 1;
}

bool isContainedEntryName(const char* name) {
  if (!*name || isSeparator(*name)) return false;
  const char* component = name;
  for (const char* at = name;; at += characterLength(at)) {
    if (*at == ':') return false;
    if (*at == '\0' || isSeparator(*at)) {
      if (climbsOut(component, at)) return false;
      if (*at == '\0') return true;
      component = at + 1;
    }
  }
}

std::string targetPath(const char* directory, const char* name) {
  std::string path = directory;
  if (!endsInBackslash(directory)) path += '\\';
  const std::size_t nameStart = path.size();
  path += name;
  // A slash is never the trail byte of a double-byte character, so every slash byte is one.
  for (std::size_t at = nameStart; at < path.size(); ++at)
    if (path[at] == '/') path[at] = '\\';
  return path;
}

}  // namespace payload
