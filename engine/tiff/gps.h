// The GPS IFD: rows for each GPS tag, the Tokyo-datum rows, and the position
// texts the map commands use (in the result's Texts).
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// `position` is the absolute position of the GPS IFD.
void ReadGPS(Reader& f, bool intel, uint32_t base, uint64_t position, TMakerResult& result);

}  // namespace kelvane
