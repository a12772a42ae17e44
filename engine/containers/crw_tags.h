// Captions of the records of a Canon CRW heap.
#pragma once

#include "engine/text/vocabulary.h"

namespace kelvane {

inline constexpr CodeText kCrwCaptions[] = {
    {0x080A, "カメラ機種"},
    {0x080B, "ファームウェア"},
    {0x080D, "ROM制御モード"},
    {0x0810, "所有者"},
    {0x0815, "イメージの種類"},
    {0x0816, "画像ファイル名"},
    {0x0817, "サムネイルファイル名"},
    {0x100A, "撮影モード"},
    {0x101C, "標準ISO感度"},
    {0x1028, "ISO感度"},
    {0x1029, "レンズ焦点距離"},
    {0x1031, "CCD画像サイズ"},
    {0x180E, "撮影日時"},
    {0x1810, "画像サイズ"},
    {0x2005, "CCDRAW実画像"},
    {0x2007, "同時記録JPEG画像"},
    {0x2008, "サムネイルJPEG画像"},
};

// Values of the shooting-mode record (0x100A).
inline constexpr CodeText kCrwShootingModes[] = {
    {0, "シングル撮影"},
    {1, "連続撮影"},
};

static_assert(IsWellFormedVocabulary(kCrwCaptions));
static_assert(IsWellFormedVocabulary(kCrwShootingModes));

}  // namespace kelvane
