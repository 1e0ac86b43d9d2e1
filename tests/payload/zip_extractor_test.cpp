#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/events.h"
#include "frame/program.h"
#include "frame/window.h"
#include "installer/archive_file.h"
#include "payload/payload_archive.h"
#include "payload/zip_extractor.h"
#include "payload/zip_reader.h"
#include "tests/payload/scratch_folder.h"
#include "tests/payload/zip_builder.h"
#include "ui/control_kinds.h"

namespace {

using payload_testing::ScratchFolder;
using payload_testing::ZipEntrySpec;

constexpr frame::WindowNumber kWindow = 0x52010078;
constexpr frame::ControlNumber kSelf = 0x06010078;
constexpr frame::ControlNumber kZip = 0x16010001;

std::vector<int32_t> percents;
bool stopAtFirst = false;
// Whether the archive could be opened for writing while the handler ran.
std::vector<bool> archiveReleased;
std::string archiveBeingExtracted;

frame::EventReply recordProgress(const frame::EventArgs& args) {
  percents.push_back(args[0]);
  HANDLE file = CreateFileA(archiveBeingExtracted.c_str(), GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  archiveReleased.push_back(file != INVALID_HANDLE_VALUE);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (stopAtFirst) return {true, 0};
  return {};
}

const frame::ControlDescription kControls[] = {
    {.name = "zip", .kind = &ui::zipKind, .number = kZip, .parent = kSelf, .left = 0, .top = 0,
     .width = 10, .height = 10, .visible = false},
};
const frame::EventBinding kEvents[] = {{kZip, 1, recordProgress}};
const frame::WindowDescription kDescription = {
    .number = kWindow, .selfControl = kSelf, .title = "extraction", .left = 0, .top = 0,
    .width = 100, .height = 60, .backColour = 0, .visible = false, .controls = kControls,
    .events = kEvents};

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
DWORD attributesOf(const std::string& path) { return GetFileAttributesA(path.c_str()); }
// Wine reads every plain file back with the archive bit, so "normal" means none of these.
constexpr DWORD kKeepingBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
bool isPlainFile(const std::string& path) {
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (kKeepingBits | FILE_ATTRIBUTE_DIRECTORY));
}

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

class ZipExtractor : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const frame::WindowDescription* descriptions[] = {&kDescription};
    frame::initialise(descriptions);
    frame::loadWindow(kDescription);
  }
  void SetUp() override {
    percents.clear();
    archiveReleased.clear();
    stopAtFirst = false;
  }

  int32_t extract(const std::string& archive, const std::string& destination) {
    archiveBeingExtracted = archive;
    return payload::ZipExtractor(kWindow, kZip).extract(archive.c_str(), destination.c_str());
  }
  int32_t extractBuilt(const std::vector<ZipEntrySpec>& entries, const std::string& destination) {
    const std::string archive = folder_ / "test.zip";
    payload_testing::writeBytes(archive, payload_testing::buildZip(entries));
    return extract(archive, destination);
  }

  ScratchFolder folder_;
};

TEST_F(ZipExtractor, ExtractsThePayloadWrittenOutAsTheTemporaryArchive) {
  const std::string archive = folder_ / "tool.zip", destination = folder_ / "product";
  const auto bytes = frame::elements(payloadArchive);
  ASSERT_EQ(payloadArchive.dimensions, 1);
  ASSERT_TRUE(installer::writeArchiveFile(archive.c_str(), bytes, true));
  EXPECT_EQ(payload_testing::readBytes(archive), std::string(bytes.begin(), bytes.end()));

  EXPECT_EQ(extract(archive, destination), 1);
  EXPECT_EQ(percents, (std::vector<int32_t>{0, 11, 22, 33, 44, 55, 66, 77, 88, 100}));
  // The archive is held while entries are extracted and released for the final notification.
  EXPECT_EQ(archiveReleased, (std::vector<bool>{false, false, false, false, false, false, false,
                                                false, false, true}));

  auto reader = payload::ZipReader::openArchive(archive.c_str());
  ASSERT_TRUE(reader);
  payload::ZipEntryInfo entry;
  for (int32_t i = 0; reader->getEntry(i, entry) == payload::zip_status::ok; ++i) {
    std::string path = destination + "\\" + entry.name;
    for (char& c : path) if (c == '/') c = '\\';
    if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
      EXPECT_TRUE(attributesOf(path) & FILE_ATTRIBUTE_DIRECTORY) << path;
      continue;
    }
    EXPECT_TRUE(isPlainFile(path)) << path;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME written{};
    LARGE_INTEGER size{};
    GetFileTime(file, nullptr, nullptr, &written);
    GetFileSizeEx(file, &size);
    CloseHandle(file);
    EXPECT_EQ(size.QuadPart, entry.uncompressedSize) << path;
    EXPECT_EQ(CompareFileTime(&written, &entry.writeTime), 0) << path;
    SYSTEMTIME calendar;
    FileTimeToSystemTime(&written, &calendar);
    EXPECT_GE(calendar.wYear, 2013);
    EXPECT_LE(calendar.wYear, 2020);
  }
  EXPECT_TRUE(exists(destination + "\\Morvane工具09.exe"));
  EXPECT_TRUE(exists(destination + "\\share\\defaults.cfg"));
}

