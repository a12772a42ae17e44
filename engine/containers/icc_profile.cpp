#include "engine/containers/icc_profile.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/containers/icc_makers.h"
#include "engine/containers/icc_tables.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace icc {

std::string SignatureText(uint32_t signature) {
  if (signature == 0) return {};
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto c = static_cast<char>((signature >> shift) & 0xFF);
    if (c < 0x20 || c > 0x7E) return "0x" + HexDigits(signature, 8);
    text.push_back(c);
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace icc

namespace {

using icc::Sig;

constexpr uint32_t kHeaderSize = 128;
constexpr uint64_t kTagEntrySize = 12;
// The most tag entries looked at, and the most of one tag's data read.
constexpr uint32_t kMaxTags = 200;
constexpr uint64_t kMaxTagData = 64 * 1024;
constexpr const char* kDamaged = "情報が破損";

uint32_t Be32(std::string_view b, size_t at) {
  if (at + 4 > b.size()) return 0;
  return LongAt(reinterpret_cast<const unsigned char*>(b.data()) + at, false);
}
uint16_t Be16(std::string_view b, size_t at) {
  if (at + 2 > b.size()) return 0;
  return WordAt(reinterpret_cast<const unsigned char*>(b.data()) + at, false);
}

// A number with up to `decimals` decimals, trailing zeros dropped.
std::string Trimmed(double v, int decimals) {
  std::string s = FormatFixed(v, decimals);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

// s15Fixed16 values carry about five decimals; a gamma is shown with two.
std::string Decimal(double v) { return Trimmed(v, 5); }
std::string Gamma(double v) { return "ガンマ " + Trimmed(v, 2); }

double S15Fixed16(std::string_view b, size_t at) {
  return static_cast<int32_t>(Be32(b, at)) / 65536.0;
}

// The s15Fixed16 numbers from `at` to the end, at most `most`, spaced.
std::string Numbers(std::string_view b, size_t at, size_t most) {
  std::string text;
  size_t n = 0;
  for (; at + 4 <= b.size() && n < most; at += 4, ++n) {
    if (!text.empty()) text += ' ';
    text += Decimal(S15Fixed16(b, at));
  }
  if (at + 4 <= b.size()) text += " …";
  return text;
}

// UTF-16BE text up to its first NUL.
std::string Utf16Be(std::string_view b) {
  std::string out;
  for (size_t i = 0; i + 1 < b.size(); i += 2) {
    uint32_t unit = Be16(b, i);
    if (unit == 0) break;
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < b.size()) {
      const uint32_t low = Be16(b, i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, unit);
  }
  return out;
}

std::string UpToNul(std::string_view b) {
  const size_t nul = b.find('\0');
  return std::string(b.substr(0, nul));
}

std::string_view Slice(std::string_view b, uint64_t at, uint64_t n) {
  if (at >= b.size()) return {};
  return b.substr(static_cast<size_t>(at), static_cast<size_t>(std::min<uint64_t>(n, b.size() - at)));
}

// A v4 multiLocalizedUnicode text: the Japanese record first, else the
// English one (US English before others), else the first.
std::optional<std::string> LocalizedText(std::string_view b) {
  const uint32_t count = Be32(b, 8);
  const uint32_t record_size = Be32(b, 12);
  if (record_size < 12) return std::nullopt;
  int best_rank = 0;
  uint64_t best_at = 0;
  for (uint64_t i = 0, at = 16; i < count && at + 12 <= b.size(); ++i, at += record_size) {
    const std::string_view lang = b.substr(static_cast<size_t>(at), 2);
    const std::string_view country = b.substr(static_cast<size_t>(at) + 2, 2);
    const int rank = lang == "ja" ? 4 : lang == "en" && country == "US" ? 3 : lang == "en" ? 2 : 1;
    if (rank > best_rank) {
      best_rank = rank;
      best_at = at;
    }
  }
  if (best_rank == 0) return std::nullopt;
  const uint32_t length = Be32(b, static_cast<size_t>(best_at) + 4);
  const uint32_t offset = Be32(b, static_cast<size_t>(best_at) + 8);
  if (uint64_t{offset} + length > b.size()) return std::nullopt;
  return Utf16Be(Slice(b, offset, length));
}

// A v2 textDescription: its ASCII text, or its Unicode text when that is
// Japanese or the ASCII one is empty.
std::optional<std::string> DescriptionText(std::string_view b) {
  const uint32_t ascii_count = Be32(b, 8);
  if (uint64_t{12} + ascii_count > b.size()) return std::nullopt;
  std::string ascii = UpToNul(Slice(b, 12, ascii_count));
  const uint64_t unicode_at = uint64_t{12} + ascii_count;
  if (unicode_at + 8 <= b.size()) {
    const std::string_view lang = Slice(b, unicode_at, 2);
    const uint64_t units = Be32(b, static_cast<size_t>(unicode_at) + 4);
    if ((lang == "ja" || ascii.empty()) && unicode_at + 8 + units * 2 <= b.size()) {
      std::string unicode = Utf16Be(Slice(b, unicode_at + 8, units * 2));
      if (!unicode.empty()) return unicode;
    }
  }
  return ascii;
}

std::optional<std::string> TextOf(std::string_view b) {
  const uint32_t type = Be32(b, 0);
  if (type == Sig("mluc")) return LocalizedText(b);
  if (type == Sig("desc")) return DescriptionText(b);
  return UpToNul(b.substr(std::min<size_t>(8, b.size())));
}

// A tone curve as a person reads it: its gamma, or the number of points.
std::optional<std::string> CurveText(std::string_view b) {
  if (b.size() < 12) return std::nullopt;
  if (Be32(b, 0) == Sig("curv")) {
    const uint32_t points = Be32(b, 8);
    if (points == 0) return std::string("ガンマ 1 (直線)");
    if (points == 1) {
      if (b.size() < 14) return std::nullopt;
      return Gamma(Be16(b, 12) / 256.0);
    }
    return "カーブ (" + std::to_string(points) + "点)";
  }
  // parametricCurve: the function type, then its parameters, gamma first.
  const uint16_t function = Be16(b, 8);
  if (b.size() < 16) return std::nullopt;
  const std::string gamma = Gamma(S15Fixed16(b, 12));
  if (function == 0) return gamma;
  return gamma + " (パラメトリック 型" + std::to_string(function) + ")";
}

std::string SignatureName(uint32_t signature, std::span<const CodeText> names) {
  const std::string text = icc::SignatureText(signature);
  if (auto name = LookupCode(names, signature)) {
    if (text.empty() || *name == text) return std::string(*name);
    return std::string(*name) + " (" + text + ")";
  }
  return text;
}

std::string DateText(std::string_view b, size_t at) {
  char text[40];
  std::snprintf(text, sizeof text, "%04u:%02u:%02u %02u:%02u:%02u", unsigned{Be16(b, at)},
                unsigned{Be16(b, at + 2)}, unsigned{Be16(b, at + 4)}, unsigned{Be16(b, at + 6)},
                unsigned{Be16(b, at + 8)}, unsigned{Be16(b, at + 10)});
  return text;
}

class ProfileRows {
 public:
  ProfileRows(Reader& f, uint64_t pos, uint64_t end, TMakerResult& out)
      : f_(f), pos_(pos), end_(end), out_(out) {}

  // Bytes [at, at + n) of the profile, when they lie inside it.
  std::optional<std::string> Bytes(uint64_t at, uint64_t n) {
    if (at > end_ || n > end_ - at) return std::nullopt;
    f_.Seek(pos_ + at);
    return ReadRaw(f_, static_cast<int64_t>(n));
  }

  void Row(std::string_view name, std::string value, bool key = false) {
    if (value.empty()) return;
    out_.Add(0, std::string(name), std::move(value), key ? kStyleKey : kStyleDetail);
  }

  void Header(std::string_view h, uint32_t declared) {
    Row("プロファイルのサイズ", std::to_string(declared) + " Bytes");
    Row("CMMの種類", SignatureName(Be32(h, 4), icc::kMakerSignatures));
    char version[24];
    std::snprintf(version, sizeof version, "%u.%u.%u", unsigned(uint8_t(h[8])),
                  unsigned(uint8_t(h[9]) >> 4), unsigned(uint8_t(h[9]) & 0x0F));
    Row("プロファイルのバージョン", version);
    Row("プロファイルのクラス", SignatureName(Be32(h, 12), icc::kProfileClasses), true);
    Row("データの色空間", SignatureName(Be32(h, 16), icc::kColourSpaces), true);
    Row("プロファイル接続空間", SignatureName(Be32(h, 20), icc::kColourSpaces));
    if (Be16(h, 24) != 0) Row("作成日時", DateText(h, 24));
    Row("プロファイルの署名", icc::SignatureText(Be32(h, 36)));
    Row("主プラットフォーム", SignatureName(Be32(h, 40), icc::kPlatforms));
    const uint32_t flags = Be32(h, 44);
    Row("フラグ", std::string((flags & 1) ? "埋め込み" : "埋め込みでない") +
                      ((flags & 2) ? ", 単独では使えない" : ", 単独で使える"));
    Row("機器の製造者", SignatureName(Be32(h, 48), icc::kMakerSignatures));
    Row("機器のモデル", icc::SignatureText(Be32(h, 52)));
    const uint32_t attributes = Be32(h, 60);
    Row("機器の属性", std::string((attributes & 1) ? "透過" : "反射") +
                          ((attributes & 2) ? ", マット" : ", 光沢") +
                          ((attributes & 4) ? ", ネガ" : ", ポジ") +
                          ((attributes & 8) ? ", 白黒" : ", カラー"));
    Row("レンダリングインテント", CodeTextOrUnknown(icc::kRenderingIntents, Be32(h, 64)));
    Row("接続空間の光源", Numbers(h.substr(68, 12), 0, 3));
    Row("プロファイルの作成者", SignatureName(Be32(h, 80), icc::kMakerSignatures));
    const std::string_view id = h.substr(84, 16);
    if (id.find_first_not_of('\0') != std::string_view::npos) Row("プロファイルID", HexBytes(id));
  }

  // One tag's rows; false when its data does not lie in the profile.
  bool Tag(uint32_t signature, uint32_t offset, uint32_t size, const char* caption, bool key) {
    auto data = Bytes(offset, std::min<uint64_t>(size, kMaxTagData));
    if (!data || size < 8 || (uint64_t{offset} + size > end_)) return false;
    const std::string_view b = *data;
    const std::string name = caption ? caption : "ICC " + icc::SignatureText(signature);
    const uint32_t type = Be32(b, 0);
    icc::TagForm form = icc::TagForm::kOther;
    for (const auto& t : icc::kTagTypes)
      if (t.type == type) form = t.form;
    switch (form) {
      case icc::TagForm::kText: {
        auto text = TextOf(b);
        if (!text) return false;
        Row(name, *text, key);
        return true;
      }
      case icc::TagForm::kXyz:
        if (b.size() < 20) return false;
        Row(name, Numbers(b, 8, 3) + (signature == Sig("lumi") ? "(cd/m²)" : ""), key);
        return true;
      case icc::TagForm::kCurve: {
        auto text = CurveText(b);
        if (!text) return false;
        Row(name, *text, key);
        return true;
      }
      case icc::TagForm::kNumbers:
        Row(name, Numbers(b, 8, 9), key);
        return true;
      case icc::TagForm::kSignature:
        if (b.size() < 12) return false;
        Row(name, SignatureName(Be32(b, 8), signature == Sig("tech") ? std::span<const CodeText>(icc::kTechnologies)
                                                                     : std::span<const CodeText>()),
            key);
        return true;
      case icc::TagForm::kDate:
        if (b.size() < 20) return false;
        Row(name, DateText(b, 8), key);
        return true;
      case icc::TagForm::kMeasurement:
        if (b.size() < 36) return false;
        Row("測定の観察者", CodeTextOrUnknown(icc::kObservers, Be32(b, 8)));
        Row("測定の裏地", Numbers(b.substr(12, 12), 0, 3));
        Row("測定の形状", CodeTextOrUnknown(icc::kGeometries, Be32(b, 24)));
        Row("測定のフレア", Decimal(Be32(b, 28) / 65536.0 * 100) + "%");
        Row("測定の光源", CodeTextOrUnknown(icc::kStandardIlluminants, Be32(b, 32)));
        return true;
      case icc::TagForm::kViewing:
        if (b.size() < 36) return false;
        Row("観察条件の光源", Numbers(b.substr(8, 12), 0, 3));
        Row("観察条件の周囲", Numbers(b.substr(20, 12), 0, 3));
        Row("観察条件の光源の種類", CodeTextOrUnknown(icc::kStandardIlluminants, Be32(b, 32)));
        return true;
      case icc::TagForm::kOther:
        Row(name, icc::SignatureText(type) + " (" + std::to_string(size) + " Bytes)", key);
        return true;
    }
    return true;
  }

 private:
  Reader& f_;
  uint64_t pos_;
  uint64_t end_;
  TMakerResult& out_;
};

}  // namespace

bool ReadIccProfile(Reader& f, uint64_t pos, uint64_t length, TMakerResult& out) {
  const uint64_t in_file = pos < f.Size() ? f.Size() - pos : 0;
  const uint64_t available = std::min({length, in_file, kMaxIccProfile});
  bool whole = true;
  auto damaged = [&] {
    out.Add(0, std::string(kIccCaption), std::string(kDamaged), kStyleKey);
    return false;
  };
  if (available < kHeaderSize) return damaged();
  f.Seek(pos);
  const std::string header = ReadRaw(f, kHeaderSize);
  const uint32_t declared = Be32(header, 0);
  // A profile ends where its header says, when that lies in the bytes held.
  uint64_t end = available;
  if (declared < kHeaderSize || declared > available) whole = false;
  else end = declared;
  ProfileRows in_profile(f, pos, end, out);
  in_profile.Header(header, declared);

  struct Entry {
    uint32_t tag, offset, size;
  };
  std::vector<Entry> entries;
  if (auto count_bytes = in_profile.Bytes(kHeaderSize, 4)) {
    const uint32_t count = Be32(*count_bytes, 0);
    const uint64_t fit = (end - kHeaderSize - 4) / kTagEntrySize;
    if (count > fit) whole = false;
    const uint64_t listed = std::min<uint64_t>({count, fit, kMaxTags});
    if (auto table = in_profile.Bytes(kHeaderSize + 4, listed * kTagEntrySize)) {
      for (uint64_t i = 0; i < listed; ++i) {
        const size_t at = static_cast<size_t>(i * kTagEntrySize);
        entries.push_back({Be32(*table, at), Be32(*table, at + 4), Be32(*table, at + 8)});
      }
    }
  } else {
    whole = false;
  }
  // The tags people read in a fixed order, then the others as they come.
  for (const icc::TagRow& row : icc::kTags) {
    for (const Entry& e : entries) {
      if (e.tag != row.tag) continue;
      if (!in_profile.Tag(e.tag, e.offset, e.size, row.caption, row.key)) whole = false;
      break;
    }
  }
  for (const Entry& e : entries) {
    if (std::any_of(std::begin(icc::kTags), std::end(icc::kTags),
                    [&](const icc::TagRow& row) { return row.tag == e.tag; }))
      continue;
    if (!in_profile.Tag(e.tag, e.offset, e.size, nullptr, false)) whole = false;
  }
  if (!whole) return damaged();
  return true;
}

}  // namespace kelvane
