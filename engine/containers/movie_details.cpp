#include "engine/containers/movie_details.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/containers/colour_box.h"
#include "engine/containers/isobmff.h"
#include "engine/reader/primitives.h"
#include "engine/text/number_text.h"
#include "engine/tiff/gps.h"

namespace kelvane {

namespace {

using bmff::Box;
using bmff::FourCC;

// No row shows more of a text than this.
constexpr uint64_t kMaxText = 1024;
constexpr int kMaxTracks = 16;

// The items shown by name, whether they come as a `udta` or `ilst` atom or
// as a `keys` entry. A location goes to the GPS rows instead.
struct NamedItem {
  uint32_t atom;     // 0: none
  const char* key;   // nullptr: none
  const char* name;  // nullptr: the location
};
constexpr NamedItem kNamedItems[] = {
    {FourCC("\xA9" "mak"), "com.apple.quicktime.make", "メーカー名"},
    {FourCC("\xA9" "mod"), "com.apple.quicktime.model", "機種名"},
    {FourCC("\xA9" "swr"), "com.apple.quicktime.software", "ソフトウェア"},
    {FourCC("\xA9" "day"), "com.apple.quicktime.creationdate", "作成日時"},
    {FourCC("\xA9" "xyz"), "com.apple.quicktime.location.ISO6709", nullptr},
    {FourCC("\xA9" "too"), nullptr, "エンコーダー"},
    {FourCC("\xA9" "nam"), "com.apple.quicktime.title", "タイトル"},
    {FourCC("\xA9" "cmt"), "com.apple.quicktime.comment", "コメント"},
    {FourCC("\xA9" "ART"), "com.apple.quicktime.artist", "アーティスト"},
    {FourCC("\xA9" "alb"), "com.apple.quicktime.album", "アルバム"},
    {FourCC("\xA9" "des"), "com.apple.quicktime.description", "説明"},
    {FourCC("cprt"), "com.apple.quicktime.copyright", "著作権"},
    {FourCC("auth"), "com.apple.quicktime.author", "作者"},
    {FourCC("titl"), nullptr, "タイトル"},
    {0, "com.apple.quicktime.camera.lens_model", "レンズ"},
    {0, "com.apple.quicktime.camera.focal_length.35mm_equivalent", "焦点距離(35mm)"},
    {0, "com.android.manufacturer", "メーカー名"},
    {0, "com.android.model", "機種名"},
    {0, "com.android.version", "Androidバージョン"},
    {0, "com.android.capture.fps", "撮影フレームレート"},
};

const NamedItem* ByAtom(uint32_t atom) {
  for (const NamedItem& i : kNamedItems)
    if (i.atom != 0 && i.atom == atom) return &i;
  return nullptr;
}

const NamedItem* ByKey(std::string_view key) {
  for (const NamedItem& i : kNamedItems)
    if (i.key != nullptr && key == i.key) return &i;
  return nullptr;
}

// Mac OS Roman, 0x80 to 0xFF: the encoding of QuickTime user-data texts
// tagged with a Macintosh language code (below 0x400).
constexpr uint16_t kMacRoman[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3,
    0x00E5, 0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3,
    0x00A7, 0x2022, 0x00B6, 0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA,
    0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D,
    0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, 0x00CB, 0x00C8, 0x00CD, 0x00CE,
    0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,
};

std::string MacRomanToUtf8(std::string_view bytes) {
  std::string out;
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) out.push_back(ch);
    else AppendUtf8(out, kMacRoman[c - 0x80]);
  }
  return out;
}

std::string ReadTextOf(Reader& f, uint64_t length) {
  return ReadRaw(f, static_cast<int64_t>(std::min(length, kMaxText)));
}

// UTF-16 big-endian text (with or without its byte-order mark).
std::string ReadUtf16Text(Reader& f, uint64_t length) {
  std::string s = ReadUnicodeBE(f, static_cast<int64_t>(std::min(length, kMaxText) & ~uint64_t{1}));
  if (s.rfind("\xEF\xBB\xBF", 0) == 0) s.erase(0, 3);
  return s;
}