TEST_F(ZipExtractor, ReportsTruncatedPercentagesInDoublePrecision) {
  std::vector<ZipEntrySpec> entries;
  for (int i = 0; i < 100; ++i) entries.push_back({.name = "f" + std::to_string(i), .data = "x"});
  EXPECT_EQ(extractBuilt(entries, folder_ / "out"), 1);
  ASSERT_EQ(percents.size(), 101u);
  EXPECT_EQ(percents[29], 28);  // 29 / 100 * 100.0 lies just below 29
  EXPECT_EQ(percents[0], 0);
  EXPECT_EQ(percents[99], 99);
  EXPECT_EQ(percents[100], 100);
  EXPECT_EQ(payload::progressPercent(0, 0), 0);
}

TEST_F(ZipExtractor, FailsBeforeTheEntriesWithOneNotificationOfZero) {
  const std::string destination = folder_ / "out";
  // Missing archive: -1, and the destination is not made.
  EXPECT_EQ(extract(folder_ / "absent.zip", destination), -1);
  EXPECT_EQ(percents, std::vector<int32_t>{0});
  EXPECT_FALSE(exists(destination));

  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"zero entries: an end record alone", payload_testing::buildZip({})},
      {"shorter than 32 bytes", std::string("PK\x03\x04", 4)},
      {"value at offset 24 below 1",
       [] {
         std::string bytes = payload_testing::buildZip({{.name = "a", .data = "x"}});
         bytes.replace(24, 4, std::string("\0\0\0\0", 4));
         return bytes;
       }()},
      {"header without an end record", payload_testing::buildZip({{.name = "a", .data = "x"}}).substr(0, 40)},
  };
  for (const Case& c : cases) {
    percents.clear();
    payload_testing::writeBytes(folder_ / "bad.zip", c.bytes);
    EXPECT_EQ(extract(folder_ / "bad.zip", destination), 0) << c.what;
    EXPECT_EQ(percents, std::vector<int32_t>{0}) << c.what;
    EXPECT_TRUE(exists(destination)) << c.what;
  }
  percents.clear();
  EXPECT_EQ(payload::ZipExtractor(kWindow, kZip).extract(nullptr, destination.c_str()), -1);
  EXPECT_EQ(payload::ZipExtractor(kWindow, kZip).extract("", destination.c_str()), -1);
  EXPECT_TRUE(percents.empty());
}

TEST_F(ZipExtractor, CreatesAMissingDestinationLevelByLevelBeforeTheHeaderCheck) {
  const std::string top = "C:\\payload-test-" + std::to_string(GetCurrentProcessId());
  payload_testing::writeBytes(folder_ / "bad.zip", "not an archive");
  EXPECT_EQ(extract(folder_ / "bad.zip", top + "\\a\\b"), 0);
  EXPECT_TRUE(attributesOf(top + "\\a\\b") & FILE_ATTRIBUTE_DIRECTORY);
  payload_testing::removeTree(top);
}

TEST_F(ZipExtractor, FailsAFileWhoseDirectoryEntryComesAfterIt) {
  const std::string destination = folder_ / "out";
  EXPECT_EQ(extractBuilt({{.name = "first", .data = "1"},
                          {.name = "sub/file", .data = "2"},
                          {.name = "sub/", .externalAttributes = 0x10}},
                         destination),
            0);
  EXPECT_EQ(percents, (std::vector<int32_t>{0, 100}));
  EXPECT_TRUE(exists(destination + "\\first"));
  EXPECT_FALSE(exists(destination + "\\sub"));
}

TEST_F(ZipExtractor, ReplacesReadOnlyHiddenAndSystemFilesAndLeavesEveryFileNormal) {
  const std::string destination = folder_ / "out";
  CreateDirectoryA(destination.c_str(), nullptr);
  const char* names[] = {"readonly", "hidden", "system"};
  const DWORD attributes[] = {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM};
  std::vector<ZipEntrySpec> entries;
  for (int i = 0; i < 3; ++i) {
    const std::string path = destination + "\\" + names[i];
    payload_testing::writeBytes(path, "old");
    SetFileAttributesA(path.c_str(), attributes[i]);
    entries.push_back({.name = names[i], .data = "new", .externalAttributes = 0x27});
  }
  EXPECT_EQ(extractBuilt(entries, destination), 1);
  for (const char* name : names) {
    const std::string path = destination + "\\" + name;
    EXPECT_EQ(payload_testing::readBytes(path), "new") << name;
    EXPECT_TRUE(isPlainFile(path)) << name;
  }
}

