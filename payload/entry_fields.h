#pragma once
// Windows attributes and file times derived from an entry's ZIP fields.
#include <windows.h>

#include <cstdint>
#include <span>

namespace payload {

// From the 32-bit external attributes, whatever host system made the entry: DOS bits from the
// lower half, the Unix directory and owner-write bits from the upper half. A DOS entry (upper
// half zero) comes out read-only.
uint32_t attributesFromExternal(uint32_t external);

// A DOS date-and-time stamp (date in the high half) with its calendar fields taken as UTC. An
// impossible date gives a zero time, which leaves a file's time as the system sets it.
FILETIME dosStampToFileTime(uint32_t stamp);

// Seconds since 1970-01-01 UTC.
FILETIME unixTimeToFileTime(uint32_t seconds);

struct EntryTimes {
  FILETIME access, creation, write;
};

// Applies the first "UT" field of a local extra field: each time present by its flag bit
// (0 write, 1 access, 2 creation) and lying inside the field replaces the one in `times`.
// Times that are negative as signed 32-bit values are skipped: the earlier time stays.
void applyUnixTimes(std::span<const uint8_t> localExtra, EntryTimes& times);

}  // namespace payload
