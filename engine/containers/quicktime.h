// QuickTime movie atoms and the JPEG 2000 box lister.
#pragma once

#include <cstdint>
#include <string>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The movie header's dates and length, the user-data texts, a camera's
// "TAGS" exposure block and the position of a JPEG preview in a top-level
// "PICT" atom. Atoms are always read most significant byte first.
void ReadMovie(Reader& f, uint64_t start, TMakerResult& result);

// One row per top-level box from `start`: its type and its size.
void ListBoxes(Reader& f, bool intel, uint64_t start, TMakerResult& result);

// A length in milliseconds split into whole minutes, the remaining whole
// seconds and the remaining milliseconds.
struct DurationParts {
  uint64_t minutes;
  uint32_t seconds;
  uint32_t milliseconds;
};
DurationParts SplitDuration(uint64_t milliseconds);

// The movie header's "長さ" text for a duration in time-scale units:
// minutes, seconds and hundredths ("01:35.27(秒)"), or "--" when the time
// scale is 0.
std::string MovieLengthText(uint64_t duration, uint32_t time_scale);

}  // namespace kelvane
