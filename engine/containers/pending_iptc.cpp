// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/containers/iptc.h"

namespace kelvane {

void ReadIPTC(Reader&, bool, uint64_t, uint32_t, TMakerResult& r) { r.Clear(); }

}  // namespace kelvane
