// The rows of the XMP group: one for each property of the packet (and of
// its extension), then a row for a damaged packet or extension.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/reader/records.h"
#include "engine/xmp/extended_xmp.h"

namespace kelvane::xmp {

inline constexpr const char* kXmpCaption = "XMP情報";

struct XmpRow {
  RowStyle style = kStyleDetail;
  std::string name;
  std::string value;
};

// Reads `packet` and, when it names an extension, the extension joined from
// `chunks`. The abbreviated view keeps the key rows and the damage rows.
std::vector<XmpRow> MakeXmpRows(std::string_view packet, std::span<const ExtendedChunk> chunks,
                                bool abbreviated);

}  // namespace kelvane::xmp