// A `data` box's value as text: UTF-8 and UTF-16 texts, whole numbers and
// 32-bit floats. Pictures and other data give nothing.
std::optional<std::string> DataValue(Reader& f, const Box& data) {
  if (data.payload_size() < 8) return std::nullopt;
  f.Seek(data.payload());
  const uint32_t type = ReadLong(f, false) & 0xFFFFFF;
  f.Skip(4);  // locale
  const uint64_t n = data.payload_size() - 8;
  switch (type) {
    case 1: return ReadTextOf(f, n);
    case 2: return ReadUtf16Text(f, n);
    case 21:
    case 22: {
      if (n == 0 || n > 8) return std::nullopt;
      uint64_t v = bmff::ReadSized(f, static_cast<int>(n));
      if (type == 21 && n < 8 && (v >> (8 * n - 1)) != 0) v |= ~uint64_t{0} << (8 * n);
      return type == 21 ? std::to_string(static_cast<int64_t>(v)) : std::to_string(v);
    }
    case 23: {
      if (n != 4) return std::nullopt;
      const uint32_t bits = ReadLong(f, false);
      float v;
      std::memcpy(&v, &bits, 4);
      if (!std::isfinite(v)) return std::nullopt;
      return FormatGeneral(static_cast<double>(v));
    }
    default: return std::nullopt;
  }
}

// The value of an item atom: its first `data` child, or (QuickTime user
// data) a 16-bit length, a language code and the text.
std::optional<std::string> ItemValue(Reader& f, const Box& item) {
  if (auto data = bmff::FindChild(f, item, FourCC("data"))) return DataValue(f, *data);
  if (item.payload_size() < 4) return std::nullopt;
  f.Seek(item.payload());
  const uint16_t length = ReadWord(f, false);
  const uint16_t language = ReadWord(f, false);
  if (length > item.payload_size() - 4) return std::nullopt;
  std::string text = ReadTextOf(f, length);
  return language < 0x400 ? MacRomanToUtf8(text) : text;
}

// The user-data boxes of 3GPP files (TS 26.244, clause 8: the asset
// information boxes), each a full box; the text ones hold a packed
// ISO 639-2 language code and a text.
enum class ThreeGppForm { kText, kAlbum, kYear, kClassification, kKeywords, kRating, kLocation, kDate };
struct ThreeGppBox {
  uint32_t type;
  const char* caption;
  ThreeGppForm form;
};
constexpr ThreeGppBox kThreeGppBoxes[] = {
    {FourCC("titl"), "タイトル", ThreeGppForm::kText},
    {FourCC("dscp"), "説明", ThreeGppForm::kText},
    {FourCC("cprt"), "著作権", ThreeGppForm::kText},
    {FourCC("perf"), "出演者", ThreeGppForm::kText},
    {FourCC("auth"), "作者", ThreeGppForm::kText},
    {FourCC("gnre"), "ジャンル", ThreeGppForm::kText},
    {FourCC("albm"), "アルバム", ThreeGppForm::kAlbum},
    {FourCC("yrrc"), "録画年", ThreeGppForm::kYear},
    {FourCC("clsf"), "分類", ThreeGppForm::kClassification},
    {FourCC("kywd"), "キーワード", ThreeGppForm::kKeywords},
    {FourCC("rtng"), "レーティング", ThreeGppForm::kRating},
    {FourCC("loci"), "撮影場所", ThreeGppForm::kLocation},
    // Not of 26.244, but written beside its boxes by Android phones.
    {FourCC("date"), "撮影日時", ThreeGppForm::kDate},
};

const ThreeGppBox* ThreeGppBoxOf(uint32_t type) {
  for (const ThreeGppBox& b : kThreeGppBoxes)
    if (b.type == type) return &b;
  return nullptr;
}

// The packed ISO 639-2/T code: three letters of five bits each ("und" when
// not said).
std::string LanguageText(uint16_t packed) {
  std::string code;
  for (int shift = 10; shift >= 0; shift -= 5) {
    const auto letter = static_cast<char>(((packed >> shift) & 0x1F) + 0x60);
    if (letter < 'a' || letter > 'z') return {};
    code.push_back(letter);
  }
  return code;
}

