#include "payload/ansi_paths.h"

#include <windows.h>

#include <algorithm>

namespace payload {
namespace {

// Calls `visit(position, length)` for each character of `text`.
template <typename Visit>
void forEachCharacter(std::string_view text, Visit visit) {
  for (std::size_t at = 0; at < text.size();) {
    const bool pair = IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size();
    const std::size_t length = pair ? 2 : 1;
    visit(at, length);
    at += length;
  }
}

bool isSeparator(std::string_view text, std::size_t at, std::size_t length) {
  return length == 1 && (text[at] == '\\' || text[at] == '/');
}

// Windows drops trailing dots and spaces from a path component, so a component of dots and
// spaces with two dots or more may act as the parent directory.
bool climbs(std::string_view component) {
  return component.find_first_not_of(". ") == std::string_view::npos &&
         std::count(component.begin(), component.end(), '.') >= 2;
}

}  // namespace

bool endsWithBackslash(std::string_view path) {
  bool last = false;
  forEachCharacter(path, [&](std::size_t at, std::size_t length) {
    last = length == 1 && path[at] == '\\';
  });
  return last;
}

bool ensureDirectoryPath(std::string_view path) {
  std::string full(path);
  if (!endsWithBackslash(full)) full += '\\';
  bool ok = true;
  forEachCharacter(full, [&](std::size_t at, std::size_t length) {
    if (!ok || length != 1 || full[at] != '\\') return;
    const std::string prefix = full.substr(0, at + 1);
    if (GetFileAttributesA(prefix.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !CreateDirectoryA(prefix.c_str(), nullptr))
      ok = false;
  });
  return ok;
}

bool isContainedEntryName(std::string_view name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\') return false;
  bool contained = true;
  std::size_t componentStart = 0;
  forEachCharacter(name, [&](std::size_t at, std::size_t length) {
    if (length == 1 && name[at] == ':') contained = false;
    if (isSeparator(name, at, length)) {
      if (climbs(name.substr(componentStart, at - componentStart))) contained = false;
      componentStart = at + 1;
    }
  });
  return contained && !climbs(name.substr(componentStart));
}

std::string joinEntryPath(std::string_view destination, std::string_view name) {
  std::string path(destination);
  if (!endsWithBackslash(path)) path += '\\';
  // The slash is never a trail byte, so it can be replaced byte by byte.
  for (char byte : name) path += byte == '/' ? '\\' : byte;
  return path;
}

}  // namespace payload
