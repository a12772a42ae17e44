// Where a movie (MP4, MOV, 3GP) or a CR3 keeps its XMP packet: a top-level
// `uuid` box of the XMP user type, or QuickTime's `moov`/`udta`/`XMP_`.
#pragma once

#include "engine/containers/heif.h"
#include "engine/reader/reader.h"

namespace kelvane {

// The first packet found (length 0: none). A damaged box ends the search
// where it is.
ItemSpan FindMovieXmp(Reader& f);

}  // namespace kelvane