// A NUL-terminated 3GPP string at `at` within `end`: UTF-16 behind a
// byte-order mark, else UTF-8. `at` moves behind its NUL.
std::string ThreeGppString(Reader& f, uint64_t& at, uint64_t end) {
  if (at >= end) return {};
  f.Seek(at);
  const uint64_t room = std::min(end - at, kMaxText);
  const std::string bytes = ReadRaw(f, static_cast<int64_t>(room));
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
      static_cast<unsigned char>(bytes[1]) == 0xFF) {
    size_t n = 2;
    while (n + 1 < bytes.size() && (bytes[n] != 0 || bytes[n + 1] != 0)) n += 2;
    f.Seek(at);
    std::string text = ReadUtf16Text(f, n);
    at += std::min<uint64_t>(n + 2, room);
    return text;
  }
  const size_t nul = bytes.find('\0');
  at += nul == std::string::npos ? room : nul + 1;
  return bytes.substr(0, nul);
}

struct Collector;
void ReadThreeGppBox(Reader& f, const Box& box, const ThreeGppBox& kind, Collector& out);

struct Collector {
  TMakerResult& result;
  MovieDetails& details;

  void Put(const NamedItem& item, std::string value) {
    if (item.name == nullptr) {
      if (details.location.empty()) details.location = std::move(value);
      return;
    }
    Add(item.name, std::move(value));
  }

  // The same item often comes twice (udta and meta): it is shown once.
  void Add(std::string_view name, std::string value) {
    for (int32_t i = 0; i < result.Count && i < kRowCapacity; ++i) {
      const TIFDItem& row = result.Items[static_cast<size_t>(i)];
      if (row.Name == name && row.Value == value) return;
    }
    AddItem(result, std::string(name), std::move(value));
  }
};

// iTunes-style items: each atom of `ilst` names its item.
void ReadItemList(Reader& f, const Box& ilst, Collector& out) {
  bmff::ForEachBox(f, ilst.payload(), ilst.end(), [&](const Box& item) {
    if (const NamedItem* named = ByAtom(item.type))
      if (auto v = ItemValue(f, item)) out.Put(*named, std::move(*v));
    return true;
  }, 256);
}

// A `meta` box with `keys`: each `ilst` atom's type is a 1-based index
// into the keys. Keys we do not name are shown by their own name.
void ReadKeyedMeta(Reader& f, const Box& meta, Collector& out) {
  // QuickTime's meta is a plain box, ISO's a full box: both are seen.
  uint64_t skip = 0;
  if (meta.payload_size() >= 8) {
    f.Seek(meta.payload() + 4);
    if (ReadLong(f, false) == FourCC("hdlr")) skip = 0;
    else skip = 4;
  }
  const auto keys_box = bmff::FindChild(f, meta, FourCC("keys"), skip);
  const auto ilst = bmff::FindChild(f, meta, FourCC("ilst"), skip);
  if (!ilst) return;
  if (!keys_box) {
    ReadItemList(f, *ilst, out);
    return;
  }
  std::vector<std::string> keys;
  bmff::ForEachBox(f, keys_box->payload() + 8, keys_box->end(), [&](const Box& key) {
    f.Seek(key.payload());
    keys.push_back(ReadTextOf(f, std::min<uint64_t>(key.payload_size(), 255)));
    return keys.size() < 256;
  }, 256);
  bmff::ForEachBox(f, ilst->payload(), ilst->end(), [&](const Box& item) {
    if (item.type == 0 || item.type > keys.size()) return true;
    const std::string& key = keys[item.type - 1];
    auto v = ItemValue(f, item);
    if (!v) return true;
    if (const NamedItem* named = ByKey(key)) out.Put(*named, std::move(*v));
    else out.Add(key, std::move(*v));
    return true;
  }, 256);
}

