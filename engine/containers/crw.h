// Canon CRW heaps.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

void ReadCRW(Reader& f, uint64_t header_position, int32_t& width, int32_t& height,
             int32_t& rotation, TMakerResult& result);

}  // namespace kelvane
