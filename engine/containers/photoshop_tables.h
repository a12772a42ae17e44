// Photoshop vocabularies: colour modes, image-resource captions and the
// formats of a thumbnail resource.
#pragma once

#include "engine/text/vocabulary.h"

namespace kelvane {

inline constexpr CodeText kPhotoshopColourModes[] = {
    {0, "ビットマップ"},
    {1, "グレースケール"},
    {2, "インデックスカラー"},
    {3, "RGB"},
    {4, "CMYK"},
    {7, "マルチチャンネル"},
    {8, "Duotone"},
    {9, "Lab"},
};

inline constexpr CodeText kPhotoshopResourceCaptions[] = {
    {1001, "Macintosh print manager print info"},
    {1005, "DisplayInfo"},
    {1007, "Name of the Alpha channels"},
    {1009, "BorderInformation"},
    {1010, "BackgroundColor"},
    {1011, "PrintFlags"},
    {1012, "Grayscale and multichannel halftoning information"},
    {1013, "Color halftoning information"},
    {1014, "Duotone halftoning information"},
    {1015, "Grayscale and multichannel transfer function"},
    {1016, "Color transfer functions"},
    {1017, "Duotone tranfer functions"},
    {1018, "Duotone image information"},
    {1021, "EPS Options"},
    {1022, "QuickMask Information"},
    {1024, "Layer state information"},
    {1025, "Working path"},
    {1026, "Layers group information"},
    {1028, "IPTC-NAA"},
    {1029, "ImageMode(RAW)"},
    {1030, "JPEG quality"},
    {1032, "Grid and Guides information"},
    {1033, "ThumbnailResource"},
    {1034, "CopyrightFlag"},
    {1035, "URL"},
    {1036, "ThumbnailResource"},
    {1037, "GlobalAngle"},
    {1038, "Color samplers resource"},
    {1039, "ICC Profile"},
    {1040, "Watermark"},
    {1041, "ICC Untagged"},
    {1042, "Effects visible"},
    {1043, "Sopt Haldtone"},
    {1044, "Document specific IDs"},
    {1045, "Unicode Alpha Names"},
    {1046, "Indexed Color Table Count"},
    {1047, "Tansparent Index"},
    {1049, "Global Altitude"},
    {1050, "Slices"},
    {1051, "Workflow URL"},
    {1052, "Jump To XPEP"},
    {1053, "Alpha Identifiers"},
    {1054, "URL List"},
    {1057, "Version Info"},
    {1058, "Exif"},
    {2999, "Name of clipping path"},
    {10000, "Print flags"},
};

// The format field of a thumbnail resource (1033, 1036).
inline constexpr CodeText kPhotoshopThumbnailFormats[] = {
    {0, "Bitmap"},
    {1, "JPEG"},
};

static_assert(IsWellFormedVocabulary(kPhotoshopColourModes));
static_assert(IsWellFormedVocabulary(kPhotoshopResourceCaptions));
static_assert(IsWellFormedVocabulary(kPhotoshopThumbnailFormats));

}  // namespace kelvane
