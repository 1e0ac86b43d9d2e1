// The install button's click and the install worker: the product must not be running, the
// payload is written to a temporary archive and extracted into the install directory.
#include <windows.h>
#include <objbase.h>

#include "frame/message_box.h"
#include "frame/program.h"
#include "frame/window.h"
#include "installer/archive_file.h"
#include "installer/handlers.h"
#include "installer/install_session.h"
#include "installer/process_check.h"
#include "installer/program_state.h"
#include "installer/shell_folders.h"
#include "payload/payload_archive.h"
#include "payload/zip_extractor.h"
#include "ui/control_kinds.h"
#include "ui/main_window.h"

namespace installer {

std::atomic<bool> installRunning{false};
InstallSession session;

namespace {

constexpr char kNotice[] =
    "由于系列正版软件都作了加壳加密处理\r\n如果部分杀毒软件提示警告，请允许即可！\r\n\r\n"
    "软件干净无毒无木马~~支持正版 谢谢大家\r\n"
    "软件安装好后，建议把安装的软件目录加入杀毒软件信任，再运行软件，以免影响部分功能使用。\r\n"
    "可以阅读软件安装说明";
constexpr char kWriteFailed[] =
    "写入失败！Windows7请以管理员身份运行，建议关闭杀毒，再重试\r\n《确定》后将关闭本安装程序";

void setStatus(const char* text) {
  frame::writeText(ui::主窗口, ui::标签_日志, ui::property::caption, text);
}

// Writes the payload to `path`; the fallback location never replaces a file already there,
// since a tool.zip at a drive root may be the user's own.
bool writeTemporaryArchive(const frame::Text& path, bool mayReplace) {
  bool written = writeArchiveFile(path.c_str(), frame::elements(payloadArchive), mayReplace);
  if (written) session.writtenArchive = path;
  return written;
}

void extractFrom(const frame::Text& archive) {
  frame::writeInteger(ui::主窗口, ui::进度条1, frame::property::visible, 1);
  setStatus("2.开始解压..");
  payload::ZipExtractor(ui::主窗口, ui::ZIP压缩1)
      .extract(archive.c_str(), session.installDirectory.c_str());
}

void installWorker() {
  CoInitialize(nullptr);
  setStatus("1.释放压缩包..");
  frame::Text tempArchive = archiveTempPath();
  if (writeTemporaryArchive(tempArchive, true)) {
    extractFrom(tempArchive);
  } else {
    frame::Text fallback = archiveFallbackPath(session.installDirectory.c_str());
    if (writeTemporaryArchive(fallback, false)) {
      extractFrom(fallback);
    } else {
      frame::showMessage(kWriteFailed, 0);
      frame::endProgram(0);
    }
  }
  // The extraction ended without reaching 100: the window stays open and may install again.
  CoUninitialize();
  installRunning = false;
}

}  // namespace

frame::Text archiveTempPath() {
  return frame::Text::join({getSpecialFolder(kTemporaryFolder).view(), "\\tool.zip"});
}

frame::Text archiveFallbackPath(const char* installDirectory) {
  return frame::Text::join({std::string_view(installDirectory, *installDirectory ? 1 : 0), ":\\tool.zip"});
}

void onInstallButtonClicked() {
  if (installRunning) return;  // one install at a time
  frame::Text wanted = frame::Text::join({productName.view(), ".exe"});
  if (isProcessRunning(wanted.c_str())) {
    frame::Text title = frame::Text::join({productName.view(), "<没有关闭>"});
    frame::showMessage("请先关闭原来的软件再开始安装，否则无法安装！", 0, title.c_str());
    return;
  }
  frame::showMessage(kNotice, 0);
  if (installRunning.exchange(true)) return;
  session = InstallSession{
      frame::readText(ui::主窗口, ui::标签_安装目录, ui::property::caption), productName, {}};
  if (!frame::startThread(installWorker)) installRunning = false;
}

}  // namespace installer
