// Whole installs driven through setup.exe's window with real mouse input, checked on disk.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <minizip/unzip.h>
#include <zlib.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/installer_run.h"
#include "tests/support/screen.h"

namespace {

using testing_support::InstallerRun;
using testing_support::kDefaultInstallDirectory;

constexpr char kNotice[] =
    "由于系列正版软件都作了加壳加密处理\r\n如果部分杀毒软件提示警告，请允许即可！\r\n\r\n"
    "软件干净无毒无木马~~支持正版 谢谢大家\r\n"
    "软件安装好后，建议把安装的软件目录加入杀毒软件信任，再运行软件，以免影响部分功能使用。\r\n"
    "可以阅读软件安装说明";
constexpr char kCompletion[] = "安装完成！\r\n点<是>将启动软件\r\n点<否>不启动,可以在桌面启动软件";

struct PayloadEntry {
  std::string path;  // below the install directory, with backslashes
  bool directory;
  uLong crc, size, dosDate;
};

std::string payloadPath() { return testing_support::executableFolder() + "payload.zip"; }

std::vector<PayloadEntry> payloadEntries() {
  std::vector<PayloadEntry> entries;
  unzFile zip = unzOpen(payloadPath().c_str());
  if (!zip) return entries;
  for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip)) {
    unz_file_info info;
    char name[300];
    unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
    std::string path = name;
    for (char& c : path) if (c == '/') c = '\\';
    bool directory = !path.empty() && path.back() == '\\';
    if (directory) path.pop_back();
    entries.push_back({path, directory, info.crc, info.uncompressed_size, info.dosDate});
  }
  unzClose(zip);
  return entries;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Extracts the payload's root files into `folder` (its executables need their libraries beside
// them), the product's executable under `name`.
bool copyProductAs(const std::string& folder, const char* name) {
  CreateDirectoryA(folder.c_str(), nullptr);
  unzFile zip = unzOpen(payloadPath().c_str());
  if (!zip) return false;
  for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip)) {
    unz_file_info info;
    char entry[300];
    unzGetCurrentFileInfo(zip, &info, entry, sizeof entry, nullptr, 0, nullptr, 0);
    std::string path = entry == std::string(testing_support::kProductExecutable) ? name : entry;
    if (path.find('/') != std::string::npos || unzOpenCurrentFile(zip) != UNZ_OK) continue;
    std::string bytes;
    char block[16384];
    for (int n; (n = unzReadCurrentFile(zip, block, sizeof block)) > 0;) bytes.append(block, n);
    unzCloseCurrentFile(zip);
    writeFile(folder + "\\" + path, bytes);
  }
  unzClose(zip);
  return testing_support::exists(folder + "\\" + name);
}

void expectTreeEqualsPayload(const std::string& directory) {
  std::vector<PayloadEntry> entries = payloadEntries();
  ASSERT_FALSE(entries.empty());
  for (const PayloadEntry& entry : entries) {
    std::string path = directory + "\\" + entry.path;
    DWORD attributes = GetFileAttributesA(path.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path;
    if (entry.directory) {
      EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << path;
      continue;
    }
    // Normal: no read-only, hidden or system bit (Wine reports plain files as archive).
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_DIRECTORY), 0u) << path;
    std::string bytes = readFile(path);
    EXPECT_EQ(bytes.size(), entry.size) << path;
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())),
              entry.crc) << path;
    // The DOS stamp's calendar fields, taken as UTC.
    FILETIME stamp, written;
    DosDateTimeToFileTime(HIWORD(entry.dosDate), LOWORD(entry.dosDate), &stamp);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    EXPECT_EQ(CompareFileTime(&stamp, &written), 0) << path;
  }
}

struct Shortcut {
  std::string target, workingDirectory;
  int showCommand = -1;
};

Shortcut readShortcut(const std::string& path) {
  Shortcut shortcut;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide, STGM_READ))) {
      char text[MAX_PATH] = "";
      link->GetPath(text, MAX_PATH, nullptr, 0);
      shortcut.target = text;
      link->GetWorkingDirectory(text, MAX_PATH);
      shortcut.workingDirectory = text;
      link->GetShowCmd(&shortcut.showCommand);
    }
    if (file) file->Release();
    link->Release();
  }
  CoUninitialize();
  return shortcut;
}

