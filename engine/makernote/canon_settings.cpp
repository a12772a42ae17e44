#include "engine/makernote/canon_settings.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "engine/makernote/canon_settings_tables.h"
#include "engine/makernote/lenses_canon.h"
#include "engine/reader/primitives.h"

namespace kelvane {
namespace {

using canon::Element;
using canon::Rule;

static_assert(IsWellFormedElementTable<Rule>(canon::kCameraSettings) &&
              IsWellFormedElementTable<Rule>(canon::kShotInfo) &&
              IsWellFormedElementTable<Rule>(canon::kProcessing));

// Up to 15 significant digits, no trailing zeros, "." whatever the locale.
std::string GeneralNumber(double v) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  if (ec != std::errc()) return {};
  return std::string(buf, end);
}

std::span<const Element> ElementsOf(int32_t kind) {
  switch (kind) {
    case canon::kCameraSettingsKind: return canon::kCameraSettings;
    case canon::kShotInfoKind: return canon::kShotInfo;
    case canon::kProcessingKind: return canon::kProcessing;
    default: return {};
  }
}

int32_t RowKeyBase(int32_t kind) {
  switch (kind) {
    case canon::kCameraSettingsKind: return canon::kCameraSettingsRowKey;
    case canon::kShotInfoKind: return canon::kShotInfoRowKey;
    default: return canon::kProcessingRowKey;
  }
}

// What one call keeps between elements: the lens range from the camera
// settings and the white balance of the processing array. Both start from
// nothing at every call.
struct CallState {
  double long_focal = 0;
  double short_focal = 0;
  int64_t white_balance = 0;
};

std::optional<std::string> NamedValue(std::span<const CodeText> names, int64_t key,
                                      uint16_t v) {
  if (const CodeText* n = FindCode(names, key)) {
    if (n->text == nullptr) return std::nullopt;
    return std::string(n->text);
  }
  return UnknownText(v);
}

// Canon's exposure steps: 32 units an EV, with the thirds written as 12 and
// 20 units.
double CanonEv(uint16_t word) {
  int v = static_cast<int16_t>(word);
  const bool negative = v < 0;
  if (negative) v = -v;
  int fraction = v & 0x1F;
  double thirds = fraction;
  if (fraction == 0x0C) thirds = 32.0 / 3;
  if (fraction == 0x14) thirds = 64.0 / 3;
  const double ev = ((v - fraction) + thirds) / 32.0;
  return negative ? -ev : ev;
}

// What the camera settings record of the lens: its focal range (words 23
// and 24 in words 25's units) and its largest aperture (word 26).
maker::LensClues LensCluesOf(std::span<const uint16_t> words) {
  maker::LensClues clues;
  if (words.size() > 25) {
    const double units = words[25] != 0 ? words[25] : 1;
    clues.focal_max = words[23] / units;
    clues.focal_min = words[24] / units;
  }
  if (words.size() > 26 && words[26] != 0 && words[26] != 0xFFFF)
    clues.aperture_max = std::exp2(CanonEv(words[26]) / 2);
  return clues;
}

// The value text of one element, or nothing when the element adds no row.
std::optional<std::string> ElementValue(const Element& e, uint16_t v,
                                        std::span<const uint16_t> words, CallState& state) {
  const auto sv = static_cast<int16_t>(v);
  switch (e.rule) {
    case Rule::kNames:
      return NamedValue(e.names, v, v);
    case Rule::kSignedNames:
      return NamedValue(e.names, sv, v);
    case Rule::kLevel:
      if (v == 0) return std::string("標準");
      if (v == 0x7FFF) return std::nullopt;
      if (sv > 0) return "+" + std::to_string(sv);
      return std::to_string(sv);
    case Rule::kDecimal:
      return std::to_string(v);
    case Rule::kLongFocal:
      state.long_focal = v;
      return std::nullopt;
    case Rule::kShortFocal:
      state.short_focal = v;
      return std::nullopt;
    case Rule::kFocalLength: {
      if (v == 0) {
        return GeneralNumber(state.short_focal) + "-" + GeneralNumber(state.long_focal) +
               " Unit:" + std::to_string(v) + "(mm)";
      }
      state.short_focal /= v;
      state.long_focal /= v;
      if (state.short_focal == state.long_focal) return GeneralNumber(state.short_focal) + "(mm)";
      return GeneralNumber(state.short_focal) + "-" + GeneralNumber(state.long_focal) + "(mm)";
    }
    case Rule::kWhiteBalance:
      state.white_balance = v;
      return std::nullopt;
    case Rule::kColourTemp:
      if (state.white_balance != canon::kWhiteBalanceColourTemp) return std::nullopt;
      return std::to_string(v) + "K";
    case Rule::kLensType:
      return maker::LensText(maker::kCanonLenses, v, LensCluesOf(words));
  }
  return std::nullopt;
}

}  // namespace

void ReadCanonSettings(Reader& f, bool intel, uint64_t position, int32_t kind, uint32_t count,
                       TMakerResult& result) {
  f.Seek(position);
  // One read for the whole array; it fails before allocating when the file
  // does not hold Count words.
  const std::string raw = ReadRaw(f, int64_t{count} * 2);
  std::vector<uint16_t> words(count);
  for (uint32_t i = 0; i < count; ++i) {
    const auto a = static_cast<unsigned char>(raw[2 * size_t{i}]);
    const auto b = static_cast<unsigned char>(raw[2 * size_t{i} + 1]);
    words[i] = static_cast<uint16_t>(intel ? (b << 8 | a) : (a << 8 | b));
  }

  char name[32];
  std::snprintf(name, sizeof name, "Unknown (%04X)",
                static_cast<unsigned>(static_cast<uint32_t>(kind) - 0x80000u) & 0xFFFFu);
  std::string dump;
  dump.reserve(size_t{count} * 5);
  for (uint16_t w : words) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%.4x ", static_cast<unsigned>(w));
    dump += hex;
  }
  result.Add(kind, name, std::move(dump));

  const std::span<const Element> elements = ElementsOf(kind);
  if (elements.empty()) return;
  const int32_t key_base = RowKeyBase(kind);
  CallState state;
  for (uint32_t i = 0; i < count; ++i) {
    const Element* e = FindElement(elements, i);
    if (e == nullptr) continue;
    std::optional<std::string> value = ElementValue(*e, words[i], words, state);
    if (!value || e->caption[0] == '\0') continue;
    result.Add(key_base + static_cast<int32_t>(i), e->caption, std::move(*value));
  }
}

}  // namespace kelvane
