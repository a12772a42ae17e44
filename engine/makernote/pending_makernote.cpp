// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/makernote/maker_dispatch.h"
#include "engine/makernote/makernote.h"
#include "engine/reader/primitives.h"

namespace kelvane {

bool IsMakerNoteDecodable(int32_t) { return false; }
void ReadMakerNote(Reader&, bool, int64_t, uint64_t, int32_t, TMakerResult& r) { r.Clear(); }

void MakerCodeFromMake(const std::string&, int32_t&) {}
void MakerCodeFromModel(const std::string&, int32_t&, TSubIFDResult&) {}
std::string LocateMakerNote(Reader&, bool, uint32_t base, uint32_t offset, uint32_t count,
                            int32_t&, TSubIFDResult&) {
  return BlockText("Unknown", count, int64_t{base} + offset);
}

}  // namespace kelvane
