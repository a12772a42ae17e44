#include "engine/containers/x3f.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "engine/reader/primitives.h"
#include "engine/text/date_text.h"

namespace kelvane {

namespace {

// How a property's value is shown.
enum class X3FValue {
  kUnchanged,
  kTime,         // seconds since 1970 in Japanese time, as a date
  kFNumber,      // "F" + value
  kMillimetres,  // value without trailing blanks + "mm"
};

struct X3FProperty {
  std::string_view name;
  std::string_view caption;
  X3FValue rule;
};

constexpr std::array<X3FProperty, 19> kProperties = {{
    {"ISO", "ISO感度", X3FValue::kUnchanged},
    {"RESOLUTION", "解像度", X3FValue::kUnchanged},
    {"WB_DESC", "ホワイトバランス", X3FValue::kUnchanged},
    {"CAMMANUF", "カメラメーカー", X3FValue::kUnchanged},
    {"CAMMODEL", "機種名", X3FValue::kUnchanged},
    {"TIME", "撮影時刻", X3FValue::kTime},
    {"CAMSERIAL", "シリアル番号", X3FValue::kUnchanged},
    {"FIRMVERS", "ファームウェア", X3FValue::kUnchanged},
    {"FOCUS", "フォーカスモード", X3FValue::kUnchanged},
    {"AFMODE", "AFモード", X3FValue::kUnchanged},
    {"SH_DESC", "シャッタースピード", X3FValue::kUnchanged},
    {"FLASH", "フラッシュ", X3FValue::kUnchanged},
    {"EXPNET", "露出補正", X3FValue::kUnchanged},
    {"DRIVE", "ドライブモード", X3FValue::kUnchanged},
    {"AEMODE", "測光モード", X3FValue::kUnchanged},
    {"AP_DESC", "絞り値", X3FValue::kFNumber},
    {"FLENGTH", "焦点距離", X3FValue::kMillimetres},
    {"LENSARANGE", "レンズ絞り範囲", X3FValue::kMillimetres},
    {"LENSFRANGE", "レンズ焦点範囲", X3FValue::kMillimetres},
}};

// The clock of the camera is taken to run nine hours ahead of UTC.
constexpr int64_t kJapanOffsetSeconds = 32400;
// No property text is read past this many characters.
constexpr int64_t kMaxPropertyChars = 32768;

// A whole number in 32 bits (an optional sign, then digits), or nothing.
std::optional<int32_t> ParseWholeNumber(std::string_view s) {
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (s.empty() || s.front() == '-') return std::nullopt;
  }
  int32_t v = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string WithoutTrailingBlanks(std::string s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 0x20) s.pop_back();
  return s;
}

// The text at character offset `offset` of the character data, at most
// `budget` characters, ending at its 0 character.
std::string ReadPropertyText(Reader& f, uint64_t chars, uint32_t offset, int64_t budget) {
  if (budget <= 0) return {};
  f.Seek(chars + 2 * uint64_t{offset});
  return ReadUnicodeLEZ(f, 2 * std::min(budget, kMaxPropertyChars));
}

}  // namespace

std::optional<X3FRow> TranslateX3FProperty(std::string_view name, std::string value) {
  auto it = std::find_if(kProperties.begin(), kProperties.end(),
                         [&](const X3FProperty& p) { return p.name == name; });
  if (it == kProperties.end()) return X3FRow{std::string(name), std::move(value)};
  std::string caption(it->caption);
  switch (it->rule) {
    case X3FValue::kUnchanged:
      return X3FRow{caption, std::move(value)};
    case X3FValue::kTime: {
      std::optional<int32_t> seconds = ParseWholeNumber(value);
      if (!seconds) return std::nullopt;
      return X3FRow{caption, text::DateTimeText(int64_t{*seconds} + kJapanOffsetSeconds)};
    }
    case X3FValue::kFNumber:
      return X3FRow{caption, "F" + value};
    case X3FValue::kMillimetres:
      return X3FRow{caption, WithoutTrailingBlanks(std::move(value)) + "mm"};
  }
  return X3FRow{caption, std::move(value)};
}

void ReadX3F(Reader& f, TMakerResult& result) {
  result.Count = 0;
  result.PrintIMOffset = 0;
  result.InnerIFD = 0;
  result.LinkOffset = 0;
  try {
    if (f.Size() < 4) return;
    f.Seek(f.Size() - 4);
    f.Seek(ReadLong(f, true));
    if (ReadRaw(f, 4) != "SECd") return;
    f.Skip(4);  // version
    const uint32_t entries = ReadLong(f, true);
    if (uint64_t{entries} * 12 > f.Remaining()) throw ReadError("X3F section directory");
    std::optional<uint32_t> properties;
    for (uint32_t i = 0; i < entries; ++i) {
      const uint32_t offset = ReadLong(f, true);
      f.Skip(4);  // length
      if (ReadRaw(f, 4) == "PROP") properties = offset;  // the last one wins
    }
    if (!properties) return;

    f.Seek(*properties);
    if (ReadRaw(f, 4) != "SECp") return;
    f.Skip(4);  // version
    const uint32_t count = ReadLong(f, true);
    f.Skip(12);  // character format, reserved, total length
    const uint64_t table = f.Position();
    const uint64_t chars = table + 8 * uint64_t{count};
    for (uint32_t i = 0; i < count && result.Count < kRowCapacity; ++i) {
      f.Seek(table + 8 * uint64_t{i});
      const uint32_t name_at = ReadLong(f, true);
      const uint32_t value_at = ReadLong(f, true);
      // The next entry's name offset, or for the last one the first bytes of
      // the character data, bounds the value.
      const uint32_t next_at = ReadLong(f, true);
      std::string name =
          ReadPropertyText(f, chars, name_at, int64_t{value_at} - int64_t{name_at} - 1);
      std::string value =
          ReadPropertyText(f, chars, value_at, int64_t{next_at} - int64_t{value_at} - 1);
      std::optional<X3FRow> row = TranslateX3FProperty(name, std::move(value));
      if (!row) return;
      AddItem(result, std::move(row->caption), std::move(row->value));
    }
  } catch (const ReadError&) {
    // A truncated file keeps the properties read before the cut.
  }
}

}  // namespace kelvane