// A 3GPP box's rows. A box whose fields run past its end shows the
// fields before them.
void ReadThreeGppBox(Reader& f, const Box& box, const ThreeGppBox& kind, Collector& out) {
  const uint64_t end = box.end();
  if (box.payload_size() < 4) return;
  uint64_t at = box.payload() + 4;  // behind the version and flags
  auto word = [&](int bytes) -> std::optional<uint64_t> {
    if (end - at < static_cast<uint64_t>(bytes)) return std::nullopt;
    f.Seek(at);
    at += static_cast<uint64_t>(bytes);
    return bmff::ReadSized(f, bytes);
  };
  const std::string caption = kind.caption;
  auto language_row = [&](uint16_t packed) {
    const std::string code = LanguageText(packed);
    if (!code.empty() && code != "und") out.Add(caption + "の言語", code);
  };
  switch (kind.form) {
    case ThreeGppForm::kText:
    case ThreeGppForm::kAlbum: {
      const auto language = word(2);
      if (!language) return;
      std::string text = ThreeGppString(f, at, end);
      if (kind.form == ThreeGppForm::kAlbum) {
        if (const auto track = word(1); track && *track != 0)
          text += " (トラック" + std::to_string(*track) + ")";
      }
      out.Add(caption, std::move(text));
      language_row(static_cast<uint16_t>(*language));
      return;
    }
    case ThreeGppForm::kYear:
      if (const auto year = word(2)) out.Add(caption, std::to_string(*year));
      return;
    case ThreeGppForm::kClassification:
    case ThreeGppForm::kRating: {
      const auto entity = word(4);
      const auto second = word(kind.form == ThreeGppForm::kRating ? 4 : 2);
      const auto language = word(2);
      if (!entity || !second || !language) return;
      std::string text = ThreeGppString(f, at, end);
      const std::string head =
          kind.form == ThreeGppForm::kRating
              ? bmff::TypeText(static_cast<uint32_t>(*entity)) + " " +
                    bmff::TypeText(static_cast<uint32_t>(*second))
              : bmff::TypeText(static_cast<uint32_t>(*entity)) + " " + std::to_string(*second);
      out.Add(caption, text.empty() ? head : head + ": " + text);
      language_row(static_cast<uint16_t>(*language));
      return;
    }
    case ThreeGppForm::kKeywords: {
      const auto language = word(2);
      const auto count = word(1);
      if (!language || !count) return;
      std::string list;
      for (uint64_t i = 0; i < *count; ++i) {
        const auto size = word(1);
        if (!size || end - at < *size) break;
        uint64_t keyword_at = at;
        std::string keyword = ThreeGppString(f, keyword_at, at + *size);
        at += *size;
        if (keyword.empty()) continue;
        if (!list.empty()) list += ", ";
        list += keyword;
      }
      out.Add(caption, std::move(list));
      language_row(static_cast<uint16_t>(*language));
      return;
    }
    case ThreeGppForm::kLocation: {
      const auto language = word(2);
      if (!language) return;
      const std::string name = ThreeGppString(f, at, end);
      const auto role = word(1);
      const auto longitude = word(4);
      const auto latitude = word(4);
      const auto altitude = word(4);
      if (!name.empty()) out.Add(caption, name);
      language_row(static_cast<uint16_t>(*language));
      if (!role) return;
      static constexpr const char* kRoles[] = {"撮影した場所", "写っている場所", "架空の場所"};
      out.Add(caption + "の種類", *role < 3 ? std::string(kRoles[*role]) : UnknownText(static_cast<int64_t>(*role)));
      if (!longitude || !latitude || !altitude) return;
      // 16.16 fixed-point degrees and metres; the position goes to the GPS
      // rows as an ISO 6709 text would.
      auto fixed = [](uint64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)) / 65536.0; };
      char position[96];
      std::snprintf(position, sizeof position, "%+09.5f%+010.5f%+.3f/", fixed(*latitude),
                    fixed(*longitude), fixed(*altitude));
      if (out.details.location.empty()) out.details.location = position;
      const std::string body = ThreeGppString(f, at, end);
      if (!body.empty()) out.Add("天体", body);
      const std::string notes = ThreeGppString(f, at, end);
      if (!notes.empty()) out.Add(caption + "の注記", notes);
      return;
    }
    case ThreeGppForm::kDate: {
      // A text, behind the full-box header some writers leave out.
      f.Seek(box.payload());
      const std::string head = ReadRaw(f, static_cast<int64_t>(std::min<uint64_t>(box.payload_size(), 4)));
      uint64_t from = head.size() == 4 && head[0] == '\0' ? box.payload() + 4 : box.payload();
      std::string text = ThreeGppString(f, from, end);
      while (!text.empty() && text.back() == ' ') text.pop_back();
      if (!text.empty()) out.Add(caption, std::move(text));
      return;
    }
  }
}

