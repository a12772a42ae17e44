// Canon's settings arrays (camera settings, shot information, processing).
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// `position` is the absolute position of the first 16-bit word, `count`
// the number of words; `kind` is the row key of the entry (0x80001 camera
// settings, 0x80004 shot information, 0x800A0 processing).
void ReadCanonSettings(Reader& f, bool intel, uint64_t position, int32_t kind, uint32_t count,
                       TMakerResult& result);

}  // namespace kelvane
