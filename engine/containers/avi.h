// AVI RIFF headers.
#pragma once

#include "engine/containers/embedded_metadata.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// Rows from the header lists of an AVI file (always read from offset 0, in
// Intel order): the main AVI header, the stream formats, the software and
// date of the INFO list. ExifBase is set to the absolute position of a TIFF
// header that a stream's "strd" chunk holds after an "AVIF" tag. `found`,
// when given, gets the place of the XMP packet (a top-level "_PMX" chunk).
void ReadAVI(Reader& f, TMakerResult& result, EmbeddedMetadata* found = nullptr);

}  // namespace kelvane
