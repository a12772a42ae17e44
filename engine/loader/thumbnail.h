// Thumbnails: the embedded JPEG's position, and the uncompressed RGB
// thumbnail of TIFF files.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/reader/reader.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane {

// A picture as rows of 24-bit RGB pixels, top row first.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3
};

// The RGB thumbnail of an IFD whose PhotometricInterpretation is 2, fitted
// into 160x160; nothing when it is larger than 200x200 or unreadable.
std::optional<Bitmap> ReadRgbThumbnail(Reader& f, const TempData& temp);

}  // namespace kelvane
