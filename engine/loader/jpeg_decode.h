// Decoding the embedded JPEG thumbnail into the page's picture. The loader
// only records where the JPEG lies (PageFields::ThumbPos/ThumbLen); a front
// end that shows the picture decodes it with these.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/loader/thumbnail.h"
#include "engine/reader/reader.h"

namespace kelvane {

// The picture panel: the JPEG is shown unscaled from its top-left corner and
// whatever lies beyond 160x120 is clipped.
inline constexpr int kJpegPictureWidth = 160;
inline constexpr int kJpegPictureHeight = 120;

// Decodes the top-left min(width,160) x min(height,120) pixels of a JPEG
// stream, decoding no more of it than that needs. Nothing when the data is
// not a JPEG the decoder can read; never exits or aborts.
std::optional<Bitmap> DecodeJpeg(std::string_view bytes);

// The same for the `length` bytes at the absolute `position` of the file;
// nothing when they are not all in the file.
std::optional<Bitmap> DecodeJpegThumbnail(Reader& f, uint64_t position, uint64_t length);

}  // namespace kelvane
