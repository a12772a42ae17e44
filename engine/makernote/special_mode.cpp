#include "engine/makernote/maker_subdecoders.h"
#include "engine/makernote/maker_table.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr int32_t kOlympusSpecialMode = 0x10200;
constexpr uint32_t kPanorama = 3;

constexpr CodeText kShootingMode[] = {{0, "通常撮影"}, {2, "連写モード"}, {3, "パノラマモード"}};
constexpr CodeText kPanoramaDirection[] = {
    {1, "左から右"}, {2, "右から左"}, {3, "下から上"}, {4, "上から下"}};
static_assert(IsWellFormedVocabulary(kShootingMode) && IsWellFormedVocabulary(kPanoramaDirection));

}  // namespace

void ReadSpecialMode(Reader& f, bool intel, uint64_t position, uint32_t count, int32_t key,
                     TMakerResult& result) {
  if (key != kOlympusSpecialMode) return;
  f.Seek(position);
  uint32_t mode = 0;
  for (uint32_t i = 0; i < count && i < 3; ++i) {
    const uint32_t v = ReadLong(f, intel);
    if (i == 0) {
      mode = v;
      result.Add(0, "撮影モード", CodeTextOrUnknown(kShootingMode, v));
    } else if (mode != kPanorama) {
      return;
    } else if (i == 1) {
      result.Add(1, "パノラマ番号", std::to_string(v));
    } else {
      result.Add(2, "パノラマ方向", CodeTextOrUnknown(kPanoramaDirection, v));
    }
  }
}

}  // namespace kelvane
