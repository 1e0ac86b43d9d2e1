#include "payload/entry_fields.h"

#include <algorithm>

namespace payload {
namespace {

constexpr uint16_t kUnixTimesTag = 'U' | ('T' << 8);
constexpr uint32_t kUnixDirectoryBit = 0x40000000;
constexpr uint32_t kUnixOwnerWriteBit = 0x00800000;

uint16_t le16(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t le32(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<uint32_t>(le16(bytes, at)) | static_cast<uint32_t>(le16(bytes, at + 2)) << 16;
}

FILETIME fromTicks(uint64_t ticks) {
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

uint32_t attributesFromExternal(uint32_t external) {
  uint32_t attributes = FILE_ATTRIBUTE_NORMAL;
  if (external & (kUnixDirectoryBit | FILE_ATTRIBUTE_DIRECTORY))
    attributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_NORMAL;
  attributes |= external & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  if (!(external & kUnixOwnerWriteBit) || (external & FILE_ATTRIBUTE_READONLY))
    attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes;
}

FILETIME dosStampToFileTime(uint32_t stamp) {
  SYSTEMTIME calendar{};
  calendar.wYear = static_cast<WORD>((stamp >> 25) + 1980);
  calendar.wMonth = static_cast<WORD>((stamp >> 21) & 0x0F);
  calendar.wDay = static_cast<WORD>((stamp >> 16) & 0x1F);
  calendar.wHour = static_cast<WORD>((stamp >> 11) & 0x1F);
  calendar.wMinute = static_cast<WORD>((stamp >> 5) & 0x3F);
  calendar.wSecond = static_cast<WORD>((stamp & 0x1F) * 2);
  FILETIME time{};
  if (!SystemTimeToFileTime(&calendar, &time)) return {};
  return time;
}

FILETIME unixTimeToFileTime(uint32_t seconds) {
  return fromTicks(uint64_t{seconds} * 10000000u + 116444736000000000u);
}

void applyUnixTimes(std::span<const uint8_t> localExtra, EntryTimes& times) {
  if (localExtra.size() <= 4) return;
  for (std::size_t field = 0; field + 4 < localExtra.size();
       field += 4 + le16(localExtra, field + 2)) {
    if (le16(localExtra, field) != kUnixTimesTag) continue;
    const std::size_t end = std::min(field + 4 + le16(localExtra, field + 2), localExtra.size());
    std::size_t at = field + 4;
    if (at >= end) return;
    const uint8_t flags = localExtra[at++];
    FILETIME* const targets[] = {&times.write, &times.access, &times.creation};
    for (int bit = 0; bit < 3; ++bit) {
      if (!(flags & (1 << bit))) continue;
      if (at + 4 > end) return;
      const auto seconds = static_cast<int32_t>(le32(localExtra, at));
      at += 4;
      if (seconds >= 0) *targets[bit] = unixTimeToFileTime(static_cast<uint32_t>(seconds));
    }
    return;
  }
}

}  // namespace payload
