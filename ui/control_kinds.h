#pragma once
// The kinds of control a window description can hold, and their own property numbers.
#include "frame/window_description.h"

namespace ui {

extern const frame::ControlKind pictureBoxKind;        // 图片框
extern const frame::ControlKind labelKind;             // 标签
extern const frame::ControlKind transparentLabelKind;  // 透明标签
extern const frame::ControlKind pictureButtonKind;     // 图形按钮
extern const frame::ControlKind progressBarKind;       // 进度条
extern const frame::ControlKind timerKind;             // 时钟
extern const frame::ControlKind zipKind;               // ZIP压缩

namespace property {
constexpr int caption = 8;  // labels and transparent labels
constexpr int normalPicture = 10, hotPicture = 11, pressedPicture = 12, disabledPicture = 13;
constexpr int minimum = 11, maximum = 12, position = 13;  // progress bar
}  // namespace property

}  // namespace ui
