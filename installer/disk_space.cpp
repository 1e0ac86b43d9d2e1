#include "installer/disk_space.h"

#include "frame/system_functions.h"

namespace installer {
namespace {

constexpr double kMiB = 1048576.0;

int64_t truncated(double value) { return static_cast<int64_t>(value); }

}  // namespace

int getDiskSpaceMB(const char* drive, int64_t& usedMB, int64_t& freeMB, int64_t& totalMB) {
  // The system writes the byte counts into the caller's variables, which keep their values when
  // the query fails.
  uint64_t available = static_cast<uint64_t>(usedMB);
  uint64_t total = static_cast<uint64_t>(totalMB);
  uint64_t totalFree = static_cast<uint64_t>(freeMB);
  int succeeded = static_cast<int>(frame::callSystemFunction(
      frame::SystemFunction::GetDiskFreeSpaceExA,
      {frame::arg(drive), frame::arg(&available), frame::arg(&total), frame::arg(&totalFree)}));
  usedMB = truncated(static_cast<double>(truncated(static_cast<double>(total) -
                                                   static_cast<double>(available))) / kMiB);
  freeMB = truncated(static_cast<double>(totalFree) / kMiB);
  totalMB = truncated(static_cast<double>(total) / kMiB);
  return succeeded;
}

}  // namespace installer
