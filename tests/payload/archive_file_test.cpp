#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "installer/archive_file.h"
#include "tests/payload/scratch_folder.h"
#include "tests/payload/zip_builder.h"

namespace {

using payload_testing::readBytes;
using payload_testing::writeBytes;

TEST(WriteArchiveFile, ReplacesAnExistingFileOnlyWhenAllowed) {
  payload_testing::ScratchFolder folder;
  const std::string path = folder / "tool.zip";
  const std::string payload(70000, '\x5A');
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(payload.data()), payload.size());

  ASSERT_TRUE(installer::writeArchiveFile(path.c_str(), bytes, false));  // nothing there yet
  EXPECT_EQ(readBytes(path), payload);

  writeBytes(path, "the user's own file");
  EXPECT_FALSE(installer::writeArchiveFile(path.c_str(), bytes, false));
  EXPECT_EQ(readBytes(path), "the user's own file");

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(installer::writeArchiveFile(path.c_str(), bytes, true));
  EXPECT_EQ(readBytes(path), payload);
}

TEST(WriteArchiveFile, FailsOnAnEmptyPathAndAnUnwritablePlace) {
  payload_testing::ScratchFolder folder;
  const uint8_t byte = 1;
  EXPECT_FALSE(installer::writeArchiveFile("", {&byte, 1}, true));
  EXPECT_FALSE(installer::writeArchiveFile(nullptr, {&byte, 1}, true));
  EXPECT_FALSE(installer::writeArchiveFile((folder / "missing\\tool.zip").c_str(), {&byte, 1}, true));
  // Opened by someone else without sharing.
  const std::string busy = folder / "busy.zip";
  HANDLE held = CreateFileA(busy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  EXPECT_FALSE(installer::writeArchiveFile(busy.c_str(), {&byte, 1}, true));
  CloseHandle(held);
}

}  // namespace
