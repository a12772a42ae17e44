// Photoshop documents and image resources.
#pragma once

#include <cstdint>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The document header at `position`: five rows, and the image-resource
// section in LinkOffset/LinkSize.
void ReadPhotoshopHeader(Reader& f, bool intel, uint64_t position, TMakerResult& result);

// Where a resource's data lies (absolute; length 0: none).
struct ResourceData {
  uint64_t pos = 0;
  uint64_t length = 0;
};

// The image resources of `length` bytes at the absolute `start`;
// `from_segment` is set for a JPEG APP13 segment. `xmp`, when given, gets
// the place of the XMP resource (1060); `icc` that of the ICC profile (1039).
void ReadImageResources(Reader& f, bool intel, uint64_t start, uint32_t length,
                        bool from_segment, TMakerResult& result, ResourceData* xmp = nullptr,
                        ResourceData* icc = nullptr);

}  // namespace kelvane
