// AVI RIFF headers.
#pragma once

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// Rows from the AVI header lists; ExifBase when an Exif block is embedded.
void ReadAVI(Reader& f, TMakerResult& result);

}  // namespace kelvane
