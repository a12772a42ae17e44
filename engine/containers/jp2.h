// JPEG 2000 (JP2) files: the colour box of the header (`jp2h`/`colr`:
// an enumerated colour space, or an ICC profile) and the XMP packet kept
// in a `uuid` box (or, by some writers, an `xml ` box).
#pragma once

#include <cstdint>

#include "engine/containers/icc_profile.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The user type of the `uuid` box that holds an XMP packet.
inline constexpr unsigned char kXmpUuid[16] = {0xBE, 0x7A, 0xCF, 0xCB, 0x97, 0xA9, 0x42, 0xE8,
                                               0x9C, 0x71, 0x99, 0x94, 0x91, 0xE3, 0xAF, 0xAC};

struct Jp2Findings {
  IccPlace icc;
  uint64_t xmp_pos = 0;  // absolute; 0: none
  uint64_t xmp_length = 0;
};

// Appends the colour rows to `rows` and answers where the profile and the
// XMP packet lie. A damaged box ends the walk where it is.
Jp2Findings ReadJp2(Reader& f, TMakerResult& rows);

}  // namespace kelvane
