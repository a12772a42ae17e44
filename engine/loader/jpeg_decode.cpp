#include "engine/loader/jpeg_decode.h"

namespace kelvane {

std::optional<Bitmap> DecodeJpegThumbnail(Reader& f, uint64_t position, uint64_t length) {
  if (length == 0 || position > f.Size() || length > f.Size() - position) return std::nullopt;
  try {
    f.Seek(position);
    const std::string bytes = f.ReadString(length);
    return DecodeJpeg(bytes);
  } catch (...) {
    // A read or allocation failure leaves the picture empty.
    return std::nullopt;
  }
}

}  // namespace kelvane
