// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/makernote/canon_settings.h"
#include "engine/makernote/makernote.h"
#include "engine/makernote/minolta_settings.h"

namespace kelvane {

void ReadToshibaBlock(const std::string&, TMakerResult& r) { r.Clear(); }
void ReadPrintIM(Reader&, bool, uint32_t, uint32_t, int32_t, const std::string&,
                 TMakerResult& r) {
  r.Clear();
}
void ReadCanonSettings(Reader&, bool, uint64_t, int32_t, uint32_t, TMakerResult&) {}
void ReadMinoltaSettings(Reader&, bool, uint64_t, TMakerResult&, uint32_t, int32_t) {}

}  // namespace kelvane
