// Dates and times as the page shows them: "yyyy/mm/dd hh:nn:ss", the
// Japanese short date with the long time.
#pragma once

#include <cstdint>
#include <string>

namespace kelvane::text {

// Seconds between 1904-01-01 00:00 (the QuickTime epoch) and 1970-01-01.
inline constexpr int64_t kSecondsFrom1904To1970 = 2082844800;

// The moment `seconds` after 1970-01-01 00:00 (negative: before it), as
// "yyyy/mm/dd hh:nn:ss".
std::string DateTimeText(int64_t seconds_since_1970);

}  // namespace kelvane::text
