// AVI RIFF headers.
#pragma once

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// Rows from the header lists of an AVI file (always read from offset 0, in
// Intel order): the main AVI header, the stream formats, the software and
// date of the INFO list. ExifBase is set to the absolute position of a TIFF
// header that a stream's "strd" chunk holds after an "AVIF" tag.
void ReadAVI(Reader& f, TMakerResult& result);

}  // namespace kelvane
