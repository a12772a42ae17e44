// The texts of the about box.
#pragma once

#include <array>

#include "kelvane_version.h"

namespace kelvane {

inline constexpr const char* kAboutVersion = "Version " KELVANE_VERSION_SHORT;

// The multi-line label: the module's description, an empty line and four
// credit lines, each indented by two spaces.
inline constexpr std::array<const char*, 6> kAboutLines = {{
    "プロパティーシート拡張モジュール",
    "",
    "  Kelvane (C) Tarnwell",
    "  Exif, maker notes, IPTC, RAW and movie headers",
    "  This software is based in part on the work of",
    "  the Independent JPEG Group.",
}};

}  // namespace kelvane
