// What phones and cameras write into MP4, M4V, 3GP and MOV movies beyond
// the movie header: make, model, software and creation date from `udta`
// and from the `meta` box's `keys`/`ilst` list (com.apple.quicktime.*,
// com.android.*, iTunes-style items), the location (ISO 6709), and each
// track's handler, codec, frame size and frame rate.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/containers/icc_profile.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

struct MovieDetails {
  std::string location;  // ISO 6709 text ("+35.6581+139.7414+040.000/"), as stored
  IccPlace icc;          // a video track's ICC profile (`colr` of type prof)
};

// Appends rows to `result` (the movie reader's rows stay before them) and
// returns the location text, when there is one.
MovieDetails ReadMovieDetails(Reader& f, TMakerResult& result);

// True for the user-data atoms ReadMovieDetails shows by name ("©mak",
// "©day", "©xyz", ...).
bool IsNamedUserDataItem(uint32_t atom);

// Fills `gps` with the rows, Tokyo-datum rows and position texts a photo's
// GPS IFD would give for the ISO 6709 position `text` (degrees, DDMM or
// DDMMSS forms, an optional altitude). False when `text` is no position.
bool ReadIso6709Gps(std::string_view text, TMakerResult& gps);

}  // namespace kelvane
