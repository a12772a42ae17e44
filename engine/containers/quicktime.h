// QuickTime movie atoms and the JPEG 2000 box lister.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

void ReadMovie(Reader& f, uint64_t start, TMakerResult& result);
void ListBoxes(Reader& f, bool intel, uint64_t start, TMakerResult& result);

}  // namespace kelvane
