// The interoperability IFD (Exif's 0xA005): its rows, in ExifR98情報.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"
#include "engine/tiff/directory_walk.h"

namespace kelvane {

// An interoperability IFD of more entries than this is damaged.
inline constexpr uint32_t kInteropEntryLimit = 99;

// Walks the interoperability IFD at `position` (absolute) into `result`.
// kTooManyEntries: the IFD is damaged and gives no rows; kCutShort: an
// entry or a value ran past the end of the file, after the rows read so far.
WalkEnd ReadInterop(Reader& f, bool intel, uint32_t base, uint64_t position,
                    TMakerResult& result);

}  // namespace kelvane
