// The GPS IFD: rows for each GPS tag, the Tokyo-datum rows, and the position
// texts the map commands use (in the result's Texts, by the names below).
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The position texts a GPS walk leaves in TMakerResult::Texts.
namespace gps_text {
inline constexpr size_t kLatitudeRef = 0;   // "N" or "S", as stored
inline constexpr size_t kLatitudeDeg = 1;   // then minutes (2) and seconds (3)
inline constexpr size_t kLatitudeMin = 2;
inline constexpr size_t kLatitudeSec = 3;
inline constexpr size_t kLongitudeRef = 4;  // "E" or "W", as stored
inline constexpr size_t kLongitudeDeg = 5;  // then minutes (6) and seconds (7)
inline constexpr size_t kLongitudeMin = 6;
inline constexpr size_t kLongitudeSec = 7;
inline constexpr size_t kLongitudeArc = 8;  // in 1/256 arc-seconds
inline constexpr size_t kLatitudeArc = 9;
}  // namespace gps_text

// `position` is the absolute position of the GPS IFD.
void ReadGPS(Reader& f, bool intel, uint32_t base, uint64_t position, TMakerResult& result);


}  // namespace kelvane
