#include "installer/split_text.h"

#include <windows.h>

#include <string_view>

namespace installer {
namespace {

// Calls `entry(begin, end)` for every entry, in order.
template <typename Entry>
void forEachEntry(const char* text, char separator, Entry entry) {
  const char* start = text;
  const char* at = text;
  while (*at) {
    if (IsDBCSLeadByte(static_cast<BYTE>(*at)) && at[1]) {
      at += 2;
      continue;
    }
    if (*at == separator) {
      entry(start, at);
      start = at + 1;
    }
    ++at;
  }
  if (at != start) entry(start, at);
}

}  // namespace

frame::TextArray splitText(const char* text, char separator) {
  if (!text) return frame::TextArray();
  int32_t count = 0;
  forEachEntry(text, separator, [&](const char*, const char*) { ++count; });
  frame::TextArray entries(count);
  int32_t index = 0;
  forEachEntry(text, separator, [&](const char* begin, const char* end) {
    entries.at(++index) = frame::Text(std::string_view(begin, static_cast<std::size_t>(end - begin)));
  });
  return entries;
}

}  // namespace installer
