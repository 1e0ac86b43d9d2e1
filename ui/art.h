#pragma once
// The window's pictures, as picture files embedded in the program's byte-array layout.
#include "frame/arrays.h"

extern "C" {
extern const frame::ByteArrayHeader installFacePicture;       // 220 x 80, "安装"
extern const frame::ByteArrayHeader installFaceHotPicture;    // 220 x 80, "安装", hot
extern const frame::ByteArrayHeader finishedPicture;          // 220 x 80, "完成"
extern const frame::ByteArrayHeader logoPicture;              // 424 x 534
extern const frame::ByteArrayHeader page3LogoPicture;         // 250 x 256
extern const frame::ByteArrayHeader closeMarkPicture;         // 27 x 22
extern const frame::ByteArrayHeader closeMarkHotPicture;      // 27 x 22
extern const frame::ByteArrayHeader closeMarkPressedPicture;  // 27 x 22
extern const frame::ByteArrayHeader brandIconPicture;         // icon file, 48 x 48, 32 bits
}
