#include "engine/containers/webp.h"

#include <algorithm>
#include <string>

#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr int kMaxChunks = 100000;

// VP8X flags.
constexpr uint8_t kFlagIcc = 0x20;
constexpr uint8_t kFlagAlpha = 0x10;
constexpr uint8_t kFlagAnimation = 0x02;

uint32_t Read24(Reader& f) {
  unsigned char b[3];
  f.Read(b, 3);
  return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16;
}

std::string PlaceText(uint64_t position, uint64_t length) {
  return "Offset:" + std::to_string(position) + " (" + std::to_string(length) + "byte)";
}

const char* YesNo(bool yes) { return yes ? "あり" : "なし"; }

struct Facts {
  std::string format;
  uint32_t width = 0, height = 0;
  bool have_size = false;
  bool alpha = false;
  bool animation = false;
  bool extended = false;
  uint32_t frames = 0;
  bool have_loops = false;
  uint32_t loops = 0;
};

}  // namespace

bool IsWebP(Reader& f) {
  f.Seek(0);
  if (f.Remaining() < 12) return false;
  const std::string riff = ReadRaw(f, 4);
  f.Skip(4);
  return riff == "RIFF" && ReadRaw(f, 4) == "WEBP";
}

bool ReadWebP(Reader& f, TMakerResult& result, EmbeddedMetadata& found) {
  result.Clear();
  found = EmbeddedMetadata{};
  if (!IsWebP(f)) return false;
  f.Seek(4);
  const uint64_t riff_end = std::min<uint64_t>(uint64_t{ReadLong(f, true)} + 8, f.Size());
  Facts facts;
  TMakerResult blocks;
  try {
    uint64_t pos = 12;
    for (int n = 0; n < kMaxChunks && pos + 8 <= riff_end; ++n) {
      f.Seek(pos);
      const std::string id = ReadRaw(f, 4);
      const uint32_t size = ReadLong(f, true);
      const uint64_t data = pos + 8;
      if (size > riff_end - data) break;  // runs past the RIFF size or the file
      f.Seek(data);
      if (id == "VP8X" && size >= 10) {
        const uint8_t flags = ReadByte(f);
        f.Skip(3);
        facts.extended = true;
        facts.format = "VP8X (拡張)";
        facts.width = Read24(f) + 1;
        facts.height = Read24(f) + 1;
        facts.have_size = true;
        facts.alpha = (flags & kFlagAlpha) != 0;
        facts.animation = (flags & kFlagAnimation) != 0;
        if (flags & kFlagIcc) AddItem(blocks, "ICCProfile", "あり");
      } else if (id == "VP8 " && size >= 10) {
        f.Skip(3);
        const std::string start = ReadRaw(f, 3);
        if (facts.format.empty() || facts.extended) {
          const std::string kind = "VP8 (非可逆)";
          facts.format = facts.extended ? facts.format + ", " + kind : kind;
        }
        if (!facts.have_size && start == "\x9D\x01\x2A") {
          facts.width = ReadWord(f, true) & 0x3FFF;
          facts.height = ReadWord(f, true) & 0x3FFF;
          facts.have_size = true;
        }
        if (facts.frames == 0 && !facts.animation) facts.frames = 1;
      } else if (id == "VP8L" && size >= 5) {
        if (ReadByte(f) == 0x2F) {
          const uint32_t bits = ReadLong(f, true);
          if (facts.format.empty() || facts.extended) {
            const std::string kind = "VP8L (可逆)";
            facts.format = facts.extended ? facts.format + ", " + kind : kind;
          }
          if (!facts.have_size) {
            facts.width = (bits & 0x3FFF) + 1;
            facts.height = ((bits >> 14) & 0x3FFF) + 1;
            facts.have_size = true;
            facts.alpha = ((bits >> 28) & 1) != 0;
          }
        }
        if (facts.frames == 0 && !facts.animation) facts.frames = 1;
      } else if (id == "ALPH") {
        facts.alpha = true;
      } else if (id == "ANIM" && size >= 6) {
        f.Skip(4);
        facts.have_loops = true;
        facts.loops = ReadWord(f, true);
      } else if (id == "ANMF") {
        ++facts.frames;
      } else if (id == "ICCP") {
        AddItem(blocks, "ICCProfile", PlaceText(data, size));
        found.icc.Note(data, size);
      } else if (id == "EXIF") {
        AddItem(blocks, "Exif", PlaceText(data, size));
        if (found.exif_tiff_pos == 0) {
          uint64_t tiff = data;
          if (size >= 6 && ReadRaw(f, 6) == std::string("Exif\0\0", 6)) tiff += 6;
          found.exif_tiff_pos = tiff;
        }
      } else if (id == "XMP ") {
        AddItem(blocks, "XMP", PlaceText(data, size));
        if (found.xmp_pos == 0) {
          found.xmp_pos = data;
          found.xmp_length = size;
        }
      }
      pos = data + size + (size & 1);
    }
  } catch (const ReadError&) {
    // A chunk cut short: the facts read so far are shown.
  }
  if (!facts.format.empty()) AddItem(result, "形式", facts.format);
  if (facts.have_size) {
    AddItem(result, "画像の幅", std::to_string(facts.width));
    AddItem(result, "画像の高さ", std::to_string(facts.height));
  }
  AddItem(result, "アルファ", YesNo(facts.alpha));
  AddItem(result, "アニメーション", YesNo(facts.animation));
  if (facts.animation || facts.frames > 0) AddItem(result, "フレーム数", std::to_string(facts.frames));
  if (facts.have_loops)
    AddItem(result, "ループ回数", facts.loops == 0 ? std::string("無限") : std::to_string(facts.loops));
  for (int32_t i = 0; i < blocks.Count; ++i) {
    const TIFDItem& item = blocks.Items[static_cast<size_t>(i)];
    AddItem(result, item.Name, item.Value);
  }
  return true;
}

}  // namespace kelvane
