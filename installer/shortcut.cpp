#include "installer/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string_view>

#include "frame/text.h"

namespace installer {
namespace {

// Releases a COM interface when the scope ends.
template <typename Interface>
class ComPointer {
 public:
  ~ComPointer() {
    if (pointer) pointer->Release();
  }
  Interface* operator->() const { return pointer; }
  Interface* pointer = nullptr;
};

// The link file always ends in ".lnk": a desktop below a user name with a dot must still get a
// shortcut, not a file without extension.
frame::Text linkFileName(const char* shortcutPath) {
  std::string_view path(shortcutPath);
  bool hasExtension = path.size() >= 4 && _stricmp(shortcutPath + path.size() - 4, ".lnk") == 0;
  return hasExtension ? frame::Text(path) : frame::Text::join({path, ".lnk"});
}

}  // namespace

int createShortcut(const char* shortcutPath, const char* target, const char* workingDirectory) {
  ComPointer<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link.pointer))))
    return 0;
  ComPointer<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.pointer)))) return 0;
  link->SetPath(target);
  link->SetShowCmd(SW_SHOW);
  link->SetWorkingDirectory(workingDirectory);

  frame::Text name = linkFileName(shortcutPath);
  int length = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
  if (length <= 0) return 0;
  auto* wide = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, sizeof(wchar_t) * length));
  if (!wide) return 0;
  MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, length);
  HRESULT saved = file->Save(wide, TRUE);
  HeapFree(GetProcessHeap(), 0, wide);
  return SUCCEEDED(saved) ? 1 : 0;
}

}  // namespace installer
