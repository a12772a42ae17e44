#include "engine/makernote/maker_subdecoders.h"
#include "engine/makernote/maker_table.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr int32_t kPictInfoTag = -1;

constexpr uint64_t kSharpnessByte = 157;
constexpr uint64_t kContrastByte = 161;
constexpr uint64_t kSaturationByte = 170;
constexpr uint64_t kWhiteBalanceByte = 174;

// SX552: each label is followed by the byte in decimal and ")".
constexpr CodeText kContrast[] = {{50, "-5 ("}, {55, "-4 ("}, {58, "-3 ("}, {62, "-2 ("},
                               {66, "-1 ("}, {70, "±0 ("}, {74, "+1 ("}, {78, "+2 ("},
                               {82, "+3 ("}, {85, "+4 ("}, {90, "+5 ("}};
constexpr CodeText kSharpness[] = {{3, "-5 ("},  {4, "-4 ("},  {6, "-3 ("},  {7, "-2 ("},
                                {8, "-1 ("},  {10, "+1 ("}, {11, "+2 ("}, {12, "+3 ("},
                                {13, "±0 ("}, {15, "+5 ("}};
constexpr CodeText kWhiteBalance[] = {
    {10, "青色+7 ("}, {11, "青色+6 ("}, {12, "青色+5 ("}, {13, "青色+4 ("}, {14, "青色+3 ("},
    {16, "青色+2 ("}, {17, "青色+1 ("}, {18, "±0 ("},     {20, "赤色+1 ("}, {22, "赤色+2 ("},
    {24, "赤色+3 ("}, {26, "赤色+4 ("}, {29, "赤色+5 ("}, {31, "赤色+6 ("}, {33, "赤色+7 ("}};
static_assert(IsWellFormedVocabulary(kContrast) && IsWellFormedVocabulary(kSharpness) &&
              IsWellFormedVocabulary(kWhiteBalance));

uint8_t ByteAt(Reader& f, uint64_t position, uint64_t index) {
  f.Seek(position + index);
  return ReadByte(f);
}

// The label, the byte and ")"; a byte without a label gets `other`.
std::string Labelled(std::span<const CodeText> labels, uint8_t b, std::string other) {
  auto label = LookupCode(labels, b);
  if (!label) return other;
  return std::string(*label) + std::to_string(b) + ")";
}

bool Holds(uint32_t count, uint64_t index) { return uint64_t{count} > index; }

}  // namespace

void ReadPictInfoSX552(Reader& f, uint64_t position, uint32_t count, TMakerResult& result) {
  if (!Holds(count, kWhiteBalanceByte)) return;
  const uint8_t contrast = ByteAt(f, position, kContrastByte);
  result.Add(kPictInfoTag, "コントラスト",
             Labelled(kContrast, contrast, "(" + std::to_string(contrast) + ")"));
  const uint8_t sharpness = ByteAt(f, position, kSharpnessByte);
  result.Add(kPictInfoTag, "シャープネス", Labelled(kSharpness, sharpness, UnknownText(sharpness)));
  const uint8_t balance = ByteAt(f, position, kWhiteBalanceByte);
  result.Add(kPictInfoTag, "ホワイトバランス補正",
             Labelled(kWhiteBalance, balance, UnknownText(balance)));
}

// The SX553 keeps the same settings at the same places, but what its bytes
// mean is not known: they are shown as the numbers they are.
void ReadPictInfoSX553(Reader& f, uint64_t position, uint32_t count, TMakerResult& result) {
  if (!Holds(count, kWhiteBalanceByte)) return;
  result.Add(kPictInfoTag, "コントラスト", std::to_string(ByteAt(f, position, kContrastByte)));
  result.Add(kPictInfoTag, "シャープネス", std::to_string(ByteAt(f, position, kSharpnessByte)));
  result.Add(kPictInfoTag, "ホワイトバランス補正",
             std::to_string(ByteAt(f, position, kWhiteBalanceByte)));
  result.Add(kPictInfoTag, "彩度", std::to_string(ByteAt(f, position, kSaturationByte)));
}

}  // namespace kelvane
