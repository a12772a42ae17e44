#include "page/map_coordinates.h"

#include <charconv>

namespace kelvane {

std::optional<int32_t> ParseInt32(std::string_view text) {
  // from_chars takes a '-' but no '+'; a '+' must be followed by a digit.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  }
  int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace kelvane
