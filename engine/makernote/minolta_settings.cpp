#include "engine/makernote/minolta_settings.h"

#include <algorithm>
#include <string>

#include "engine/makernote/minolta_settings_tables.h"
#include "engine/reader/primitives.h"

namespace kelvane {
namespace {

using minolta::Rule;
using minolta::Word;

// The row keys of Minolta's two settings blocks (tags 0x0001 and 0x0003).
constexpr int32_t kSettingsKeyOld = 0x120001;
constexpr int32_t kSettingsKeyNew = 0x120003;

static_assert(IsWellFormedElementTable<Rule>(minolta::kWords));

std::string NameOr(const Word& w, uint32_t v, std::string otherwise) {
  if (auto text = LookupCode(w.names, v)) return std::string(*text);
  return otherwise;
}

std::string WordValue(const Word& w, uint32_t v, uint32_t block_size) {
  const bool large = block_size >= minolta::kLargeBlock;
  const std::string less_five = std::to_string(int64_t{v} - 5);
  switch (w.rule) {
    case Rule::kNames: return NameOr(w, v, UnknownText(v));
    case Rule::kNamesOrNumber: return NameOr(w, v, std::to_string(v));
    case Rule::kNumber: return std::to_string(v);
    case Rule::kLessFive: return less_five;
    case Rule::kSmallNamesElseLessFive: return large ? less_five : NameOr(w, v, UnknownText(v));
    case Rule::kLargeNamesElseNumber:
      return large ? NameOr(w, v, std::to_string(v)) : std::to_string(v);
  }
  return {};
}

}  // namespace

void ReadMinoltaSettings(Reader& f, bool /*intel: the words are always Motorola*/,
                         uint64_t position, TMakerResult& result, uint32_t count, int32_t key) {
  if (key != kSettingsKeyOld && key != kSettingsKeyNew) return;
  // Words past the last one shown are not read.
  const uint32_t words = std::min(count / 4, minolta::kLastWord + 1);
  f.Seek(position);
  const std::string block = ReadRaw(f, int64_t{words} * 4);
  for (uint32_t i = 0; i < words; ++i) {
    const Word* w = FindElement<Rule>(minolta::kWords, i);
    if (w == nullptr) continue;
    const auto* p = reinterpret_cast<const unsigned char*>(block.data()) + 4 * size_t{i};
    const uint32_t v = LongAt(p, false);  // the settings are big-endian
    result.Add(minolta::kRowKey + static_cast<int32_t>(i), w->caption, WordValue(*w, v, count));
  }
}

}  // namespace kelvane
