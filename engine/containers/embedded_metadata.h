// What a container decoder (PNG, WebP, JPEG XL) found besides its rows: the
// Exif block it holds, for the loader's TIFF path, and where its XMP and
// its ICC profile lie.
#pragma once

#include <cstdint>
#include <string>

#include "engine/containers/icc_profile.h"

namespace kelvane {

struct EmbeddedMetadata {
  // The Exif block: a TIFF header at an absolute file position (0: none),
  // or a TIFF block decoded from the file (hex text, a compressed box),
  // which is not in the file as it is.
  uint64_t exif_tiff_pos = 0;
  std::string exif_block;
  // The XMP packet's absolute position and length (0: none). A compressed
  // packet's position is that of its compressed bytes.
  uint64_t xmp_pos = 0;
  uint64_t xmp_length = 0;
  bool xmp_compressed = false;
  // The ICC profile.
  IccPlace icc;

  bool HasExif() const { return exif_tiff_pos != 0 || !exif_block.empty(); }
};

// True when `bytes` begin with a TIFF header's byte order and magic in the
// forms the TIFF path accepts ("II*\0", "MM\0*").
inline bool StartsAsTiff(const std::string& bytes) {
  return bytes.size() >= 8 && (bytes.compare(0, 4, std::string("II*\0", 4)) == 0 ||
                               bytes.compare(0, 4, std::string("MM\0*", 4)) == 0);
}

}  // namespace kelvane