class InstallFlow : public ::testing::Test {
 protected:
  void SetUp() override { clean(); }
  void TearDown() override { clean(); }
  static void clean() {
    testing_support::endProcessesNamed(testing_support::kProductExecutable);
    testing_support::removeTree("C:\\Morvane软件");
    testing_support::removeTree("C:\\Apps");
    testing_support::removeTree(testing_support::desktopShortcut());
    testing_support::removeTree(testing_support::temporaryArchive());
    testing_support::removeTree("C:\\tool.zip");
  }

  // Clicks the install button and confirms the notice; returns the completion box.
  static std::optional<testing_support::MessageBoxSeen> installUntilCompletion(InstallerRun& run) {
    run.clickInstallButton();
    auto notice = run.nextMessageBox();
    if (!notice) return std::nullopt;
    EXPECT_EQ(notice->title, "信息：");
    EXPECT_EQ(notice->text, kNotice);
    EXPECT_EQ(notice->owner, nullptr);
    testing_support::answer(notice->hwnd, IDOK);
    Sleep(300);
    return run.nextMessageBox();
  }
};

TEST_F(InstallFlow, InstallingAndAnsweringNoLeavesTheProductAndItsShortcutAndNoArchive) {
  InstallerRun run;
  ASSERT_TRUE(run.ready());
  EXPECT_EQ(run.installDirectory(), kDefaultInstallDirectory);
  auto completion = installUntilCompletion(run);
  ASSERT_TRUE(completion);
  EXPECT_EQ(completion->title, "温馨提示：");
  EXPECT_EQ(completion->text, kCompletion);
  EXPECT_TRUE(testing_support::hasButton(completion->hwnd, IDYES));
  EXPECT_TRUE(testing_support::hasButton(completion->hwnd, IDNO));
  EXPECT_EQ(run.status(), "3.创建快捷方式..成功") << "shown while the completion box is open";
  run.screenshot("completion.png");
  testing_support::answer(completion->hwnd, IDNO);
  EXPECT_EQ(run.wait(), 0u);

  expectTreeEqualsPayload(kDefaultInstallDirectory);
  Shortcut shortcut = readShortcut(testing_support::desktopShortcut());
  EXPECT_EQ(shortcut.target, std::string(kDefaultInstallDirectory) + "\\Morvane工具09.exe");
  // Shown normally: the link format reads every value but 3 and 7 back as SW_SHOWNORMAL.
  EXPECT_TRUE(shortcut.showCommand == SW_SHOW || shortcut.showCommand == SW_SHOWNORMAL)
      << shortcut.showCommand;
  EXPECT_EQ(shortcut.workingDirectory, kDefaultInstallDirectory);
  EXPECT_FALSE(testing_support::exists(testing_support::temporaryArchive()));
  EXPECT_EQ(testing_support::endProcessesNamed(testing_support::kProductExecutable), 0);
}

TEST_F(InstallFlow, AnsweringYesStartsTheInstalledProduct) {
  InstallerRun run;
  ASSERT_TRUE(run.ready());
  auto completion = installUntilCompletion(run);
  ASSERT_TRUE(completion);
  testing_support::answer(completion->hwnd, IDYES);
  EXPECT_EQ(run.wait(), 0u);
  EXPECT_EQ(testing_support::endProcessesNamed(testing_support::kProductExecutable), 1);
}

TEST_F(InstallFlow, IsRefusedWhileTheProductRunsUnderANameThatDiffersInCaseOnly) {
  const std::string folder = "C:\\product-copy";
  struct Case { const char* name; bool refused; } cases[] = {
      {"MORVANE工具09.EXE", true},
      {"xMorvane工具09.exe", false},  // merely contains the product's name
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(copyProductAs(folder, c.name));
    testing_support::ChildProcess product("\"" + folder + "\\" + c.name + "\"", folder.c_str());
    ASSERT_TRUE(product.started());
    Sleep(1000);
    ASSERT_EQ(product.wait(0), std::nullopt) << c.name << " runs";
    InstallerRun run;
    ASSERT_TRUE(run.ready());
    run.clickInstallButton();
    auto box = run.nextMessageBox();
    ASSERT_TRUE(box) << c.name;
    if (c.refused) {
      EXPECT_EQ(box->title, "Morvane工具09<没有关闭>");
      EXPECT_EQ(box->text, "请先关闭原来的软件再开始安装，否则无法安装！");
      testing_support::answer(box->hwnd, IDOK);
      Sleep(500);
      EXPECT_FALSE(testing_support::exists(kDefaultInstallDirectory)) << "nothing extracted";
      run.clickCloseMark();
      EXPECT_EQ(run.wait(), 0u);
    } else {
      EXPECT_EQ(box->title, "信息：") << "the notice: the install goes ahead";
      testing_support::answer(box->hwnd, IDOK);
      Sleep(300);
      auto completion = run.nextMessageBox();
      ASSERT_TRUE(completion);
      EXPECT_EQ(completion->title, "温馨提示：");
      testing_support::answer(completion->hwnd, IDNO);
      EXPECT_EQ(run.wait(), 0u);
    }
    testing_support::endProcessesNamed(c.name);
  }
  testing_support::removeTree(folder);
}

