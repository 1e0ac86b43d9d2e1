#include <gtest/gtest.h>
#include <windows.h>

#include <minizip/unzip.h>
#include <minizip/iowin32.h>  // after unzip.h, which defines what it needs

#include <string>
#include <vector>

#include "payload/zip_reader.h"
#include "tests/payload/scratch_folder.h"
#include "tests/payload/zip_builder.h"

namespace {

using payload::ZipEntryInfo;
using payload::ZipReader;
namespace zip_status = payload::zip_status;
using payload_testing::ScratchFolder;
using payload_testing::ZipEntrySpec;

uint64_t ticks(const FILETIME& time) {
  return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

uint64_t utcTicks(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME calendar{year, month, 0, day, hour, minute, second, 0};
  FILETIME time;
  SystemTimeToFileTime(&calendar, &time);
  return ticks(time);
}

uint64_t unixTicks(int64_t seconds) { return seconds * 10000000ull + 116444736000000000ull; }

const uint64_t kStamp = utcTicks(2017, 12, 18, 16, 57, 30);

std::unique_ptr<ZipReader> openBuilt(const ScratchFolder& folder,
                                     const std::vector<ZipEntrySpec>& entries,
                                     const zlib_filefunc64_def* io = nullptr) {
  const std::string path = folder / "test.zip";
  payload_testing::writeBytes(path, payload_testing::buildZip(entries));
  return ZipReader::openArchive(path.c_str(), io);
}

TEST(ZipReader, MapsExternalAttributesWhateverTheHostSystem) {
  struct Case {
    const char* name;
    uint32_t external;
    uint16_t madeBy;
    uint32_t attributes;
  } cases[] = {
      {"dos-file", 0x20, 20, 0xA1},                   // archive, read-only from the DOS side
      {"unix-644", 0x81A40000, 3 << 8 | 20, 0x80},    // owner may write: normal only
      {"unix-755/", 0x41ED0000, 3 << 8 | 20, 0x90},   // directory bit from the mode
      {"dos-dir/", 0x10, 20, 0x91},
      {"hidden-system", 0x06 | 0x00800000, 20, 0x86},
  };
  std::vector<ZipEntrySpec> entries;
  for (const Case& c : cases)
    entries.push_back({.name = c.name, .externalAttributes = c.external, .madeBy = c.madeBy});
  ScratchFolder folder;
  auto reader = openBuilt(folder, entries);
  ASSERT_TRUE(reader);
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(cases)); ++i) {
    ZipEntryInfo entry;
    ASSERT_EQ(reader->getEntry(i, entry), zip_status::ok) << cases[i].name;
    EXPECT_EQ(entry.index, i);
    EXPECT_STREQ(entry.name, cases[i].name);
    EXPECT_EQ(entry.attributes, cases[i].attributes) << cases[i].name;
  }
}

TEST(ZipReader, TakesTimesFromTheDosStampAsUtcUnlessALocalUnixTimesFieldHoldsThem) {
  const int64_t later = 1600000000, earlier = 1500000000;
  struct Case {
    const char* name;
    std::string localExtra;
    uint64_t write, access, creation;
  } cases[] = {
      {"no-extra", "", kStamp, kStamp, kStamp},
      {"unicode-path-only", payload_testing::unicodePathField("unicode-path-only", "u"), kStamp,
       kStamp, kStamp},
      {"write-only", payload_testing::unixTimesField(1, {later}), unixTicks(later), kStamp, kStamp},
      {"all-three", payload_testing::unixTimesField(7, {later, earlier, 1}), unixTicks(later),
       unixTicks(earlier), unixTicks(1)},
      // After another field; the access time flagged but cut off by the field's length.
      {"after-unicode-path",
       payload_testing::unicodePathField("after-unicode-path", "v") +
           payload_testing::unixTimesField(3, {later}),
       unixTicks(later), kStamp, kStamp},
      // Negative as signed 32-bit values: skipped, the stamp stays.
      {"negative", payload_testing::unixTimesField(3, {-1, later}), kStamp, unixTicks(later), kStamp},
  };
  std::vector<ZipEntrySpec> entries;
  for (const Case& c : cases) entries.push_back({.name = c.name, .localExtra = c.localExtra});
  ScratchFolder folder;
  auto reader = openBuilt(folder, entries);
  ASSERT_TRUE(reader);
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(cases)); ++i) {
    ZipEntryInfo entry;
    ASSERT_EQ(reader->getEntry(i, entry), zip_status::ok) << cases[i].name;
    EXPECT_EQ(ticks(entry.writeTime), cases[i].write) << cases[i].name;
    EXPECT_EQ(ticks(entry.accessTime), cases[i].access) << cases[i].name;
    EXPECT_EQ(ticks(entry.creationTime), cases[i].creation) << cases[i].name;
  }
}

// Counts the reads that reach the archive file through minizip's Win32 layer.
int fileReads = 0;
zlib_filefunc64_def countingLayer() {
  static zlib_filefunc64_def win32;
  fill_win32_filefunc64A(&win32);
  zlib_filefunc64_def counting = win32;
  counting.zread_file = [](voidpf opaque, voidpf stream, void* buffer, uLong size) -> uLong {
    ++fileReads;
    return win32.zread_file(opaque, stream, buffer, size);
  };
  return counting;
}

