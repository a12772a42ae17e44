// Minolta's camera settings: blocks of 32-bit Motorola words.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// Decodes the block of `count` bytes at the absolute `position` for the row
// keys 0x120001 and 0x120003; adds nothing for any other key.
void ReadMinoltaSettings(Reader& f, bool intel, uint64_t position, TMakerResult& result,
                         uint32_t count, int32_t key);

}  // namespace kelvane
