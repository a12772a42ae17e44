// Decoders that ReadMakerNote hands whole maker-note values to. Each reads
// the value at the absolute `position` and appends its own rows.
#pragma once

#include <cstdint>
#include <string>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// Olympus' special mode (tag 0x0200): up to three LONG values, mode,
// panorama number and panorama direction. Only the Olympus key 0x10200
// gives rows.
void ReadSpecialMode(Reader& f, bool intel, uint64_t position, uint32_t count, int32_t key,
                     TMakerResult& result);

// EOS D30/D60 custom functions (Canon tag 0x000F): a length word, then one
// word per function holding its number and its setting. `camera_type` is
// the note's image-type text read so far (Canon tag 0x0006), spaces and
// all.
void ReadCanonCustomFunctions(Reader& f, bool intel, uint64_t position, uint32_t count,
                              const std::string& camera_type, TMakerResult& result);

// Picture information of the camera types "SX552" and "SX553": single bytes
// at fixed places of a block of `count` bytes. A block too short for the
// bytes they read gives no rows.
void ReadPictInfoSX552(Reader& f, uint64_t position, uint32_t count, TMakerResult& result);
void ReadPictInfoSX553(Reader& f, uint64_t position, uint32_t count, TMakerResult& result);

}  // namespace kelvane