void ReadUserData(Reader& f, const Box& udta, Collector& out) {
  bmff::ForEachBox(f, udta.payload(), udta.end(), [&](const Box& item) {
    const NamedItem* named = ByAtom(item.type);
    const ThreeGppBox* three_gpp = ThreeGppBoxOf(item.type);
    if (item.Is(FourCC("meta"))) {
      ReadKeyedMeta(f, item, out);
    } else if (three_gpp) {
      ReadThreeGppBox(f, item, *three_gpp, out);
    } else if (named) {
      if (auto v = ItemValue(f, item)) out.Put(*named, std::move(*v));
    }
    return true;
  }, 256);
}

const char* HandlerName(uint32_t handler) {
  if (handler == FourCC("vide")) return "映像";
  if (handler == FourCC("soun")) return "音声";
  if (handler == FourCC("meta") || handler == FourCC("mdta")) return "メタデータ";
  if (handler == FourCC("text") || handler == FourCC("sbtl") || handler == FourCC("subt")) return "字幕";
  if (handler == FourCC("tmcd")) return "タイムコード";
  if (handler == FourCC("hint")) return "ヒント";
  return nullptr;
}

std::string FrameRateText(double fps) {
  return FormatFixed(fps, 2) + "fps";
}

// One track's rows: handler, codec, frame size or sample rate, frame rate.
void ReadTrack(Reader& f, const Box& trak, int number, TMakerResult& r, IccPlace& icc) {
  const auto mdia = bmff::FindChild(f, trak, FourCC("mdia"));
  if (!mdia) return;
  const std::string label = "トラック" + std::to_string(number);
  uint32_t handler = 0;
  if (const auto hdlr = bmff::FindChild(f, *mdia, FourCC("hdlr")); hdlr && hdlr->payload_size() >= 12) {
    f.Seek(hdlr->payload() + 8);
    handler = ReadLong(f, false);
    const char* name = HandlerName(handler);
    AddItem(r, label, name ? std::string(name) + " (" + bmff::TypeText(handler) + ")"
                           : bmff::TypeText(handler));
  }
  uint32_t time_scale = 0;
  if (const auto mdhd = bmff::FindChild(f, *mdia, FourCC("mdhd")); mdhd && mdhd->payload_size() >= 24) {
    const bmff::FullBoxHeader h = bmff::ReadFullBoxHeader(f, *mdhd);
    f.Skip(h.version == 1 ? 16 : 8);
    time_scale = ReadLong(f, false);
  }
  const auto minf = bmff::FindChild(f, *mdia, FourCC("minf"));
  const auto stbl = minf ? bmff::FindChild(f, *minf, FourCC("stbl")) : std::nullopt;
  if (!stbl) return;
  if (const auto stsd = bmff::FindChild(f, *stbl, FourCC("stsd")); stsd && stsd->payload_size() >= 8) {
    if (const auto entry = bmff::ReadBox(f, stsd->payload() + 8, stsd->end())) {
      AddItem(r, label + " 形式", bmff::TypeText(entry->type));
      if (handler == FourCC("vide") && entry->payload_size() >= 28) {
        f.Seek(entry->payload() + 24);
        const uint16_t width = ReadWord(f, false);
        const uint16_t height = ReadWord(f, false);
        AddItem(r, label + " サイズ", std::to_string(width) + " x " + std::to_string(height));
        // The visual sample entry's 78 bytes of fields, then its boxes.
        constexpr uint64_t kVisualFields = 78;
        if (entry->payload_size() > kVisualFields) {
          bmff::ForEachBox(f, entry->payload() + kVisualFields, entry->end(), [&](const Box& b) {
            if (b.Is(FourCC("colr")))
              ReadColourBox(f, b.payload(), b.payload_size(), label + " ", r, icc);
            return true;
          }, 64);
        }
      } else if (handler == FourCC("soun") && entry->payload_size() >= 28) {
        f.Seek(entry->payload() + 16);
        const uint16_t channels = ReadWord(f, false);
        f.Skip(6);
        const uint32_t rate = ReadLong(f, false) >> 16;
        AddItem(r, label + " 音声",
                std::to_string(rate) + "Hz " + std::to_string(channels) + "ch");
      }
    }
  }
  if (handler != FourCC("vide") || time_scale == 0) return;
  // Frames per second: the samples over their total duration.
  const auto stts = bmff::FindChild(f, *stbl, FourCC("stts"));
  if (!stts || stts->payload_size() < 8) return;
  f.Seek(stts->payload() + 4);
  const uint32_t entries = ReadLong(f, false);
  uint64_t samples = 0, ticks = 0;
  for (uint32_t i = 0; i < entries && i < 4096 && f.Position() + 8 <= stts->end(); ++i) {
    const uint32_t count = ReadLong(f, false);
    const uint32_t delta = ReadLong(f, false);
    samples += count;
    ticks += uint64_t{count} * delta;
  }
  if (samples == 0 || ticks == 0) return;
  AddItem(r, label + " フレームレート",
          FrameRateText(static_cast<double>(samples) * time_scale / static_cast<double>(ticks)));
}

