// The kinds of file the loader knows by their first bytes, whatever their
// name: PNG, WebP, JPEG XL, and TIFF headers (raw files of today's cameras
// included: Panasonic's "IIU\0", Olympus' "IIRO", "IIRS" and "MMOR").
#pragma once

#include "engine/reader/reader.h"

namespace kelvane {

enum class SignatureKind { kNone, kPng, kWebP, kJxl, kTiff };

// Reads at most the first 12 bytes (a shorter file is none of them).
SignatureKind RecognizeSignature(Reader& f);

}  // namespace kelvane
