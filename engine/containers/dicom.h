// DICOM data elements.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// One row per element from the absolute `start` (just after "DICM").
void ReadDICOM(Reader& f, bool intel, uint64_t start, TMakerResult& result);

}  // namespace kelvane
