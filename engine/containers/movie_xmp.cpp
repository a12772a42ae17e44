#include "engine/containers/movie_xmp.h"

#include <array>
#include <optional>

#include "engine/containers/isobmff.h"

namespace kelvane {

namespace {

using bmff::FourCC;

constexpr std::array<unsigned char, 16> kXmpUuid = {0xBE, 0x7A, 0xCF, 0xCB, 0x97, 0xA9,
                                                    0x42, 0xE8, 0x9C, 0x71, 0x99, 0x94,
                                                    0x91, 0xE3, 0xAF, 0xAC};

ItemSpan PayloadOf(const bmff::Box& box) { return {box.payload(), box.payload_size()}; }

}  // namespace

ItemSpan FindMovieXmp(Reader& f) {
  ItemSpan found;
  try {
    std::optional<bmff::Box> moov;
    bmff::ForEachBox(f, 0, f.Size(), [&](const bmff::Box& box) {
      if (box.Is(FourCC("uuid")) && box.user_type == kXmpUuid) {
        found = PayloadOf(box);
        return false;
      }
      if (box.Is(FourCC("moov")) && !moov) moov = box;
      return true;
    });
    if (found.length != 0 || !moov) return found;
    if (const auto udta = bmff::FindChild(f, *moov, FourCC("udta")))
      if (const auto xmp = bmff::FindChild(f, *udta, FourCC("XMP_"))) found = PayloadOf(*xmp);
  } catch (const ReadError&) {
    // A header cut by the end of the file: nothing more is found.
  }
  return found;
}

}  // namespace kelvane
