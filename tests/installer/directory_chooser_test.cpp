#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "frame/system_functions.h"
#include "installer/directory_chooser.h"

namespace {

// The picker stands in through the name table: what it was asked, and what it answers.
struct FakePicker {
  bool returnsItem;
  const char* displayName;
  bool pathConverts;
  const char* path;
  BROWSEINFOA request;
  std::string requestedDisplayName;
  int freed;
} picker;

ITEMIDLIST chosenItem, rootItem;

HRESULT WINAPI fakeFolderLocation(HWND, int folder, HANDLE token, DWORD, LPITEMIDLIST* item) {
  EXPECT_EQ(folder, CSIDL_DESKTOP);
  EXPECT_EQ(token, nullptr);
  *item = &rootItem;
  return S_OK;
}

LPITEMIDLIST WINAPI fakeBrowse(BROWSEINFOA* request) {
  picker.request = *request;
  picker.requestedDisplayName = request->pszDisplayName;
  std::strcpy(request->pszDisplayName, picker.displayName);
  return picker.returnsItem ? &chosenItem : nullptr;
}

BOOL WINAPI fakePath(LPCITEMIDLIST item, char* path) {
  EXPECT_EQ(item, &chosenItem);
  if (!picker.pathConverts) return FALSE;
  std::strcpy(path, picker.path);
  return TRUE;
}

void WINAPI fakeFree(void*) { ++picker.freed; }

class BrowseForFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    using frame::SystemFunction;
    frame::replaceSystemFunction(SystemFunction::SHGetFolderLocation, reinterpret_cast<FARPROC>(fakeFolderLocation));
    frame::replaceSystemFunction(SystemFunction::SHBrowseForFolderA, reinterpret_cast<FARPROC>(fakeBrowse));
    frame::replaceSystemFunction(SystemFunction::SHGetPathFromIDListA, reinterpret_cast<FARPROC>(fakePath));
    frame::replaceSystemFunction(SystemFunction::CoTaskMemFree, reinterpret_cast<FARPROC>(fakeFree));
  }
};

TEST_F(BrowseForFolder, AsksThePickerForFileSystemFoldersBelowTheDesktop) {
  picker = {true, "Apps", true, "E:\\Apps"};
  HWND owner = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(installer::browseForFolder(owner, "请选择安装位置"), "E:\\Apps");
  EXPECT_EQ(picker.request.hwndOwner, owner);
  EXPECT_EQ(picker.request.pidlRoot, &rootItem);
  EXPECT_STREQ(picker.request.lpszTitle, "请选择安装位置");
  EXPECT_EQ(picker.request.ulFlags, 0x77u);
  EXPECT_EQ(picker.requestedDisplayName, std::string(260, ' '));
  EXPECT_EQ(picker.request.lpfn, nullptr);
  EXPECT_EQ(picker.freed, 2) << "the chosen item and the root item are released";
}

TEST_F(BrowseForFolder, TurnsEveryOutcomeIntoAPathOrNothing) {
  struct Case { FakePicker picker; const char* result; } cases[] = {
      {{true, "Apps", true, "E:\\Apps"}, "E:\\Apps"},
      {{true, "E:", true, "E:\\"}, "E:"},                       // a drive root loses its backslash
      {{true, "Apps", false, ""}, ""},                          // no file-system path
      {{true, "abc?def", true, "E:\\abc?def"}, ""},             // a name the code page cannot show
      {{false, "server\\share", false, ""}, "\\\\server\\share"},  // a name without an item
      {{false, "  \xA1\xA1server\\share\xA1\xA1 ", false, ""}, "\\\\server\\share"},
      {{false, "", false, ""}, ""},                             // Cancel
      {{false, "    ", false, ""}, ""},
  };
  for (const Case& c : cases) {
    picker = c.picker;
    EXPECT_EQ(installer::browseForFolder(nullptr, "t"), c.result) << c.picker.displayName;
  }
}

TEST(TrimSpaces, RemovesAsciiAndFullWidthSpacesAtBothEndsOnly) {
  struct Case { const char* text; const char* trimmed; } cases[] = {
      {"  a b  ", "a b"}, {"\xA1\xA1" "a\xA1\xA1" "b\xA1\xA1", "a\xA1\xA1" "b"}, {"", ""}, {"   ", ""},
      // 0xB0 0xA1 is one character whose trail byte is the lead of a full-width space.
      {"\xB0\xA1\xA1\xA1", "\xB0\xA1"},
  };
  for (const Case& c : cases) EXPECT_EQ(installer::trimSpaces(c.text), c.trimmed) << c.text;
}

}  // namespace
