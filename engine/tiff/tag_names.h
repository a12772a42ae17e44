// The item names of the tags of IFD0, IFD1, the Exif IFD, sub-IFDs and Kodak
// IFDs. Tags that have a Japanese caption show only that caption.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvane {

// The name of `tag`, or nothing when the dictionary does not hold it.
// 0xC635 is named by its type: "MakerNoteSafety" as SHORT, else
// "BestQualityScale".
std::optional<std::string_view> TagName(uint16_t tag, uint16_t type);

}  // namespace kelvane
