// The install-directory label's press: the user picks another parent folder, and the product's
// name below it becomes the install directory.
#include "installer/directory_chooser.h"

#include <shlobj.h>

#include <cstring>

#include "frame/arrays.h"
#include "frame/system_functions.h"
#include "frame/window.h"
#include "installer/handlers.h"
#include "installer/install_session.h"
#include "installer/program_state.h"
#include "ui/control_kinds.h"
#include "ui/main_window.h"

namespace installer {
namespace {

constexpr char kFullWidthSpace[] = "\xA1\xA1";  // GBK
constexpr UINT kPickerFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT |
                              BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;

uintptr_t call(frame::SystemFunction function, std::initializer_list<uintptr_t> args) {
  return frame::callSystemFunction(function, args);
}

}  // namespace

frame::Text trimSpaces(const char* text) {
  const char* begin = text;
  for (;;) {
    if (*begin == ' ') ++begin;
    else if (std::strncmp(begin, kFullWidthSpace, 2) == 0) begin += 2;
    else break;
  }
  // Walk forward character by character to find where the trailing spaces begin.
  const char* end = begin;
  for (const char* at = begin; *at;) {
    bool space = *at == ' ' || std::strncmp(at, kFullWidthSpace, 2) == 0;
    const char* next = (IsDBCSLeadByte(static_cast<BYTE>(*at)) && at[1]) ? at + 2 : at + 1;
    if (!space) end = next;
    at = next;
  }
  return frame::Text(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

frame::Text browseForFolder(HWND owner, const char* title) {
  using frame::SystemFunction;
  using frame::arg;
  LPITEMIDLIST root = nullptr;
  call(SystemFunction::SHGetFolderLocation, {arg(owner), CSIDL_DESKTOP, 0, 0, arg(&root)});

  char displayName[MAX_PATH + 1];
  std::memset(displayName, ' ', MAX_PATH);
  displayName[MAX_PATH] = '\0';
  BROWSEINFOA request{};
  request.hwndOwner = owner;
  request.pidlRoot = root;
  request.pszDisplayName = displayName;
  request.lpszTitle = title;
  request.ulFlags = kPickerFlags;
  auto chosen = reinterpret_cast<LPITEMIDLIST>(call(SystemFunction::SHBrowseForFolderA, {arg(&request)}));

  frame::Text result;
  frame::Text name = trimSpaces(displayName);
  if (std::strchr(name.c_str(), '?')) {
    // A name the ANSI code page cannot show: nothing usable.
  } else if (chosen) {
    char path[MAX_PATH] = "";
    if (call(SystemFunction::SHGetPathFromIDListA, {arg(chosen), arg(path)}))
      result = std::strlen(path) == 3 ? frame::Text(std::string_view(path, 2)) : frame::Text(path);
  } else {
    frame::Text network = frame::Text::join({"\\\\", name.view()});
    if (network != "\\\\") result = std::move(network);
  }
  if (chosen) call(SystemFunction::CoTaskMemFree, {arg(chosen)});
  if (root) call(SystemFunction::CoTaskMemFree, {arg(root)});
  return result;
}

void onInstallDirLabelPressed(int32_t, int32_t, int32_t) {
  if (installRunning) return;  // the install directory is fixed once an install has started
  frame::Text folder = browseForFolder(frame::windowHandle(ui::主窗口), "请选择安装位置");
  if (folder.empty()) return;
  const frame::Text& product = productCatalogue.at(productIndex);
  frame::Text directory = frame::Text::join({folder.view(), "\\", product.view()});
  frame::writeText(ui::主窗口, ui::标签_安装目录, ui::property::caption, directory.c_str());
}

}  // namespace installer
