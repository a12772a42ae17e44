// PNG: the image header (IHDR) and the chunks that carry metadata.
#pragma once

#include <string_view>

#include "engine/containers/embedded_metadata.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The 8-byte PNG signature.
inline constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

// Walks the chunks of a PNG file from its signature (at 0). `header` gets
// the image header and the other chunks' facts (size, bit depth, colour
// type, interlace, time, resolution, where Exif and XMP lie); `texts` one
// row per tEXt, zTXt and iTXt chunk (keyword, text). `found` gets the Exif
// block: an eXIf chunk's TIFF header in the file, or else the TIFF block of
// a hex "Raw profile type exif" or "APP1" text; and the XMP packet's place.
// Chunk CRCs are not checked. A chunk that runs past the end of the file
// ends the walk. Returns false when the file has no PNG signature.
bool ReadPng(Reader& f, TMakerResult& header, TMakerResult& texts, EmbeddedMetadata& found);

}  // namespace kelvane