TEST_F(ZipExtractor, StopsWhenTheHandlerAnswersFalse) {
  const std::string destination = folder_ / "out";
  stopAtFirst = true;
  EXPECT_EQ(extractBuilt({{.name = "a", .data = "1"}, {.name = "b", .data = "2"}}, destination), 1);
  EXPECT_EQ(percents, std::vector<int32_t>{0});
  EXPECT_TRUE(exists(destination + "\\a"));
  EXPECT_FALSE(exists(destination + "\\b"));
}

TEST_F(ZipExtractor, ExtractsWithoutNotificationsWhenTheComponentsWindowIsNotThere) {
  const std::string archive = folder_ / "test.zip", destination = folder_ / "out";
  payload_testing::writeBytes(archive, payload_testing::buildZip({{.name = "a", .data = "1"}}));
  EXPECT_EQ(payload::ZipExtractor(0x52010079, kZip).extract(archive.c_str(), destination.c_str()), 1);
  EXPECT_TRUE(percents.empty());
  EXPECT_TRUE(exists(destination + "\\a"));
}

TEST_F(ZipExtractor, WalksPathsDoubleByteAware) {
  // 乗 is 81 5C in GBK: its trail byte is the backslash code.
  const std::string destination = folder_ / "乗\\乗";
  EXPECT_EQ(extractBuilt({{.name = "d/", .externalAttributes = 0x10},
                          {.name = "d/乗.txt", .data = "x"}},
                         destination),
            1);
  EXPECT_EQ(namesIn(folder_.path()), (std::vector<std::string>{"test.zip", "乗"}));
  EXPECT_EQ(namesIn(folder_ / "乗"), std::vector<std::string>{"乗"});
  EXPECT_EQ(payload_testing::readBytes(destination + "\\d\\乗.txt"), "x");
  // A destination ending in a double-byte character whose trail byte is the backslash code.
  percents.clear();
  EXPECT_EQ(extractBuilt({{.name = "f", .data = "y"}}, folder_ / "乗"), 1);
  EXPECT_EQ(payload_testing::readBytes(folder_ / "乗\\f"), "y");
}

TEST_F(ZipExtractor, RefusesEntriesThatCannotBeNamedInsideTheDestination) {
  const std::string destination = folder_ / "in\\out";
  const std::string names[] = {"../escaped",   "a/../../escaped", "..\\escaped", ".. /escaped",
                               "/escaped",     "\\escaped",       "C:escaped",   "C:\\escaped",
                               "\\\\server\\share\\escaped", std::string(260, 'n')};
  for (const std::string& name : names) {
    percents.clear();
    EXPECT_EQ(extractBuilt({{.name = "ok", .data = "1"}, {.name = name, .data = "2"}}, destination), 0)
        << name;
    EXPECT_EQ(percents, (std::vector<int32_t>{0, 100})) << name;
    EXPECT_FALSE(exists(folder_ / "in\\escaped")) << name;
    EXPECT_FALSE(exists(folder_ / "escaped")) << name;
  }
  EXPECT_FALSE(exists(destination + "\\" + std::string(259, 'n')));
  // Names that merely contain dots stay.
  percents.clear();
  EXPECT_EQ(extractBuilt({{.name = "a..b/", .externalAttributes = 0x10},
                          {.name = "a..b/..c", .data = "3"}},
                         destination),
            1);
  EXPECT_EQ(payload_testing::readBytes(destination + "\\a..b\\..c"), "3");
}

TEST_F(ZipExtractor, NeverReportsACorruptedFileAsExtracted) {
  const std::string destination = folder_ / "out";
  EXPECT_EQ(extractBuilt({{.name = "a", .data = "1"},
                          {.name = "b", .data = std::string(3000, 'b'), .deflate = true, .corruptCrc = true},
                          {.name = "c", .data = "3"}},
                         destination),
            0);
  EXPECT_EQ(percents, (std::vector<int32_t>{0, 100}));
  EXPECT_FALSE(exists(destination + "\\c"));
}

TEST_F(ZipExtractor, FailsOnAnEntryWhoseLocalHeaderDisagrees) {
  EXPECT_EQ(extractBuilt({{.name = "a", .data = "1"}, {.name = "b", .data = "2", .corruptLocalMethod = true}},
                         folder_ / "out"),
            0);
  EXPECT_EQ(percents, (std::vector<int32_t>{0, 100}));
}

}  // namespace
