// Photoshop documents and image resources.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The document header at `position`: five rows, and the image-resource
// section in LinkOffset/LinkSize.
void ReadPhotoshopHeader(Reader& f, bool intel, uint64_t position, TMakerResult& result);

// The image resources of `length` bytes at the absolute `start`;
// `from_segment` is set for a JPEG APP13 segment.
void ReadImageResources(Reader& f, bool intel, uint64_t start, uint32_t length,
                        bool from_segment, TMakerResult& result);

}  // namespace kelvane
