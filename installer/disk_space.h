#pragma once
#include <cstdint>

namespace installer {

// Space of the drive named by `drive` (a drive or a folder on it), in MiB, truncated: `usedMB`
// is what is not available to the calling user, `freeMB` the total free space, `totalMB` the
// size. Returns non-zero when the query succeeded; on failure the values are computed from what
// the variables held before.
int getDiskSpaceMB(const char* drive, int64_t& usedMB, int64_t& freeMB, int64_t& totalMB);

}  // namespace installer
