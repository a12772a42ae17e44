// The fixed headers of Fuji RAF and Minolta MRW files.
#pragma once

#include <cstdint>

#include "engine/loader/info_tree.h"
#include "engine/reader/reader.h"

namespace kelvane {

// Adds the RAF header rows and sets base and jpeg_origin from the embedded
// JPEG; returns false (no rows, nothing changed) on a wrong signature.
bool ReadFujiHeader(Reader& f, InfoTree& tree, uint32_t& base, uint32_t& jpeg_origin);

// Adds the MRW header rows and sets base to 48; false on a wrong signature.
bool ReadMinoltaHeader(Reader& f, InfoTree& tree, uint32_t& base);

}  // namespace kelvane
