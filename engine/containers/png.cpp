#include "engine/containers/png.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>

#include "engine/containers/decompress.h"
#include "engine/containers/raw_profile.h"
#include "engine/reader/primitives.h"
#include "engine/text/vocabulary.h"

namespace kelvane {

namespace {

// A chunk's length may not exceed 2^31 - 1.
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;
// Chunks looked at; image data comes in many chunks, metadata may follow it.
constexpr int kMaxChunks = 100000;
// The most of a text shown in its row, and of a compressed text inflated
// for it.
constexpr size_t kTextRowCap = 32 * 1024;
// A keyword is 1 to 79 bytes.
constexpr size_t kMaxKeyword = 79;

constexpr CodeText kColourTypes[] = {
    {0, "グレースケール"},          {2, "RGB"},
    {3, "インデックスカラー"},      {4, "グレースケール+アルファ"},
    {6, "RGB+アルファ"},
};
constexpr CodeText kInterlace[] = {{0, "なし"}, {1, "Adam7"}};
constexpr CodeText kPhysicalUnit[] = {{0, "不明"}, {1, "メートル"}};
constexpr CodeText kRenderingIntent[] = {
    {0, "知覚的"}, {1, "相対的な色域を維持"}, {2, "彩度"}, {3, "絶対的な色域を維持"}};
static_assert(IsWellFormedVocabulary(kColourTypes) && IsWellFormedVocabulary(kInterlace) &&
              IsWellFormedVocabulary(kPhysicalUnit) && IsWellFormedVocabulary(kRenderingIntent));

// Latin-1 (tEXt, zTXt, keywords) as UTF-8.
std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string Capped(std::string text, bool more) {
  if (text.size() > kTextRowCap) {
    text.resize(kTextRowCap);
    more = true;
  }
  if (more) text += "...";
  return text;
}

std::string Number(uint32_t v) { return std::to_string(v); }

std::string PlaceText(uint64_t position, uint64_t length) {
  return "Offset:" + std::to_string(position) + " (" + std::to_string(length) + "byte)";
}

struct Chunk {
  uint64_t data_pos = 0;
  uint32_t length = 0;
  std::string type;
};

class PngWalk {
 public:
  PngWalk(Reader& f, TMakerResult& header, TMakerResult& texts, EmbeddedMetadata& found)
      : f_(f), header_(header), texts_(texts), found_(found) {}

  void Walk() {
    uint64_t pos = kPngSignature.size();
    for (int n = 0; n < kMaxChunks; ++n) {
      f_.Seek(pos);
      if (f_.Remaining() < 8) return;
      Chunk c;
      c.length = ReadBigEndian(f_, 4);
      c.type = ReadRaw(f_, 4);
      c.data_pos = pos + 8;
      // A length past the limit or the file's end: nothing further can be
      // trusted. The CRC after the data is stepped over, never checked.
      if (c.length > kMaxChunkLength || c.length > f_.Remaining()) return;
      if (c.type == "IEND") return;
      OnChunk(c);
      pos = c.data_pos + c.length + 4;
    }
  }

 private:
  void OnChunk(const Chunk& c) {
    if (c.type == "IHDR") Header(c);
    else if (c.type == "tEXt") Text(c);
    else if (c.type == "zTXt") CompressedText(c);
    else if (c.type == "iTXt") InternationalText(c);
    else if (c.type == "eXIf") Exif(c);
    else if (c.type == "tIME") Time(c);
    else if (c.type == "pHYs") Physical(c);
    else if (c.type == "gAMA") Gamma(c);
    else if (c.type == "sRGB") Srgb(c);
    else if (c.type == "iCCP") IccProfile(c);
    else if (c.type == "acTL") Animation(c);
  }

  void Header(const Chunk& c) {
    if (c.length < 13 || seen_header_) return;
    seen_header_ = true;
    f_.Seek(c.data_pos);
    AddItem(header_, "画像の幅", Number(ReadBigEndian(f_, 4)));
    AddItem(header_, "画像の高さ", Number(ReadBigEndian(f_, 4)));
    AddItem(header_, "画素のビットの深さ", Number(ReadByte(f_)));
    AddItem(header_, "カラータイプ", CodeTextOrUnknown(kColourTypes, ReadByte(f_)));
    const uint8_t compression = ReadByte(f_);
    AddItem(header_, "圧縮の種類", compression == 0 ? std::string("Deflate") : UnknownText(compression));
    const uint8_t filter = ReadByte(f_);
    AddItem(header_, "フィルタ方式", filter == 0 ? std::string("適応フィルタ") : UnknownText(filter));
    AddItem(header_, "インターレース", CodeTextOrUnknown(kInterlace, ReadByte(f_)));
  }

