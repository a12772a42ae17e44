#include "engine/makernote/canon_serial.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/reader/primitives.h"

namespace kelvane::canon {

namespace {

constexpr uint16_t kModelIdTag = 0x0010;
constexpr uint16_t kTypeLong = 4;
// A Canon note's table is far smaller; a count beyond it is no table.
constexpr uint16_t kMaxEntries = 500;

// The EOS bodies of 2001-2003 whose IDs stand among the later ones'.
constexpr uint32_t kEarlyEosIds[] = {0x80000001, 0x80000167, 0x80000168, 0x80000170};
constexpr uint32_t kFirstLaterPowerShotId = 0x02000000;

bool WritesOldForm(std::optional<uint32_t> model_id) {
  if (!model_id) return true;
  if (*model_id < kFirstLaterPowerShotId) return true;
  return std::find(std::begin(kEarlyEosIds), std::end(kEarlyEosIds), *model_id) !=
         std::end(kEarlyEosIds);
}

}  // namespace

std::optional<uint32_t> FindModelId(Reader& f, bool intel, uint64_t directory) {
  if (directory > f.Size() || f.Size() - directory < 2) return std::nullopt;
  f.Seek(directory);
  const uint16_t n = ReadWord(f, intel);
  if (n > kMaxEntries || f.Remaining() < 12 * uint64_t{n}) return std::nullopt;
  const std::string table = ReadRaw(f, 12 * int64_t{n});
  const auto* bytes = reinterpret_cast<const unsigned char*>(table.data());
  for (uint16_t i = 0; i < n; ++i) {
    const unsigned char* entry = bytes + 12 * size_t{i};
    if (WordAt(entry, intel) != kModelIdTag) continue;
    if (WordAt(entry + 2, intel) != kTypeLong || LongAt(entry + 4, intel) != 1) return std::nullopt;
    return LongAt(entry + 8, intel);
  }
  return std::nullopt;
}

std::string SerialText(uint32_t value, std::optional<uint32_t> model_id) {
  char text[24];
  if (WritesOldForm(model_id)) {
    std::snprintf(text, sizeof text, "%04X-%05u", value >> 16, value & 0xFFFFu);
  } else {
    std::snprintf(text, sizeof text, "%010u", value);
  }
  return text;
}

}  // namespace kelvane::canon