TEST(ZipReader, AsksTheArchiveOnceForTheSameIndexAndRefusesIndexesOutsideTheDirectory) {
  ScratchFolder folder;
  const zlib_filefunc64_def io = countingLayer();
  auto reader = openBuilt(folder, {{.name = "a", .data = "1"}, {.name = "b", .data = "2"}}, &io);
  ASSERT_TRUE(reader);
  ZipEntryInfo first, again;
  ASSERT_EQ(reader->getEntry(1, first), zip_status::ok);
  const int readsAfterFirst = fileReads;
  ASSERT_EQ(reader->getEntry(1, again), zip_status::ok);
  EXPECT_EQ(fileReads, readsAfterFirst);
  EXPECT_STREQ(again.name, "b");

  ZipEntryInfo entry;
  EXPECT_EQ(reader->getEntry(2, entry), zip_status::noSuchEntry);
  EXPECT_EQ(reader->getEntry(-1, entry), zip_status::noSuchEntry);
  // Going back behind the cursor starts over from the first record.
  ASSERT_EQ(reader->getEntry(0, entry), zip_status::ok);
  EXPECT_STREQ(entry.name, "a");
}

TEST(ZipReader, FailsAnEntryWhoseLocalHeaderDisagreesWithoutSpoilingTheOthers) {
  ScratchFolder folder;
  auto reader = openBuilt(folder, {{.name = "good", .data = "good data"},
                                   {.name = "bad", .data = "x", .corruptLocalMethod = true}});
  ASSERT_TRUE(reader);
  ZipEntryInfo entry;
  ASSERT_EQ(reader->getEntry(0, entry), zip_status::ok);
  EXPECT_EQ(reader->getEntry(1, entry), zip_status::localHeaderMismatch);
  // Entry 0 is still cached while minizip's cursor stands on entry 1.
  const std::string target = folder / "good";
  ASSERT_EQ(reader->extractEntryToFile(0, target.c_str()), zip_status::ok);
  EXPECT_EQ(payload_testing::readBytes(target), "good data");
}

TEST(ZipReader, RefusesNamesTooLongForTheNameFieldInsteadOfShorteningThem) {
  ScratchFolder folder;
  const std::string longest(259, 'n'), tooLong(260, 'n');
  auto reader = openBuilt(folder, {{.name = longest}, {.name = tooLong}});
  ASSERT_TRUE(reader);
  ZipEntryInfo entry;
  ASSERT_EQ(reader->getEntry(0, entry), zip_status::ok);
  EXPECT_EQ(entry.name, longest);
  ASSERT_EQ(reader->getEntry(1, entry), zip_status::ok);
  EXPECT_STREQ(entry.name, "");
}

FILETIME fileTimeOf(const std::string& path, int which) {
  FILETIME times[3] = {};
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileTime(file, &times[0], &times[1], &times[2]);
  CloseHandle(file);
  return times[which];
}

TEST(ZipReader, WritesAFileEntryWithItsAttributesAndTimes) {
  ScratchFolder folder;
  const std::string data(100000, 'd');
  auto reader = openBuilt(folder, {{.name = "stored", .data = "plain"},
                                   {.name = "deflated", .data = data, .deflate = true,
                                    .externalAttributes = 0x20 | 0x00800000,
                                    .localExtra = payload_testing::unixTimesField(1, {1600000000})}});
  ASSERT_TRUE(reader);
  const std::string stored = folder / "stored", deflated = folder / "deflated";
  ASSERT_EQ(reader->extractEntryToFile(0, stored.c_str()), zip_status::ok);
  ASSERT_EQ(reader->extractEntryToFile(1, deflated.c_str()), zip_status::ok);
  EXPECT_EQ(GetFileAttributesA(stored.c_str()), 0x21u);  // archive, read-only
  EXPECT_EQ(GetFileAttributesA(deflated.c_str()), 0x20u);
  EXPECT_EQ(ticks(fileTimeOf(stored, 2)), kStamp);
  EXPECT_EQ(ticks(fileTimeOf(deflated, 2)), unixTicks(1600000000));
  // Wine on Linux keeps no creation time of its own, so the access time tells the times apart.
  EXPECT_EQ(ticks(fileTimeOf(deflated, 1)), kStamp);
  // Read last: reading moves the access time.
  EXPECT_EQ(payload_testing::readBytes(stored), "plain");
  EXPECT_EQ(payload_testing::readBytes(deflated), data);
}

TEST(ZipReader, FailsTheDataOfAnEntryWhoseChecksumDoesNotMatchAndGivesItNoTimes) {
  ScratchFolder folder;
  auto reader = openBuilt(folder, {{.name = "stored", .data = "plain", .corruptCrc = true},
                                   {.name = "deflated", .data = std::string(5000, 'z'),
                                    .deflate = true, .corruptCrc = true}});
  ASSERT_TRUE(reader);
  for (int32_t i = 0; i < 2; ++i) {
    const std::string target = folder / ("target" + std::to_string(i));
    EXPECT_EQ(reader->extractEntryToFile(i, target.c_str()), zip_status::dataError) << i;
    EXPECT_NE(ticks(fileTimeOf(target, 2)), kStamp) << i;
  }
}

TEST(ZipReader, ReportsATargetThatCannotBeCreated) {
  ScratchFolder folder;
  auto reader = openBuilt(folder, {{.name = "f", .data = "x"}});
  ASSERT_TRUE(reader);
  const std::string target = folder / "missing\\f";
  EXPECT_EQ(reader->extractEntryToFile(0, target.c_str()), zip_status::cannotCreateTarget);
}

TEST(ZipReader, DoesNotOpenFilesWithoutAValidEndRecord) {
  ScratchFolder folder;
  const std::string path = folder / "not.zip";
  payload_testing::writeBytes(path, "PK\x03\x04 and nothing more");
  EXPECT_FALSE(ZipReader::openArchive(path.c_str()));
  EXPECT_FALSE(ZipReader::openArchive((folder / "absent.zip").c_str()));
}

}  // namespace
