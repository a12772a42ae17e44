// Toshiba's older maker note is no IFD: the IFD walker keeps it as hex text,
// two upper-case digits a byte, and its first three bytes are the settings.
#include <algorithm>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "engine/makernote/makernote.h"
#include "engine/text/encoding.h"
#include "engine/text/vocabulary.h"

namespace kelvane {
namespace {

// The hex text of a note that starts with the maker's name instead of the
// settings; such a note keeps its PrintIM block somewhere in the file.
constexpr std::string_view kNamedNote = "544F5348494241";  // "TOSHIBA"

struct ToshibaSetting {
  const char* caption;
  const char* unknown_prefix;  // before the two hex digits of an unlisted byte
  std::span<const CodeText> names;
};

constexpr CodeText kSize[] = {{0x00, "HALF"}, {0x01, "FULL"}};
constexpr CodeText kQuality[] = {
    {0x00, "[★] BASIC (1/8)"}, {0x01, "[★★] NORMAL (1/4)"}, {0x02, "[★★★] FINE (1/2)"}};
constexpr CodeText kMultiShot[] = {{0x00, "オフ"}, {0x01, "オン"}};

// Byte i of the note is setting i; its row's tag is i.
constexpr ToshibaSetting kSettings[] = {
    {"サイズ", "Unknown (", kSize},
    {"クオリティ", "Unknown(", kQuality},
    {"１６マルチ撮影", "Unknown (", kMultiShot},
};

constexpr bool SettingsAreWellFormed() {
  for (const ToshibaSetting& s : kSettings)
    if (!text::IsValidUtf8(s.caption) || !IsWellFormedVocabulary(s.names)) return false;
  return true;
}
static_assert(SettingsAreWellFormed());

// The byte a pair of upper-case hex digits stands for, or -1.
int HexByte(std::string_view digits) {
  if (digits.size() != 2) return -1;
  int v = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return -1;
    v = v * 16 + d;
  }
  return v;
}

}  // namespace

void ReadToshibaBlock(const std::string& hex_text, TMakerResult& result) {
  result.Clear();
  if (hex_text.starts_with(kNamedNote)) {
    result.PrintIMOffset = -1;
    return;
  }
  const std::string_view hex = hex_text;
  for (size_t i = 0; i < std::size(kSettings); ++i) {
    const ToshibaSetting& s = kSettings[i];
    const std::string_view digits = hex.substr(std::min(hex.size(), 2 * i), 2);
    const int byte = HexByte(digits);
    const auto text = byte < 0 ? std::nullopt : LookupCode(s.names, byte);
    std::string value = text ? std::string(*text) : s.unknown_prefix + std::string(digits) + ")";
    result.Add(static_cast<int32_t>(i), s.caption, std::move(value));
  }
}

}  // namespace kelvane
