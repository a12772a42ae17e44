// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/loader/flashpix.h"
#include "engine/loader/raw_headers.h"
#include "engine/loader/thumbnail.h"

namespace kelvane {

bool ReadFujiHeader(Reader&, InfoTree&, uint32_t&, uint32_t&) { return false; }
bool ReadMinoltaHeader(Reader&, InfoTree&, uint32_t&) { return false; }
void AddFlashPixRows(Reader&, uint64_t, ContentNameTable&, InfoTree&) {}
std::optional<Bitmap> ReadRgbThumbnail(Reader&, const TempData&) { return std::nullopt; }

}  // namespace kelvane