// ---- ISO 6709 ----

// One signed coordinate of the text at `i`: sign, digits, an optional
// fraction. `int_digits` of 2/4/6 (latitude) or 3/5/7 (longitude) say
// whether it is degrees, DDMM or DDMMSS.
std::optional<double> Coordinate(std::string_view s, size_t& i, size_t degree_digits) {
  if (i >= s.size() || (s[i] != '+' && s[i] != '-')) return std::nullopt;
  const bool negative = s[i] == '-';
  ++i;
  const size_t start = i;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  const size_t whole = i - start;
  size_t end = i;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    end = i;
  }
  if (whole == 0 || end - start > 20) return std::nullopt;
  char buf[32];
  std::string_view digits = s.substr(start, end - start);
  std::snprintf(buf, sizeof buf, "%.*s", static_cast<int>(digits.size()), digits.data());
  const double v = std::strtod(buf, nullptr);
  double degrees;
  if (whole == degree_digits) {
    degrees = v;
  } else if (whole == degree_digits + 2) {
    const double d = std::floor(v / 100);
    degrees = d + (v - d * 100) / 60;
  } else if (whole == degree_digits + 4) {
    const double d = std::floor(v / 10000);
    const double m = std::floor((v - d * 10000) / 100);
    degrees = d + m / 60 + (v - d * 10000 - m * 100) / 3600;
  } else {
    return std::nullopt;
  }
  return negative ? -degrees : degrees;
}

// A GPS IFD (Motorola order, at 8 behind a TIFF header) for the position.
class GpsIfdBytes {
 public:
  void Ascii(uint16_t tag, std::string_view text) {
    std::string v(text);
    v.push_back('\0');
    Entry(tag, 2, static_cast<uint32_t>(v.size()), v);
  }
  void Bytes(uint16_t tag, std::string_view b) { Entry(tag, 1, static_cast<uint32_t>(b.size()), std::string(b)); }
  void Rationals(uint16_t tag, const std::vector<std::pair<uint32_t, uint32_t>>& values) {
    std::string v;
    for (auto [n, d] : values) v += U32(n) + U32(d);
    Entry(tag, 5, static_cast<uint32_t>(values.size()), v);
  }
  std::string Build() const {
    const auto count = static_cast<uint32_t>(entries_.size());
    uint32_t data_at = 8 + 2 + 12 * count + 4;
    std::string table, data;
    for (const auto& e : entries_) {
      table += U16(e.tag) + U16(e.type) + U32(e.count);
      if (e.value.size() <= 4) {
        std::string v = e.value;
        v.resize(4, '\0');
        table += v;
      } else {
        table += U32(data_at + static_cast<uint32_t>(data.size()));
        data += e.value;
      }
    }
    return std::string("MM\0*", 4) + U32(8) + U16(static_cast<uint16_t>(count)) + table + U32(0) + data;
  }