  void Time(const Chunk& c) {
    if (c.length < 7) return;
    f_.Seek(c.data_pos);
    const uint32_t year = ReadBigEndian(f_, 2);
    char text[32];
    const uint8_t month = ReadByte(f_), day = ReadByte(f_), hour = ReadByte(f_),
                  minute = ReadByte(f_), second = ReadByte(f_);
    std::snprintf(text, sizeof text, "%04u:%02u:%02u %02u:%02u:%02u", year, unsigned{month},
                  unsigned{day}, unsigned{hour}, unsigned{minute}, unsigned{second});
    AddItem(header_, "変更日時", std::string(text));
  }

  void Physical(const Chunk& c) {
    if (c.length < 9) return;
    f_.Seek(c.data_pos);
    AddItem(header_, "幅の解像度", Number(ReadBigEndian(f_, 4)));
    AddItem(header_, "高さの解像度", Number(ReadBigEndian(f_, 4)));
    AddItem(header_, "解像度単位", CodeTextOrUnknown(kPhysicalUnit, ReadByte(f_)));
  }

  void Gamma(const Chunk& c) {
    if (c.length < 4) return;
    f_.Seek(c.data_pos);
    const uint32_t g = ReadBigEndian(f_, 4);
    char text[32];
    std::snprintf(text, sizeof text, "%u.%05u", g / 100000, g % 100000);
    AddItem(header_, "ガンマ", std::string(text));
  }

  void Srgb(const Chunk& c) {
    if (c.length < 1) return;
    f_.Seek(c.data_pos);
    AddItem(header_, "sRGB", CodeTextOrUnknown(kRenderingIntent, ReadByte(f_)));
  }

  void IccProfile(const Chunk& c) {
    f_.Seek(c.data_pos);
    const std::string raw_name = ReadTextZ(f_, std::min<uint32_t>(c.length, kMaxKeyword + 1));
    const std::string name = Latin1ToUtf8(raw_name);
    AddItem(header_, "ICCProfile", name + " " + PlaceText(c.data_pos, c.length));
    // Behind the name's NUL: the compression method (0, zlib) and the stream.
    const uint64_t stream = uint64_t{raw_name.size()} + 2;
    if (stream < c.length)
      found_.icc.Note(c.data_pos + stream, c.length - stream, IccPlace::Coding::kZlib);
  }

  void Animation(const Chunk& c) {
    if (c.length < 8) return;
    f_.Seek(c.data_pos);
    AddItem(header_, "アニメーション", "あり");
    AddItem(header_, "フレーム数", Number(ReadBigEndian(f_, 4)));
    const uint32_t plays = ReadBigEndian(f_, 4);
    AddItem(header_, "ループ回数", plays == 0 ? std::string("無限") : Number(plays));
  }

  void Exif(const Chunk& c) {
    f_.Seek(c.data_pos);
    // Some writers keep the APP1 identifier in front of the TIFF header.
    uint64_t tiff = c.data_pos;
    if (c.length >= 6 && ReadRaw(f_, 6) == std::string("Exif\0\0", 6)) tiff += 6;
    AddItem(header_, "Exif", PlaceText(c.data_pos, c.length));
    if (found_.exif_tiff_pos == 0) {
      found_.exif_tiff_pos = tiff;
      found_.exif_block.clear();  // an eXIf chunk outranks a hex text
    }
  }

  // The keyword: up to its NUL within the chunk; empty when it has none.
  std::string Keyword(const Chunk& c, uint64_t& after) {
    f_.Seek(c.data_pos);
    const std::string head = ReadRaw(f_, std::min<uint32_t>(c.length, kMaxKeyword + 1));
    const size_t nul = head.find('\0');
    if (nul == std::string::npos || nul == 0) return {};
    after = c.data_pos + nul + 1;
    return head.substr(0, nul);
  }

  uint64_t End(const Chunk& c) const { return c.data_pos + c.length; }

  void Text(const Chunk& c) {
    uint64_t at = 0;
    const std::string keyword = Keyword(c, at);
    if (keyword.empty()) return;
    const uint64_t size = End(c) - at;
    if (IsRawProfile(keyword)) {
      f_.Seek(at);
      RawProfile(keyword, ReadRaw(f_, static_cast<int64_t>(std::min<uint64_t>(size, kDecompressCap))),
                 c);
      return;
    }
    f_.Seek(at);
    const std::string text = ReadRaw(f_, static_cast<int64_t>(std::min<uint64_t>(size, kTextRowCap)));
    AddItem(texts_, Latin1ToUtf8(keyword), Capped(Latin1ToUtf8(text), size > kTextRowCap));
  }

