#include <gtest/gtest.h>
#include <windows.h>

#include "frame/system_functions.h"
#include "installer/disk_space.h"

namespace {

// Stands in for the system's free-space query.
struct FakeDrive {
  bool present;
  uint64_t available, total, totalFree;
} fake;

BOOL WINAPI fakeFreeSpace(LPCSTR, PULARGE_INTEGER available, PULARGE_INTEGER total,
                          PULARGE_INTEGER totalFree) {
  if (!fake.present) return FALSE;
  available->QuadPart = fake.available;
  total->QuadPart = fake.total;
  totalFree->QuadPart = fake.totalFree;
  return TRUE;
}

class DiskSpace : public ::testing::Test {
 protected:
  void SetUp() override {
    frame::replaceSystemFunction(frame::SystemFunction::GetDiskFreeSpaceExA,
                                 reinterpret_cast<FARPROC>(fakeFreeSpace));
  }
};

TEST_F(DiskSpace, MebibytesAreTruncated) {
  constexpr uint64_t MiB = 1048576;
  fake = {true, 500 * MiB + 7, 4000 * MiB + 1, 1000 * MiB - 1};
  int64_t used = 0, free = 0, total = 0;
  EXPECT_NE(installer::getDiskSpaceMB("d:", used, free, total), 0);
  EXPECT_EQ(used, 3499);  // (4000 MiB + 1 - 500 MiB - 7) / MiB, truncated
  EXPECT_EQ(free, 999);
  EXPECT_EQ(total, 4000);
}

TEST_F(DiskSpace, AFailedQueryKeepsTheValuesTheVariablesHeld) {
  fake = {false, 0, 0, 0};
  int64_t used = 0, free = 0, total = 0;
  EXPECT_EQ(installer::getDiskSpaceMB("d:", used, free, total), 0);
  EXPECT_EQ(used, 0);
  EXPECT_EQ(free, 0);
  EXPECT_EQ(total, 0);
}

}  // namespace
