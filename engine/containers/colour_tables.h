// Coded colour facts as video and image files store them (the `nclx` colour
// information of HEIF, AVIF and MP4, QuickTime's `nclc`): the code points of
// ITU-T H.273 (07/2021), Tables 2 (colour primaries), 3 (transfer
// characteristics) and 4 (matrix coefficients).
#pragma once

#include "engine/text/vocabulary.h"

namespace kelvane::colour {

inline constexpr CodeText kPrimaries[] = {
    {1, "BT.709"},
    {2, "未指定"},
    {4, "BT.470 System M"},
    {5, "BT.470 System B, G (BT.601 625)"},
    {6, "BT.601 525 (SMPTE 170M)"},
    {7, "SMPTE 240M"},
    {8, "フィルム (Illuminant C)"},
    {9, "BT.2020"},
    {10, "SMPTE ST 428-1 (XYZ)"},
    {11, "SMPTE RP 431-2 (DCI-P3)"},
    {12, "SMPTE EG 432-1 (Display P3)"},
    {22, "EBU Tech. 3213-E"},
};

inline constexpr CodeText kTransfers[] = {
    {1, "BT.709"},
    {2, "未指定"},
    {4, "BT.470 System M (ガンマ 2.2)"},
    {5, "BT.470 System B, G (ガンマ 2.8)"},
    {6, "BT.601"},
    {7, "SMPTE 240M"},
    {8, "リニア"},
    {9, "対数 (100:1)"},
    {10, "対数 (316.22777:1)"},
    {11, "IEC 61966-2-4 (xvYCC)"},
    {12, "BT.1361"},
    {13, "sRGB (IEC 61966-2-1)"},
    {14, "BT.2020 (10ビット)"},
    {15, "BT.2020 (12ビット)"},
    {16, "PQ (SMPTE ST 2084)"},
    {17, "SMPTE ST 428-1"},
    {18, "HLG (ARIB STD-B67)"},
};

inline constexpr CodeText kMatrices[] = {
    {0, "なし (RGB)"},
    {1, "BT.709"},
    {2, "未指定"},
    {4, "FCC"},
    {5, "BT.470 System B, G (BT.601 625)"},
    {6, "BT.601 525 (SMPTE 170M)"},
    {7, "SMPTE 240M"},
    {8, "YCgCo"},
    {9, "BT.2020 (非定輝度)"},
    {10, "BT.2020 (定輝度)"},
    {11, "SMPTE ST 2085"},
    {12, "色度から導出 (非定輝度)"},
    {13, "色度から導出 (定輝度)"},
    {14, "ICtCp"},
};

static_assert(IsWellFormedVocabulary(kPrimaries));
static_assert(IsWellFormedVocabulary(kTransfers));
static_assert(IsWellFormedVocabulary(kMatrices));

// The transfer characteristics of high-dynamic-range pictures.
inline constexpr int64_t kTransferPq = 16;
inline constexpr int64_t kTransferHlg = 18;

}  // namespace kelvane::colour
