// DJI drones (code 54): an IFD with no header. The tags are those of
// ExifTool's public "DJI Tags" page: the drone's speeds (m/s), its flight
// angles and the gimbal's (degrees), all FLOAT.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

inline constexpr MakerTag kDjiTags[] = {
    {.tag = 0x0001, .name = "メーカー名"},
    {.tag = 0x0003, .name = "速度 X(m/s)"},
    {.tag = 0x0004, .name = "速度 Y(m/s)"},
    {.tag = 0x0005, .name = "速度 Z(m/s)"},
    {.tag = 0x0006, .name = "機体のピッチ角(度)"},
    {.tag = 0x0007, .name = "機体のヨー角(度)"},
    {.tag = 0x0008, .name = "機体のロール角(度)"},
    {.tag = 0x0009, .name = "ジンバルのピッチ角(度)"},
    {.tag = 0x000A, .name = "ジンバルのヨー角(度)"},
    {.tag = 0x000B, .name = "ジンバルのロール角(度)"},
};

}  // namespace kelvane::maker
