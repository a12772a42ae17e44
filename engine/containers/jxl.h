// JPEG XL: the bare codestream (its size header) and the box form (the
// codestream in jxlc/jxlp boxes, Exif, XMP and brotli-compressed boxes).
#pragma once

#include "engine/containers/embedded_metadata.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

enum class JxlForm { kNone, kCodestream, kBoxes };

// Which form the file starts with: FF 0A, or the 12-byte signature box.
JxlForm JxlFormOf(Reader& f);

// Rows of the form, the image size from the codestream's size header, and
// of each metadata box (Exif, xml , brob and what it holds). `found` gets
// the Exif box's TIFF header (behind its 4-byte offset) or, for a
// brotli-compressed Exif box, its decompressed TIFF block; and the XMP
// packet's place. Returns false when the file is neither form.
bool ReadJxl(Reader& f, TMakerResult& result, EmbeddedMetadata& found);

}  // namespace kelvane
