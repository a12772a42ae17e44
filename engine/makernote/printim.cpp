// PrintIM: the print-matching settings a camera stores for printers — a
// version and a short list of 2-byte tags with 4-byte values.
#include <cstdio>
#include <iterator>
#include <string>

#include "engine/makernote/makernote.h"
#include "engine/reader/primitives.h"
#include "engine/text/vocabulary.h"

namespace kelvane {
namespace {

constexpr int32_t kRowKey = 0x960000;
// At most this many entries are shown.
constexpr uint32_t kMaxEntries = 21;

// Block layout, from the "PrintIM" signature.
constexpr uint64_t kVersionAt = 8;
constexpr int kVersionSize = 5;
constexpr uint64_t kCountAt = 14;
constexpr uint64_t kEntriesAt = 16;
constexpr uint64_t kEntrySize = 6;

// Entries whose value is a signed level in the value field's first byte.
constexpr uint16_t kContrast = 9;
constexpr uint16_t kBrightness = 10;

constexpr CodeText kTags[] = {
    {9, "コントラスト"}, {10, "明るさ"}, {11, "カラーバランス"}, {12, "彩度"}, {13, "シャープネス"},
};

static_assert(IsWellFormedVocabulary(kTags));

std::string TagCaption(uint16_t tag) {
  if (auto caption = LookupCode(kTags, tag)) return std::string(*caption);
  return "Unknown (" + HexDigits(tag, 4) + ")";
}

// Minolta writes its PrintIM block in Motorola order, except the DiMAGE X
// family, and so do the Ricoh Caplio bodies.
bool PrintIMByteOrder(bool intel, int32_t maker_code, const std::string& locator_text) {
  if (maker_code == 18) return locator_text == "DiMAGE X";
  if (maker_code == 20) return false;
  return intel;
}

}  // namespace

void ReadPrintIM(Reader& f, bool intel, uint32_t base, int64_t position, int32_t maker_code,
                 const std::string& locator_text, TMakerResult& result) {
  result.Clear();
  const int64_t start = int64_t{base} + position;
  // A position before the start of the file holds no block.
  if (start < 0) return;
  const auto block = static_cast<uint64_t>(start);
  intel = PrintIMByteOrder(intel, maker_code, locator_text);

  f.Seek(block);
  if (ReadRaw(f, 7) != "PrintIM") return;
  f.Seek(block + kVersionAt);
  result.Add(kRowKey, "バージョン", ReadRaw(f, kVersionSize));

  f.Seek(block + kCountAt);
  const uint32_t entries = ReadWord(f, intel);
  for (uint32_t i = 0; i < kMaxEntries && i < entries; ++i) {
    f.Seek(block + kEntriesAt + kEntrySize * i);
    const uint16_t tag = ReadWord(f, intel);
    std::string value;
    if (tag == kContrast || tag == kBrightness) {
      value = std::to_string(static_cast<int8_t>(ReadByte(f))) + " (-128～127)";
    } else {
      for (int b = 0; b < 4; ++b) value += HexDigits(ReadByte(f), 2) + " ";
    }
    result.Add(kRowKey + tag, TagCaption(tag), std::move(value));
  }
}

}  // namespace kelvane