  void CompressedText(const Chunk& c) {
    uint64_t at = 0;
    const std::string keyword = Keyword(c, at);
    if (keyword.empty() || at >= End(c)) return;
    f_.Seek(at);
    const uint8_t method = ReadByte(f_);
    const uint64_t data = at + 1;
    if (method != 0) {
      AddItem(texts_, Latin1ToUtf8(keyword), "圧縮方式 " + UnknownText(method));
      return;
    }
    const bool raw_profile = IsRawProfile(keyword);
    Decompressed text = InflateZlib(f_, data, End(c) - data, raw_profile ? kDecompressCap : kTextRowCap);
    if (raw_profile) {
      RawProfile(keyword, text.bytes, c);
      return;
    }
    AddItem(texts_, Latin1ToUtf8(keyword), Capped(Latin1ToUtf8(text.bytes), !text.complete));
  }

  void InternationalText(const Chunk& c) {
    uint64_t at = 0;
    const std::string keyword = Keyword(c, at);
    if (keyword.empty() || End(c) - at < 2) return;
    f_.Seek(at);
    const uint8_t compressed = ReadByte(f_);
    const uint8_t method = ReadByte(f_);
    // The language tag and the translated keyword, each up to a NUL.
    uint64_t p = at + 2;
    for (int field = 0; field < 2; ++field) {
      f_.Seek(p);
      const uint64_t left = End(c) - p;
      std::string part = ReadTextZ(f_, static_cast<int64_t>(std::min<uint64_t>(left, 256)));
      p += part.size() + 1;
      if (p > End(c)) return;
    }
    const uint64_t size = End(c) - p;
    if (keyword == "XML:com.adobe.xmp") {
      if (found_.xmp_pos == 0) {
        found_.xmp_pos = p;
        found_.xmp_length = size;
        found_.xmp_compressed = compressed != 0;
      }
      AddItem(header_, "XMP", PlaceText(p, size) + (compressed != 0 ? " 圧縮" : ""));
      return;
    }
    std::string text;
    bool more = false;
    if (compressed == 0) {
      f_.Seek(p);
      text = ReadRaw(f_, static_cast<int64_t>(std::min<uint64_t>(size, kTextRowCap)));
      more = size > kTextRowCap;
    } else if (method == 0) {
      const bool raw_profile = IsRawProfile(keyword);
      Decompressed inflated =
          InflateZlib(f_, p, size, raw_profile ? kDecompressCap : kTextRowCap);
      if (raw_profile) {
        RawProfile(keyword, inflated.bytes, c);
        return;
      }
      text = std::move(inflated.bytes);
      more = !inflated.complete;
    } else {
      text = "圧縮方式 " + UnknownText(method);
    }
    AddItem(texts_, Latin1ToUtf8(keyword), Capped(std::move(text), more));
  }

  static bool IsRawProfile(const std::string& keyword) {
    return keyword.starts_with("Raw profile type ");
  }

  // A "Raw profile type NAME" text: the profile's bytes as hex digits. The
  // Exif ones (exif, APP1) hold an APP1 block; its TIFF block goes to the
  // TIFF path unless an eXIf chunk came first.
  void RawProfile(const std::string& keyword, const std::string& text, const Chunk& c) {
    const std::string name = keyword.substr(17);
    std::string lower = name;
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const std::optional<std::string> bytes = DecodeRawProfile(text);
    if (!bytes) {
      AddItem(texts_, Latin1ToUtf8(keyword), "情報が破損");
      return;
    }
    AddItem(texts_, Latin1ToUtf8(keyword),
            BlockText(Latin1ToUtf8(name), static_cast<int64_t>(bytes->size()),
                      static_cast<int64_t>(c.data_pos)));
    if (lower != "exif" && lower != "app1") return;
    std::string tiff = *bytes;
    if (tiff.starts_with(std::string_view("Exif\0\0", 6))) tiff.erase(0, 6);
    if (StartsAsTiff(tiff) && !found_.HasExif()) found_.exif_block = std::move(tiff);
  }

  Reader& f_;
  TMakerResult& header_;
  TMakerResult& texts_;
  EmbeddedMetadata& found_;
  bool seen_header_ = false;
};

}  // namespace

bool ReadPng(Reader& f, TMakerResult& header, TMakerResult& texts, EmbeddedMetadata& found) {
  header.Clear();
  texts.Clear();
  found = EmbeddedMetadata{};
  f.Seek(0);
  if (f.Remaining() < kPngSignature.size() || ReadRaw(f, 8) != kPngSignature) return false;
  PngWalk walk(f, header, texts, found);
  try {
    walk.Walk();
  } catch (const ReadError&) {
    // A chunk cut short keeps the rows and the Exif place found before it.
  }
  return true;
}

}  // namespace kelvane
