// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/containers/crw.h"
#include "engine/containers/photoshop.h"

namespace kelvane {

void ReadPhotoshopHeader(Reader&, bool, uint64_t, TMakerResult& r) { r.Clear(); }
void ReadImageResources(Reader&, bool, uint64_t, uint32_t, bool, TMakerResult& r) { r.Clear(); }
void ReadCRW(Reader&, uint64_t, int32_t&, int32_t&, int32_t&, TMakerResult& r) { r.Clear(); }

}  // namespace kelvane
