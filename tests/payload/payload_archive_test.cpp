// The stand-in product's archive as the installer carries it.
#include "payload/payload_archive.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "frame/program.h"
#include "frame/window.h"
#include "installer/archive_file.h"
#include "installer/program_state.h"
#include "payload/zip_extractor.h"
#include "payload_product.h"
#include "tests/payload/progress_window.h"
#include "tests/payload/test_files.h"
#include "tests/payload/zip_builder.h"
#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"
#include "ui/main_window.h"

namespace {

using test_files::exists;

const std::string kMainExecutable = std::string(kPayloadProductName) + ".exe";

uint32_t le16(const std::string& bytes, std::size_t at) {
  return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
}
uint32_t le32(const std::string& bytes, std::size_t at) {
  return le16(bytes, at) | le16(bytes, at + 2) << 16;
}

struct ExtraField {
  uint32_t tag;
  std::string data;
};
std::vector<ExtraField> extraFields(const std::string& extra) {
  std::vector<ExtraField> fields;
  for (std::size_t at = 0; at + 4 <= extra.size(); at += 4 + le16(extra, at + 2))
    fields.push_back({le16(extra, at), extra.substr(at + 4, le16(extra, at + 2))});
  return fields;
}
bool hasField(const std::vector<ExtraField>& fields, uint32_t tag) {
  for (const ExtraField& field : fields)
    if (field.tag == tag) return true;
  return false;
}

TEST(PayloadArchive, IsWrittenOutByteForByteAsTheTemporaryArchive) {
  const std::string built = test_zip::readFile(kPayloadFile);
  ASSERT_FALSE(built.empty());
  EXPECT_EQ(payloadArchive.dimensions, 1);
  ASSERT_EQ(static_cast<std::size_t>(payloadArchive.count), built.size());

  test_files::TempFolder folder;
  const std::string temporary = folder / "tool.zip";
  ASSERT_TRUE(installer::writeArchiveFile(temporary.c_str(), frame::elements(payloadArchive)));
  EXPECT_EQ(test_zip::readFile(temporary), built);
}

TEST(PayloadArchive, HasTheLayoutTheInstallerReliesOn) {
  const std::string zip(reinterpret_cast<const char*>(frame::elements(payloadArchive).data()),
                        frame::elements(payloadArchive).size());
  ASSERT_GE(zip.size(), 32u);
  EXPECT_EQ(zip.substr(0, 4), "PK\x03\x04");
  EXPECT_GE(static_cast<int32_t>(le32(zip, 24)), 1);

  // One disk, no comment, nothing after the end record.
  const std::size_t end = zip.size() - 22;
  ASSERT_EQ(le32(zip, end), 0x06054B50u);
  EXPECT_EQ(le32(zip, end + 4), 0u) << "disk numbers";
  EXPECT_EQ(le16(zip, end + 8), 9u);
  EXPECT_EQ(le16(zip, end + 10), 9u);
  EXPECT_EQ(le32(zip, end + 16) + le32(zip, end + 12), end);
  EXPECT_EQ(le16(zip, end + 20), 0u);

  const uint32_t attributes[] = {0x20, 0x20, 0x20, 0x10, 0x20, 0x21, 0x20, 0x20, 0x20};
  std::size_t at = le32(zip, end + 16);
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i));
    ASSERT_EQ(le32(zip, at), 0x02014B50u);
    const uint32_t madeBy = le16(zip, at + 4), flags = le16(zip, at + 8), method = le16(zip, at + 10);
    const uint32_t date = le16(zip, at + 14), nameLength = le16(zip, at + 28);
    const uint32_t extraLength = le16(zip, at + 30), commentLength = le16(zip, at + 32);
    const std::string name = zip.substr(at + 46, nameLength);
    const auto central = extraFields(zip.substr(at + 46 + nameLength, extraLength));
    const std::size_t local = le32(zip, at + 42);
    const auto localExtra = extraFields(
        zip.substr(local + 30 + le16(zip, local + 26), le16(zip, local + 28)));

    EXPECT_EQ(madeBy >> 8, 0u) << "made on MS-DOS";
    EXPECT_EQ(le32(zip, at + 38), attributes[i]);
    EXPECT_EQ(flags, i == 2 ? 2u : 0u) << "bit 1 on the first configuration file only";
    EXPECT_EQ(method, i == 3 ? 0u : 8u);
    EXPECT_EQ(le16(zip, local + 6), flags);
    EXPECT_GE(1980 + (date >> 9), 2013u);
    EXPECT_LE(1980 + (date >> 9), 2020u);
    EXPECT_EQ(commentLength, 0u);
    EXPECT_EQ(name.find('\\'), std::string::npos);
    EXPECT_EQ(name.find(".."), std::string::npos);
    EXPECT_EQ(name.find('/') != std::string::npos, i == 3 || i == 4) << name;
    if (i == 3) {
      EXPECT_EQ(name, "share/");
    }
    if (i == 6) {
      EXPECT_EQ(name, kMainExecutable) << "GBK bytes of the product name";
    }

    bool ntfs = false;
    for (const ExtraField& field : central)
      if (field.tag == 0x000A) ntfs = field.data.size() == 32;
    EXPECT_EQ(ntfs, i != 2 && i != 3) << "NTFS times in the central header";
    EXPECT_FALSE(hasField(central, 'U' | 'T' << 8));
    EXPECT_FALSE(hasField(localExtra, 'U' | 'T' << 8));
    EXPECT_EQ(hasField(central, 0x7075), i == 6);
    EXPECT_EQ(localExtra.empty(), i != 6);
    if (i == 6) {
      ASSERT_EQ(localExtra.size(), 1u);
      const std::string& unicode = localExtra[0].data;
      EXPECT_EQ(localExtra[0].tag, 0x7075u);
      EXPECT_EQ(unicode[0], 1);
      EXPECT_EQ(le32(unicode, 1), crc32(0, reinterpret_cast<const Bytef*>(name.data()), nameLength));
      EXPECT_EQ(unicode.substr(5), reinterpret_cast<const char*>(u8"Morvane工具09.exe"));
    }
    at += 46 + nameLength + extraLength + commentLength;
  }
  EXPECT_EQ(at, end);
}

