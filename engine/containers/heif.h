// HEIF images (HEIC, HIF, AVIF): the header rows of the primary image and
// the positions of its Exif and XMP items, found through the `meta` box's
// `pitm`, `iinf`, `iloc` and `iprp`. The pictures themselves (HEVC, AV1)
// are not decoded.
#pragma once

#include <cstdint>
#include <string>

#include "engine/containers/icc_profile.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// Where an item's bytes lie in the file, when they lie in one run.
struct ItemSpan {
  uint64_t offset = 0;  // absolute file position
  uint64_t length = 0;  // 0: no such item
};

// The most bytes an item scattered over several runs of the file is
// gathered into memory for.
inline constexpr uint64_t kMaxGatheredItem = 16u << 20;

struct HeifItems {
  // The absolute position of the TIFF header of the Exif item (behind its
  // leading 4-byte offset field); 0 when there is none usable.
  uint64_t exif_tiff = 0;
  // An Exif item scattered over extents that do not follow each other:
  // its bytes from the TIFF header on, gathered (at most kMaxGatheredItem
  // bytes). Empty when exif_tiff gives the item, or there is none.
  std::string exif_block;
  // The XMP packet (a `mime` item of type application/rdf+xml).
  ItemSpan xmp;
  // The primary image's ICC profile (a `colr` property of type prof/rICC).
  IccPlace icc;
};

// True when the file starts with an `ftyp` box whose brands name a HEIF
// image (heic, heix, heim, heis, hevc, hevx, mif1, msf1, avif, avis).
bool IsHeif(Reader& f);
namespace bmff {
struct FileType;
}
// The same test on brands already read.
bool IsHeifType(const bmff::FileType& type);
// True when the brands name AVIF.
bool IsAvif(Reader& f);

// Fills `result` with the header rows (brands, size of the primary image,
// codec, rotation and mirroring, the number of items) and returns where
// the Exif and XMP items lie. A damaged box ends the reading where it is.
HeifItems ReadHeif(Reader& f, TMakerResult& result);

}  // namespace kelvane
