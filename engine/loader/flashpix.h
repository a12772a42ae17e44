// FlashPix extension segments (JPEG APP2 "FPXR").
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/loader/info_tree.h"
#include "engine/reader/reader.h"

namespace kelvane {

// The contents list names, kept for the stream segments that follow.
using ContentNameTable = std::array<std::string, 101>;

// Rows for the FPXR segment whose data starts at the absolute `position`.
void AddFlashPixRows(Reader& f, uint64_t position, ContentNameTable& names, InfoTree& tree);

}  // namespace kelvane
