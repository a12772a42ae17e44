// DICOM data elements.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// One row per data element from the absolute `start` (just after "DICM")
// to the end of the file: the dictionary caption (or "gggg,eeee"), and the
// value of the text, date, time, number and tag representations. A row's
// Tag is the element number. Read errors end the walk; the rows made stay.
void ReadDICOM(Reader& f, bool intel, uint64_t start, TMakerResult& result);

}  // namespace kelvane
