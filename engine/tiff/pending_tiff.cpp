// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/reader/primitives.h"
#include "engine/tiff/gps.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane {

void ReadIFD(Reader& f, bool intel, uint32_t, uint64_t offset, int32_t&, TempData& temp,
             TSubIFDResult& result) {
  result.InteropIFD = result.ExifIFD = result.NextIFD = 0;
  result.ThumbLength = result.ThumbOffset = result.GPSIFD = 0;
  result.Rotation = 0;
  result.OrientationPos = 0;
  result.Count = 0;
  temp.StripOffset = 0;
  temp.Photometric = 0;
  temp.SubIFDCount = 0;
  temp.KodakCameraInfoIFD = temp.ICCOffset = temp.ICCSize = 0;
  temp.LensMaxFocal = temp.LensMinFocal = 0;
  f.Seek(offset);
  uint16_t n;
  try {
    n = ReadWord(f, intel);
  } catch (const ReadError&) {
    result.Count = -1;
    return;
  }
  f.Seek(offset + 2 + 12ull * n);
}

void ReadGPS(Reader&, bool, uint32_t, uint64_t, TMakerResult& r) { r.Clear(); }

}  // namespace kelvane
