#pragma once
// The installer's one window: its number, its controls' numbers and its description.
#include "frame/window_description.h"

namespace ui {

constexpr frame::WindowNumber 主窗口 = 0x52010001;
constexpr frame::ControlNumber 主窗口自身 = 0x06010000;  // the window addressed as a control

constexpr frame::ControlNumber 标签_日志 = 0x160100a0;
constexpr frame::ControlNumber 透明标签4 = 0x1601006f;
constexpr frame::ControlNumber 图片框1 = 0x1601006e;
constexpr frame::ControlNumber 进度条1 = 0x16010066;
constexpr frame::ControlNumber ZIP压缩1 = 0x1601005a;
constexpr frame::ControlNumber 时钟4 = 0x1601003f;
constexpr frame::ControlNumber 图形按钮3 = 0x1601003b;
constexpr frame::ControlNumber 图片框_Logo2 = 0x16010039;
constexpr frame::ControlNumber 透明标签3 = 0x16010038;
constexpr frame::ControlNumber 图片框_进度 = 0x16010036;
constexpr frame::ControlNumber 图片框_进度框 = 0x16010035;
constexpr frame::ControlNumber 图形按钮10 = 0x16010034;
constexpr frame::ControlNumber 图片框_AD = 0x16010033;
constexpr frame::ControlNumber 透明标签2 = 0x16010032;
constexpr frame::ControlNumber 图形按钮1 = 0x16010021;
constexpr frame::ControlNumber 标签1 = 0x1601002d;
constexpr frame::ControlNumber 透明标签1 = 0x16010028;
constexpr frame::ControlNumber 图片框_Logo = 0x16010027;
constexpr frame::ControlNumber 标签_安装目录 = 0x1601001e;
constexpr frame::ControlNumber 时钟3 = 0x16010018;
constexpr frame::ControlNumber 时钟2 = 0x1601000b;
constexpr frame::ControlNumber 时钟1 = 0x16010003;
constexpr frame::ControlNumber 图片框1_背景 = 0x1601001c;
constexpr frame::ControlNumber 图片框2_背景 = 0x16010031;
constexpr frame::ControlNumber 图片框3_背景 = 0x16010037;

// The ZIP component's progress event.
constexpr int32_t kProgressEvent = 1;

extern const frame::WindowDescription mainWindow;

}  // namespace ui
