// The `colr` box of ISO base media files (a HEIF/AVIF image property, an
// MP4/MOV video sample entry's child): coded colour facts (`nclx`, and
// QuickTime's `nclc`) as rows, or where the ICC profile it holds lies
// (`prof`, `rICC`).
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/containers/icc_profile.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// Reads the `colr` payload of `size` bytes at the absolute `payload`. Row
// names begin with `prefix` (a track's label and a space, or nothing).
void ReadColourBox(Reader& f, uint64_t payload, uint64_t size, std::string_view prefix,
                   TMakerResult& rows, IccPlace& icc);

}  // namespace kelvane
