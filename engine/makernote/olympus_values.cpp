#include "engine/makernote/olympus_values.h"

#include "engine/makernote/lenses_olympus.h"
#include "engine/text/vocabulary.h"

namespace kelvane::maker {

namespace {

// The extenders of the public Olympus tag list
// (/work/shared/reference/tagnames/Olympus.html, "Olympus Equipment Tags",
// Extender), by make << 8 | model.
constexpr CodeText kOlympusExtenders[] = {
    {0x0000, "なし"},
    {0x0004, "Olympus Zuiko Digital EC-14 1.4x Teleconverter"},
    {0x0008, "Olympus EX-25 Extension Tube"},
    {0x0010, "Olympus Zuiko Digital EC-20 2.0x Teleconverter"},
};
static_assert(IsWellFormedVocabulary(kOlympusExtenders));

std::string Numbers(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t b : bytes) {
    if (!text.empty()) text += ' ';
    text += std::to_string(b);
  }
  return text;
}

}  // namespace

std::optional<std::string> OlympusLensText(std::span<const uint8_t> bytes, bool, uint16_t,
                                           NoteFacts& facts) {
  if (bytes.size() < 4) return Numbers(bytes);
  const uint32_t id = uint32_t{bytes[0]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
  return LensText(kOlympusLenses, id, facts.lens);
}

std::optional<std::string> OlympusExtenderText(std::span<const uint8_t> bytes, bool, uint16_t,
                                               NoteFacts&) {
  if (bytes.size() < 3) return Numbers(bytes);
  return CodeTextOrUnknown(kOlympusExtenders, int64_t{bytes[0]} << 8 | bytes[2]);
}

}  // namespace kelvane::maker