TEST_F(InstallFlow, AnUnwritableTemporaryFolderFallsBackToTheDriveRoot) {
  InstallerRun run({"TEMP=C:\\no-such-folder\\", "TMP=C:\\no-such-folder\\"});
  ASSERT_TRUE(run.ready());
  auto completion = installUntilCompletion(run);
  ASSERT_TRUE(completion);
  EXPECT_EQ(completion->title, "温馨提示：");
  testing_support::answer(completion->hwnd, IDNO);
  EXPECT_EQ(run.wait(), 0u);
  expectTreeEqualsPayload(kDefaultInstallDirectory);
  EXPECT_FALSE(testing_support::exists("C:\\tool.zip")) << "the fallback archive is removed";
}

TEST_F(InstallFlow, AUsersOwnToolZipAtTheDriveRootIsNeverReplaced) {
  const std::string mine = "the user's own archive, not the installer's";
  writeFile("C:\\tool.zip", mine);
  InstallerRun run({"TEMP=C:\\no-such-folder\\", "TMP=C:\\no-such-folder\\"});
  ASSERT_TRUE(run.ready());
  run.clickInstallButton();
  auto notice = run.nextMessageBox();
  ASSERT_TRUE(notice);
  testing_support::answer(notice->hwnd, IDOK);
  Sleep(300);
  auto failure = run.nextMessageBox();
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->title, "信息：");
  EXPECT_EQ(failure->text,
            "写入失败！Windows7请以管理员身份运行，建议关闭杀毒，再重试\r\n《确定》后将关闭本安装程序");
  EXPECT_EQ(run.status(), "1.释放压缩包..");
  testing_support::answer(failure->hwnd, IDOK);
  EXPECT_EQ(run.wait(), 0u);
  EXPECT_EQ(readFile("C:\\tool.zip"), mine);
  EXPECT_FALSE(testing_support::exists(kDefaultInstallDirectory));
}

TEST_F(InstallFlow, TheChooserPutsTheProductBelowThePickedFolderAndCancelKeepsTheDirectory) {
  InstallerRun run;
  ASSERT_TRUE(run.ready());
  run.pressInstallDirectoryLabel();
  auto picker = run.nextMessageBox();
  ASSERT_TRUE(picker) << "the folder picker opens on the press";
  run.screenshot("chooser.png");
  testing_support::answer(picker->hwnd, IDCANCEL);
  Sleep(300);
  EXPECT_EQ(run.installDirectory(), kDefaultInstallDirectory);

  // Confirming the picker's first selection, the desktop folder.
  run.pressInstallDirectoryLabel();
  picker = run.nextMessageBox();
  ASSERT_TRUE(picker);
  Sleep(1000);  // the picker fills its folder tree first
  testing_support::answer(picker->hwnd, IDOK);
  char desktop[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
  std::string expected = std::string(desktop) + "\\Morvane工具09";
  for (int i = 0; i < 30 && run.installDirectory() != expected; ++i) Sleep(100);
  EXPECT_EQ(run.installDirectory(), expected);
  run.clickCloseMark();
  EXPECT_EQ(run.wait(), 0u);
}

TEST_F(InstallFlow, TheCloseMarkEndsTheProgramWithoutInstalling) {
  InstallerRun run;
  ASSERT_TRUE(run.ready());
  run.clickCloseMark();
  EXPECT_EQ(run.wait(), 0u);
  EXPECT_FALSE(testing_support::exists(kDefaultInstallDirectory));
}

}  // namespace
