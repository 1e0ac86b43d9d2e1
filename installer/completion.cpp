// The extraction's progress and, at 100 percent, the completion: the finished picture, the
// desktop shortcut, the offer to start the product, the removal of the temporary archive and the
// end of the program.
#include <windows.h>

#include "frame/message_box.h"
#include "frame/program.h"
#include "frame/window.h"
#include "installer/handlers.h"
#include "installer/install_session.h"
#include "installer/launch.h"
#include "installer/shortcut.h"
#include "installer/shell_folders.h"
#include "ui/art.h"
#include "ui/control_kinds.h"
#include "ui/main_window.h"

namespace installer {

void onExtractionProgress(int32_t percent) {
  int32_t maximum = frame::readInteger(ui::主窗口, ui::进度条1, ui::property::maximum);
  frame::writeInteger(ui::主窗口, ui::进度条1, ui::property::position,
                      static_cast<int32_t>(maximum / 100.0 * percent));
  if (percent != 100) return;

  frame::writeBytes(ui::主窗口, ui::图形按钮1, ui::property::normalPicture, frame::elements(finishedPicture));
  frame::writeBytes(ui::主窗口, ui::图形按钮1, ui::property::hotPicture, frame::elements(finishedPicture));

  const frame::Text& directory = session.installDirectory;
  frame::Text shortcut = frame::Text::join({getSpecialFolder(kDesktopFolder).view(), session.productName.view()});
  frame::Text target = frame::Text::join({directory.view(), "\\", session.productName.view(), ".exe"});
  bool created = createShortcut(shortcut.c_str(), target.c_str(), directory.c_str()) == 1;
  frame::writeText(ui::主窗口, ui::标签_日志, ui::property::caption,
                   created ? "3.创建快捷方式..成功" : "3.创建快捷方式..失败");

  int answer = frame::showMessage("安装完成！\r\n点<是>将启动软件\r\n点<否>不启动,可以在桌面启动软件",
                                  MB_YESNO | MB_ICONINFORMATION, "温馨提示：");
  if (answer == 5) runProgram(target.c_str(), directory.c_str());

  frame::writeInteger(ui::主窗口, ui::进度条1, frame::property::visible, 0);
  // Only the archive this install wrote: a tool.zip of the user's at the drive root stays.
  if (!session.writtenArchive.empty()) DeleteFileA(session.writtenArchive.c_str());
  frame::endProgram(0);
}

}  // namespace installer