class PayloadInstall : public ::testing::Test {
 protected:
  void SetUp() override {
    test_progress::prepare();
    ASSERT_TRUE(installer::writeArchiveFile(archive.c_str(), frame::elements(payloadArchive)));
  }
  int32_t extract() {
    return payload::ZipExtractor(test_progress::kWindow, test_progress::kZip)
        .extract(archive.c_str(), destination.c_str());
  }
  test_files::TempFolder folder;
  std::string archive = folder / "tool.zip";
  std::string destination = folder / "Morvane软件\\" + kPayloadProductName;
};

TEST_F(PayloadInstall, ExtractsTheWholeProductWithNormalFilesAndItsStamps) {
  EXPECT_EQ(extract(), 1);
  EXPECT_EQ(test_progress::percents, (std::vector<int32_t>{0, 11, 22, 33, 44, 55, 66, 77, 88, 100}));
  const char* files[] = {"mvcore.dll", "MorvaneUpdate.exe", "config.ini", "share\\settings.xml",
                         "mvui.dll", "mvdata.dll", "mvnet.dll"};
  for (const char* file : files) {
    EXPECT_TRUE(exists(destination + "\\" + file)) << file;
    EXPECT_EQ(test_files::protectiveAttributes(destination + "\\" + file), 0u) << file;
  }
  EXPECT_TRUE(exists(destination + "\\" + kMainExecutable));
  // mvcore.dll's stamp 2016-03-14 09:26:52, taken as UTC.
  EXPECT_EQ(test_files::writeTime(destination + "\\mvcore.dll"), 131024212120000000u);
}

TEST_F(PayloadInstall, TheInstalledProductStartsAndEndsWhenItsWindowIsClosed) {
  ASSERT_EQ(extract(), 1);
  payload_testing::ChildProcess product("\"" + destination + "\\" + kMainExecutable + "\"",
                                        destination.c_str());
  ASSERT_TRUE(product.started());
  HWND window = payload_testing::waitForWindow(product.id(), kPayloadProductName);
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(product.wait(), 0u);

  payload_testing::ChildProcess updater("\"" + destination + "\\MorvaneUpdate.exe\"",
                                        destination.c_str());
  EXPECT_EQ(updater.wait(), 0u) << "the second program finds its libraries";
}

}  // namespace

// The installer's own product selection, made by the main window's creation handler.
CHILD_SCENARIO(installerProductName) {
  const frame::WindowDescription* descriptions[] = {&ui::mainWindow};
  frame::initialise(descriptions);
  frame::loadWindow(ui::mainWindow);
  return installer::productName == kPayloadProductName ? 0 : 1;
}

namespace {

TEST(PayloadArchive, HoldsTheProductTheInstallerSelects) {
  auto child = payload_testing::ChildProcess::scenario("installerProductName");
  EXPECT_EQ(child.wait(), 0u);
}

}  // namespace
