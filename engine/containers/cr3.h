// Canon CR3 raw files: the four TIFF blocks in Canon's `uuid` box inside
// `moov` (CMT1 IFD0, CMT2 the Exif IFD, CMT3 the Canon maker note, CMT4 the
// GPS IFD), the THMB thumbnail JPEG beside them and the PRVW preview JPEG
// in a top-level `uuid` box.
#pragma once

#include <cstdint>

#include "engine/containers/heif.h"  // ItemSpan
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

struct Cr3Parts {
  // Absolute positions of the TIFF headers of CMT1..CMT4 (0: missing).
  uint64_t ifd0 = 0, exif = 0, maker_note = 0, gps = 0;
  ItemSpan thumbnail;  // the THMB JPEG, when it lies inside its box
  ItemSpan preview;    // the PRVW JPEG
};

// Fills `result` with the file's own rows (brand, the blocks found and
// where the thumbnail and preview lie) and returns the positions.
Cr3Parts ReadCr3(Reader& f, TMakerResult& result);

}  // namespace kelvane
