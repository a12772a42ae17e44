// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/loader/interop_rows.h"

namespace kelvane {

void AddInteropRows(Reader&, bool, uint32_t, uint32_t, InfoTree&) {}

}  // namespace kelvane
