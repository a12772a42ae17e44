// The enumerations of the Exif tags of the last revisions of the standard
// (sensitivity kinds, composite images): the entry's first SHORT is looked
// up here; a value a table does not hold is "Unknown (n)".
#pragma once

#include "engine/text/vocabulary.h"

namespace kelvane::exif_vocab {

// 0x8830 SensitivityType: which of the sensitivity tags the camera wrote.
inline constexpr CodeText kSensitivityType[] = {
    {0, "不明"},
    {1, "標準出力感度"},
    {2, "推奨露光指数"},
    {3, "ISOスピード"},
    {4, "標準出力感度・推奨露光指数"},
    {5, "標準出力感度・ISOスピード"},
    {6, "推奨露光指数・ISOスピード"},
    {7, "標準出力感度・推奨露光指数・ISOスピード"},
};

// 0xA460 CompositeImage
inline constexpr CodeText kCompositeImage[] = {
    {0, "不明"},
    {1, "非合成画像"},
    {2, "一般合成画像"},
    {3, "撮影時合成画像"},
};

static_assert(IsWellFormedVocabulary(kSensitivityType));
static_assert(IsWellFormedVocabulary(kCompositeImage));

}  // namespace kelvane::exif_vocab
