// IPTC-NAA records.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// One row per dataset of the block at the absolute position `start`.
void ReadIPTC(Reader& f, bool intel, uint64_t start, uint32_t length, TMakerResult& result);

}  // namespace kelvane
