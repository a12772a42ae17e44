#include "engine/containers/avi.h"

#include <array>
#include <string>

#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

// Chunks looked at in one list, and in the file's top level.
constexpr int kChunksPerList = 100;
// Lists nested deeper than this are not entered.
constexpr int kMaxListDepth = 8;

// The main AVI header: thirteen 32-bit values in this order.
constexpr std::array<const char*, 13> kMainHeaderFields = {
    "dwMicroSecPerFrame", "dwMaxBytesPerSec",      "dwReserved1", "dwFlags",
    "dwTotalFrames",      "dwInitialFrames",       "dwStreams",   "dwSuggestedBufferSize",
    "dwWidth",            "dwHeight",              "dwScale",     "dwRate",
    "dwStart",
};

// The stream header's format row: the handler of a video stream, or of an
// audio stream (none means PCM).
void ReadStreamHeader(Reader& f, TMakerResult& r) {
  const std::string type = ReadRaw(f, 4);
  if (type == "vids") {
    std::string handler = ReadRaw(f, 4);
    AddItem(r, "ビデオ形式", handler == "mjpg" ? "Motion-JPEG" : handler);
  } else if (type == "auds") {
    std::string handler = ReadTextSkipNul(f, 4);
    AddItem(r, "オーディオ形式", handler.empty() ? "PCM" : handler);
  }
}

void ReadMainHeader(Reader& f, TMakerResult& r) {
  for (const char* name : kMainHeaderFields)
    AddItem(r, name, std::to_string(static_cast<int32_t>(ReadLong(f, true))));
}

// Walks a list whose type field is at the current position and whose size
// (type included) is `list_size`. Only header, stream and INFO lists are
// entered.
void WalkList(Reader& f, TMakerResult& r, uint32_t list_size, int depth) {
  const uint64_t type_pos = f.Position();
  const std::string type = ReadRaw(f, 4);
  if (type != "hdrl" && type != "strl" && type != "INFO") return;
  const uint64_t list_end = type_pos + list_size;
  for (int n = 0; n < kChunksPerList; ++n) {
    const std::string id = ReadTextSkipNul(f, 4);
    const auto size = static_cast<int32_t>(ReadLong(f, true));
    if (size < 1 || id.empty()) return;
    const uint64_t data_pos = f.Position();
    const uint64_t chunk_end = data_pos + static_cast<uint32_t>(size);
    if (chunk_end > list_end) return;
    if (id == "strd") {
      if (ReadRaw(f, 4) == "AVIF") {
        const uint64_t exif_base = f.Position() + 4;
        if (exif_base <= UINT32_MAX) r.ExifBase = static_cast<uint32_t>(exif_base);
      }
    } else if (id == "strh") {
      ReadStreamHeader(f, r);
    } else if (id == "avih") {
      ReadMainHeader(f, r);
    } else if (id == "LIST") {
      if (depth < kMaxListDepth) WalkList(f, r, static_cast<uint32_t>(size), depth + 1);
    } else if (id == "ISFT") {
      AddItem(r, "作成ソフトウェア", ReadTextNulAsSpace(f, size));
    } else if (id == "IDIT") {
      AddItem(r, "撮影日時", ReadTextNulAsSpace(f, size));
    }
    f.Seek(chunk_end);
    if (f.AtEnd()) return;
  }
}

}  // namespace

void ReadAVI(Reader& f, TMakerResult& result, EmbeddedMetadata* found) {
  result.Count = 0;
  result.PrintIMOffset = 0;
  result.InnerIFD = 0;
  result.LinkOffset = 0;
  result.ExifBase = 0;
  try {
    f.Seek(0);
    const std::string riff = ReadRaw(f, 4);
    const uint32_t riff_size = ReadLong(f, true);
    if (riff != "RIFF" || ReadRaw(f, 4) != "AVI ") return;
    const uint64_t riff_end = uint64_t{riff_size} + 12;
    for (int n = 0; n < kChunksPerList; ++n) {
      const std::string id = ReadRaw(f, 4);
      const uint32_t size = ReadLong(f, true);
      if (size == 0) return;
      const uint64_t chunk_end = f.Position() + size;
      if (chunk_end > riff_end) return;
      const uint64_t type_pos = f.Position();
      const std::string type = ReadRaw(f, 4);
      f.Seek(type_pos);
      if (id == "LIST" && (type == "hdrl" || type == "INFO")) WalkList(f, result, size, 1);
      if (id == "_PMX" && found != nullptr && found->xmp_pos == 0) {
        found->xmp_pos = type_pos;
        found->xmp_length = size;
      }
      f.Seek(chunk_end);
      if (f.AtEnd()) return;
    }
  } catch (const ReadError&) {
    // A truncated file keeps the rows (and the Exif link) read before the cut.
  }
}

}  // namespace kelvane
