// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/reader/primitives.h"
#include "engine/tiff/gps.h"

namespace kelvane {

void ReadGPS(Reader&, bool, uint32_t, uint64_t, TMakerResult& r) { r.Clear(); }

}  // namespace kelvane
