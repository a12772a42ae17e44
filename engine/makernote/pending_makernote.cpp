// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/makernote/makernote.h"

namespace kelvane {

bool IsMakerNoteDecodable(int32_t) { return false; }
void ReadMakerNote(Reader&, bool, int64_t, uint64_t, int32_t, TMakerResult& r) { r.Clear(); }
void ReadToshibaBlock(const std::string&, TMakerResult& r) { r.Clear(); }
void ReadPrintIM(Reader&, bool, uint32_t, uint32_t, int32_t, const std::string&,
                 TMakerResult& r) {
  r.Clear();
}

}  // namespace kelvane
