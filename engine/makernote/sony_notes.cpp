#include "engine/makernote/sony_notes.h"

#include <algorithm>

#include "engine/makernote/lenses_sony_e.h"
#include "engine/makernote/sony_cipher.h"

namespace kelvane::maker {

namespace {

uint32_t Bcd(uint8_t b) { return (b >> 4) * 10u + (b & 15u); }

std::string Tenths(uint32_t v) {
  return std::to_string(v / 10) + (v % 10 ? "." + std::to_string(v % 10) : "");
}

// "0x9050" fields. The layouts and the bodies that write them: the public
// Sony tag-name page, sections "Sony Tag9050a/b/c/d Tags".
constexpr CodeText kLensMount[] = {{0, "不明"}, {1, "Aマウント"}, {2, "Eマウント"}};
constexpr CodeText kLensFormat[] = {{0, "不明"}, {1, "APS-C"}, {2, "フルサイズ"}};

constexpr RecordField k9050a[] = {
    {.offset = 50, .type = FieldType::kU32, .name = "撮影回数", .style = kStyleKey,
     .fact = Fact::kShutterCount},
    {.offset = 124, .type = FieldType::kHex, .name = "内部シリアル番号", .count = 4,
     .style = kStyleKey},
    {.offset = 261, .type = FieldType::kU8, .name = "レンズマウント", .values = kLensMount},
    {.offset = 262, .type = FieldType::kU8, .name = "レンズフォーマット", .values = kLensFormat},
    {.offset = 263, .type = FieldType::kU16, .name = "レンズ (Eマウント)", .lenses = kSonyELenses,
     .style = kStyleKey},
};
constexpr RecordField k9050b[] = {
    {.offset = 58, .type = FieldType::kU32, .name = "撮影回数", .style = kStyleKey,
     .fact = Fact::kShutterCount},
    {.offset = 136, .type = FieldType::kHex, .name = "内部シリアル番号", .count = 6,
     .style = kStyleKey},
    {.offset = 261, .type = FieldType::kU8, .name = "レンズマウント", .values = kLensMount},
    {.offset = 262, .type = FieldType::kU8, .name = "レンズフォーマット", .values = kLensFormat},
    {.offset = 263, .type = FieldType::kU16, .name = "レンズ (Eマウント)", .lenses = kSonyELenses,
     .style = kStyleKey},
};
constexpr RecordField k9050c[] = {
    {.offset = 58, .type = FieldType::kU32, .name = "撮影回数", .style = kStyleKey,
     .fact = Fact::kShutterCount},
    {.offset = 136, .type = FieldType::kHex, .name = "内部シリアル番号", .count = 6,
     .style = kStyleKey},
};
constexpr RecordField k9050d[] = {
    {.offset = 10, .type = FieldType::kU32, .name = "撮影回数 (メカシャッター)", .style = kStyleKey,
     .fact = Fact::kShutterCount},
    {.offset = 56, .type = FieldType::kHex, .name = "内部シリアル番号", .count = 6,
     .style = kStyleKey},
};
constexpr MakerRecord kSony9050a{.caption = "撮影情報 (0x9050)", .fields = k9050a,
                                 .decipher = SonyDecipherBlock};
constexpr MakerRecord kSony9050b{.caption = "撮影情報 (0x9050)", .fields = k9050b,
                                 .decipher = SonyDecipherBlock};
constexpr MakerRecord kSony9050c{.caption = "撮影情報 (0x9050)", .fields = k9050c,
                                 .decipher = SonyDecipherBlock};
constexpr MakerRecord kSony9050d{.caption = "撮影情報 (0x9050)", .fields = k9050d,
                                 .decipher = SonyDecipherBlock};

// Model numbers (0xB001) of the bodies the page names for layouts b, c
// and d; SLT, ILCA and the E-mount bodies before them write layout a.
constexpr uint32_t k9050bModels[] = {347, 350, 354, 357, 358, 360, 362, 363,
                                     371, 375, 376, 378, 379, 381};
constexpr uint32_t k9050cModels[] = {383, 384, 385};
constexpr uint32_t k9050dModels[] = {393, 394, 396, 397};
// The first SLT/NEX model number (NEX-5); older bodies hold no 0x9050.
constexpr uint32_t kFirst9050Model = 278;

bool Holds(std::span<const uint32_t> models, uint32_t id) {
  return std::find(models.begin(), models.end(), id) != models.end();
}

}  // namespace

std::optional<std::string> SonyLensSpec(std::span<const uint8_t> bytes, bool, uint16_t,
                                        NoteFacts& facts) {
  if (bytes.size() != 8) return std::nullopt;
  const uint32_t short_end = Bcd(bytes[1]) * 100 + Bcd(bytes[2]);
  const uint32_t long_end = Bcd(bytes[3]) * 100 + Bcd(bytes[4]);
  const uint32_t wide = Bcd(bytes[5]), tele = Bcd(bytes[6]);
  if (short_end == 0) return std::nullopt;  // not recorded
  std::string text = std::to_string(short_end);
  if (long_end != 0 && long_end != short_end) text += "-" + std::to_string(long_end);
  text += "mm";
  if (wide != 0) {
    text += " F" + Tenths(wide);
    if (tele != 0 && tele != wide) text += "-" + Tenths(tele);
  }
  facts.lens.focal_min = short_end;
  facts.lens.focal_max = long_end != 0 ? long_end : short_end;
  if (wide != 0) facts.lens.aperture_max = wide / 10.0;
  return text;
}

const MakerRecord* ChooseSony9050(std::span<const uint8_t>, const NoteFacts& facts) {
  const uint32_t id = facts.model_id;
  if (Holds(k9050bModels, id)) return &kSony9050b;
  if (Holds(k9050cModels, id)) return &kSony9050c;
  if (Holds(k9050dModels, id)) return &kSony9050d;
  if (id >= kFirst9050Model && id < 383) return &kSony9050a;
  return nullptr;
}

}  // namespace kelvane::maker
