// The trailer Canon's Digital Photo Professional appends to a file it
// edits ("CANON OPTIONAL DATA"): a header naming the length of its blocks,
// the blocks (each a 32-bit ID and length, then its data) and a 64-byte
// footer at the very end of the file. One block holds an XMP packet.
#pragma once

#include "engine/containers/heif.h"
#include "engine/reader/reader.h"

namespace kelvane {

// The XMP block of the trailer at the end of the file (length 0: none, or
// a trailer whose header and footer disagree).
ItemSpan FindCanonVrdXmp(Reader& f);

}  // namespace kelvane
