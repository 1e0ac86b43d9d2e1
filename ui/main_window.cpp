// The main window's description: its settings, its 25 controls in description order, and the
// table that binds control events to the installer's handlers.
#include "ui/main_window.h"

#include "installer/handlers.h"
#include "ui/art.h"
#include "frame/control.h"
#include "ui/control_kinds.h"

namespace ui {
namespace {

using frame::Border;
using frame::ControlDescription;
using frame::Cursor;
using frame::DisplayMode;
using frame::EventArgs;
using frame::EventReply;
using frame::rgb;

constexpr uint32_t kPageColour = rgb(0x1683C4);
constexpr uint32_t kLightBlue = rgb(0x75B8EE);
constexpr uint32_t kWhite = rgb(0xFFFFFF);

// Stored font records; the character set, precisions, quality and pitch are replaced when used.
constexpr LOGFONTA kUnderlinedFont = {-12, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, GB2312_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH, ""};
constexpr LOGFONTA kBoldFont = {-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, ""};

const ControlDescription kControls[] = {
    {.name = "标签_日志", .kind = &labelKind, .number = 标签_日志, .parent = 图片框1_背景,
     .left = 79, .top = 344, .width = 160, .height = 24, .visible = true,
     .backColour = kPageColour, .textColour = kWhite, .caption = ""},
    {.name = "透明标签4", .kind = &transparentLabelKind, .number = 透明标签4, .parent = 图片框1_背景,
     .left = 230, .top = 14, .width = 12, .height = 12, .visible = true, .cursor = Cursor::hand,
     .textColour = kWhite, .caption = "×"},
    {.name = "图片框1", .kind = &pictureBoxKind, .number = 图片框1, .parent = 主窗口自身,
     .left = 8, .top = 8, .width = 24, .height = 24, .visible = false,
     .displayMode = DisplayMode::stretched, .picture = &brandIconPicture},
    {.name = "进度条1", .kind = &progressBarKind, .number = 进度条1, .parent = 图片框1_背景,
     .left = 21, .top = 327, .width = 205, .height = 8, .visible = false,
     .border = Border::staticEdge, .minimum = 0, .maximum = 100, .position = 0, .smooth = true},
    {.name = "ZIP压缩1", .kind = &zipKind, .number = ZIP压缩1, .parent = 图片框_Logo,
     .left = 8, .top = 40, .width = 27, .height = 27, .visible = false},
    {.name = "时钟4", .kind = &timerKind, .number = 时钟4, .parent = 主窗口自身,
     .left = 72, .top = 32, .width = 26, .height = 26, .visible = false},
    {.name = "图形按钮3", .kind = &pictureButtonKind, .number = 图形按钮3, .parent = 图片框3_背景,
     .left = 192, .top = 288, .width = 220, .height = 80, .visible = true,
     .pictures = {&finishedPicture}},
    {.name = "图片框_Logo2", .kind = &pictureBoxKind, .number = 图片框_Logo2, .parent = 图片框3_背景,
     .left = 174, .top = 24, .width = 250, .height = 255, .visible = true,
     .displayMode = DisplayMode::topLeft, .picture = &page3LogoPicture},
    {.name = "透明标签3", .kind = &transparentLabelKind, .number = 透明标签3, .parent = 图片框3_背景,
     .left = 0, .top = 0, .width = 250, .height = 24, .visible = true, .textColour = kWhite,
     .caption = " Harbrin 5_安装完成！"},
    {.name = "图片框_进度", .kind = &pictureBoxKind, .number = 图片框_进度, .parent = 图片框_进度框,
     .left = -2, .top = 2, .width = 0, .height = 18, .visible = true, .backColour = kWhite,
     .displayMode = DisplayMode::topLeft},
    {.name = "图片框_进度框", .kind = &pictureBoxKind, .number = 图片框_进度框, .parent = 图片框2_背景,
     .left = 0, .top = 335, .width = 600, .height = 24, .visible = true, .backColour = kLightBlue,
     .border = Border::singleLine, .displayMode = DisplayMode::topLeft},
    {.name = "图形按钮10", .kind = &pictureButtonKind, .number = 图形按钮10, .parent = 图片框2_背景,
     .left = 563, .top = 0, .width = 27, .height = 22, .visible = true,
     .pictures = {&closeMarkPicture, &closeMarkHotPicture, &closeMarkPressedPicture}},
    {.name = "图片框_AD", .kind = &pictureBoxKind, .number = 图片框_AD, .parent = 图片框2_背景,
     .left = 0, .top = 23, .width = 600, .height = 300, .visible = true, .backColour = kLightBlue,
     .displayMode = DisplayMode::centred},
    {.name = "透明标签2", .kind = &transparentLabelKind, .number = 透明标签2, .parent = 图片框2_背景,
     .left = 0, .top = 0, .width = 250, .height = 24, .visible = true, .textColour = kWhite,
     .caption = " Harbrin 5_正在安装..."},
    {.name = "图形按钮1", .kind = &pictureButtonKind, .number = 图形按钮1, .parent = 图片框1_背景,
     .left = 14, .top = 255, .width = 220, .height = 80, .visible = true,
     .pictures = {&installFacePicture, &installFaceHotPicture}},
    {.name = "标签1", .kind = &labelKind, .number = 标签1, .parent = 图片框1_背景,
     .left = 7, .top = 344, .width = 56, .height = 24, .visible = true,
     .backColour = kPageColour, .textColour = kWhite, .caption = "安装目录："},
    {.name = "透明标签1", .kind = &transparentLabelKind, .number = 透明标签1, .parent = 图片框1_背景,
     .left = 7, .top = 8, .width = 68, .height = 24, .visible = true, .textColour = rgb(0xFFFF00),
     .caption = "安装程序", .font = {&kBoldFont, sizeof kBoldFont}},
    {.name = "图片框_Logo", .kind = &pictureBoxKind, .number = 图片框_Logo, .parent = 图片框1_背景,
     .left = 12, .top = 36, .width = 211, .height = 211, .visible = true,
     .displayMode = DisplayMode::stretched, .picture = &logoPicture},
    {.name = "标签_安装目录", .kind = &labelKind, .number = 标签_安装目录, .parent = 图片框1_背景,
     .left = 7, .top = 367, .width = 232, .height = 25, .visible = true, .cursor = Cursor::hand,
     .backColour = kPageColour, .textColour = kWhite, .caption = "D:\\Morvane工具12",
     .font = {&kUnderlinedFont, sizeof kUnderlinedFont}},
    {.name = "时钟3", .kind = &timerKind, .number = 时钟3, .parent = 主窗口自身,
     .left = 48, .top = 32, .width = 26, .height = 26, .visible = false},
    {.name = "时钟2", .kind = &timerKind, .number = 时钟2, .parent = 主窗口自身,
     .left = 24, .top = 32, .width = 26, .height = 26, .visible = false},
    {.name = "时钟1", .kind = &timerKind, .number = 时钟1, .parent = 主窗口自身,
     .left = 0, .top = 32, .width = 26, .height = 26, .visible = false},
    {.name = "图片框1_背景", .kind = &pictureBoxKind, .number = 图片框1_背景, .parent = 主窗口自身,
     .left = 0, .top = 0, .width = 250, .height = 400, .visible = true, .backColour = kPageColour,
     .border = Border::singleLine, .displayMode = DisplayMode::centred},
    {.name = "图片框2_背景", .kind = &pictureBoxKind, .number = 图片框2_背景, .parent = 主窗口自身,
     .left = 0, .top = 0, .width = 600, .height = 400, .visible = true, .backColour = kLightBlue,
     .border = Border::singleLine, .displayMode = DisplayMode::topLeft},
    {.name = "图片框3_背景", .kind = &pictureBoxKind, .number = 图片框3_背景, .parent = 主窗口自身,
     .left = 0, .top = 0, .width = 600, .height = 400, .visible = true, .backColour = kLightBlue,
     .border = Border::singleLine, .displayMode = DisplayMode::topLeft},
};

// Handlers that take the three mouse-event arguments (x, y, key state).
template <void (*handler)(int32_t, int32_t, int32_t)>
EventReply mouseHandler(const EventArgs& args) {
  handler(args[0], args[1], args[2]);
  return {};
}

template <void (*handler)()>
EventReply plainHandler(const EventArgs&) {
  handler();
  return {};
}

// The extraction's progress; the handler gives no reply, so the extraction never stops for it.
EventReply progressHandler(const EventArgs& args) {
  installer::onExtractionProgress(args[0]);
  return {};
}

const frame::EventBinding kEvents[] = {
    {主窗口自身, 0, plainHandler<installer::onMainWindowCreated>},
    {标签_安装目录, frame::mouse_event::leftDown, mouseHandler<installer::onInstallDirLabelPressed>},
    {图形按钮1, 0, plainHandler<installer::onInstallButtonClicked>},
    {ZIP压缩1, kProgressEvent, progressHandler},
    {透明标签4, frame::mouse_event::leftUp, mouseHandler<installer::onCloseMarkReleased>},
    {图片框1_背景, frame::mouse_event::leftDown, mouseHandler<installer::onBackgroundPressed>},
    {图形按钮10, 0, plainHandler<installer::onPage2CloseClicked>},
};

}  // namespace

const frame::WindowDescription mainWindow = {
    .number = 主窗口,
    .selfControl = 主窗口自身,
    .title = "安装程序",
    .left = 50,
    .top = 50,
    .width = 250,
    .height = 400,
    .backColour = kLightBlue,
    .visible = true,
    .controls = kControls,
    .events = kEvents,
};

}  // namespace ui