 private:
  struct E {
    uint16_t tag, type;
    uint32_t count;
    std::string value;
  };
  void Entry(uint16_t tag, uint16_t type, uint32_t count, std::string value) {
    entries_.push_back({tag, type, count, std::move(value)});
  }
  static std::string U16(uint16_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
  static std::string U32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
  }
  std::vector<E> entries_;
};

// Degrees as three rationals: degrees, minutes, seconds in thousandths.
std::vector<std::pair<uint32_t, uint32_t>> Dms(double degrees) {
  const auto thousandths = static_cast<uint64_t>(std::llround(std::fabs(degrees) * 3600000.0));
  const auto d = static_cast<uint32_t>(thousandths / 3600000);
  const auto m = static_cast<uint32_t>(thousandths / 60000 % 60);
  const auto s = static_cast<uint32_t>(thousandths % 60000);
  return {{d, 1}, {m, 1}, {s, 1000}};
}

}  // namespace

bool IsNamedUserDataItem(uint32_t atom) {
  return ByAtom(atom) != nullptr || ThreeGppBoxOf(atom) != nullptr;
}

bool ReadIso6709Gps(std::string_view text, TMakerResult& gps) {
  size_t i = 0;
  const std::optional<double> lat = Coordinate(text, i, 2);
  const std::optional<double> lon = lat ? Coordinate(text, i, 3) : std::nullopt;
  if (!lat || !lon || std::fabs(*lat) > 90 || std::fabs(*lon) > 180) return false;
  std::optional<double> altitude;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    const bool negative = text[i] == '-';
    size_t j = i + 1;
    const size_t start = j;
    while (j < text.size() && ((text[j] >= '0' && text[j] <= '9') || text[j] == '.')) ++j;
    if (j > start && j - start < 20) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.*s", static_cast<int>(j - start), text.data() + start);
      const double a = std::strtod(buf, nullptr);
      if (std::isfinite(a) && a < 1e6) altitude = negative ? -a : a;
    }
  }
  GpsIfdBytes ifd;
  ifd.Bytes(0, std::string("\x02\x02\x00\x00", 4));
  ifd.Ascii(1, *lat < 0 ? "S" : "N");
  ifd.Rationals(2, Dms(*lat));
  ifd.Ascii(3, *lon < 0 ? "W" : "E");
  ifd.Rationals(4, Dms(*lon));
  if (altitude) {
    ifd.Bytes(5, std::string(1, *altitude < 0 ? '\x01' : '\x00'));
    ifd.Rationals(6, {{static_cast<uint32_t>(std::llround(std::fabs(*altitude) * 1000)), 1000}});
  }
  ifd.Ascii(18, "WGS-84");
  MemoryReader f(ifd.Build());
  ReadGPS(f, false, 0, 8, gps);
  return true;
}

MovieDetails ReadMovieDetails(Reader& f, TMakerResult& result) {
  MovieDetails details;
  Collector out{result, details};
  try {
    const std::optional<Box> moov = bmff::FindTopLevel(f, FourCC("moov"));
    if (!moov) return details;
    int tracks = 0;
    bmff::ForEachBox(f, moov->payload(), moov->end(), [&](const Box& b) {
      if (b.Is(FourCC("udta"))) ReadUserData(f, b, out);
      else if (b.Is(FourCC("meta"))) ReadKeyedMeta(f, b, out);
      return true;
    }, 1024);
    bmff::ForEachBox(f, moov->payload(), moov->end(), [&](const Box& b) {
      if (b.Is(FourCC("trak"))) ReadTrack(f, b, ++tracks, result, details.icc);
      return tracks < kMaxTracks;
    }, 1024);
  } catch (const ReadError&) {
    // A cut file keeps the rows read before the cut.
  }
  return details;
}

}  // namespace kelvane
