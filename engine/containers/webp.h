// WebP: the RIFF "WEBP" file with its VP8, VP8L or VP8X header and its
// metadata chunks.
#pragma once

#include "engine/containers/embedded_metadata.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// True when the file starts "RIFF" size "WEBP".
bool IsWebP(Reader& f);

// Rows of the image header (format, canvas size, alpha, animation, frame
// count, loop count) and of where the ICC profile, Exif and XMP lie; `found`
// gets the EXIF chunk's TIFF header (behind a leading "Exif\0\0" when there
// is one) and the XMP chunk's place. Chunks are walked inside the RIFF size
// and the file, whichever ends first. Returns false without a WebP header.
bool ReadWebP(Reader& f, TMakerResult& result, EmbeddedMetadata& found);

}  // namespace kelvane
