// The map application takes the position as two 32-bit integers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvane {

// A decimal integer with an optional sign that fits 32 bits; nothing for
// any other text (the empty text included).
std::optional<int32_t> ParseInt32(std::string_view text);

}  // namespace kelvane
