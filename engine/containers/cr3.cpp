#include "engine/containers/cr3.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "engine/containers/isobmff.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

using bmff::Box;
using bmff::FourCC;

constexpr std::array<unsigned char, 16> kCanonMetadataUuid = {
    0x85, 0xC0, 0xB6, 0x87, 0x82, 0x0F, 0x11, 0xE0, 0x81, 0x11, 0xF4, 0xCE, 0x46, 0x2B, 0x6A, 0x48};
constexpr std::array<unsigned char, 16> kCanonPreviewUuid = {
    0xEA, 0xF4, 0x2B, 0x5E, 0x1C, 0x98, 0x4B, 0x88, 0xB9, 0xFB, 0xB7, 0xDC, 0x40, 0x6E, 0x4D, 0x16};

// A TIFF block's header position when the box holds one.
uint64_t TiffIn(Reader& f, const Box& b) {
  if (b.payload_size() < 8) return 0;
  f.Seek(b.payload());
  const std::string order = ReadRaw(f, 2);
  return order == "II" || order == "MM" ? b.payload() : 0;
}

std::string Where(const ItemSpan& s) {
  return "Offset:" + std::to_string(s.offset) + "  " + std::to_string(s.length) + "bytes";
}

// THMB (in the metadata box) and PRVW (in the preview box) start alike:
// version and flags, width and height, the JPEG's length; the JPEG follows
// 16 bytes into the payload. `end` bounds the JPEG.
struct Picture {
  uint32_t width = 0, height = 0;
  ItemSpan span;
};
std::optional<Picture> ReadPicture(Reader& f, uint64_t payload, uint64_t end, bool preview) {
  if (end < payload || end - payload < 16) return std::nullopt;
  f.Seek(payload + (preview ? 6 : 4));
  Picture p;
  p.width = ReadWord(f, false);
  p.height = ReadWord(f, false);
  if (preview) f.Skip(2);
  const uint32_t length = ReadLong(f, false);
  const uint64_t at = payload + 16;
  if (length == 0 || length > end - at) return std::nullopt;
  p.span = {at, length};
  return p;
}

}  // namespace

Cr3Parts ReadCr3(Reader& f, TMakerResult& result) {
  result.Clear();
  Cr3Parts parts;
  if (const auto t = bmff::ReadFileType(f)) AddItem(result, "メジャーブランド", bmff::TypeText(t->major));
  std::optional<Box> metadata, preview;
  bmff::ForEachBox(f, 0, f.Size(), [&](const Box& top) {
    if (top.Is(FourCC("moov")) && !metadata) {
      bmff::ForEachBox(f, top.payload(), top.end(), [&](const Box& b) {
        if (b.Is(FourCC("uuid")) && b.user_type == kCanonMetadataUuid) metadata = b;
        return !metadata;
      });
    } else if (top.Is(FourCC("uuid")) && top.user_type == kCanonPreviewUuid && !preview) {
      preview = top;
    }
    return true;
  });
  if (metadata) {
    bmff::ForEachBox(f, metadata->payload(), metadata->end(), [&](const Box& b) {
      uint64_t* slot = b.Is(FourCC("CMT1"))   ? &parts.ifd0
                       : b.Is(FourCC("CMT2")) ? &parts.exif
                       : b.Is(FourCC("CMT3")) ? &parts.maker_note
                       : b.Is(FourCC("CMT4")) ? &parts.gps
                                              : nullptr;
      if (slot && *slot == 0) *slot = TiffIn(f, b);
      if (b.Is(FourCC("THMB")) && parts.thumbnail.length == 0) {
        if (auto p = ReadPicture(f, b.payload(), b.end(), false)) {
          parts.thumbnail = p->span;
          AddItem(result, "サムネイル",
                  std::to_string(p->width) + " x " + std::to_string(p->height) + "  " + Where(p->span));
        }
      }
      return true;
    });
  }
  if (preview && preview->payload_size() >= 8 + 8 + 16) {
    // Eight bytes, then the PRVW box, whose stated size may run past its
    // parent: the JPEG's own length is what counts.
    const uint64_t at = preview->payload() + 8;
    const Box prvw = bmff::ReadRawHeader(f, at, false);
    if (prvw.Is(FourCC("PRVW"))) {
      if (auto p = ReadPicture(f, at + 8, f.Size(), true)) {
        parts.preview = p->span;
        AddItem(result, "プレビュー画像",
                std::to_string(p->width) + " x " + std::to_string(p->height) + "  " + Where(p->span));
      }
    }
  }
  return parts;
}

}  // namespace kelvane
