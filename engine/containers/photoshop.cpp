#include "engine/containers/photoshop.h"

#include <cstdio>
#include <string>

#include "engine/containers/photoshop_tables.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

// Rows that explain the resource above them.
constexpr int32_t kDetailTag = -1;

constexpr uint32_t kThumbnailOld = 1033;
constexpr uint32_t kThumbnail = 1036;
constexpr uint32_t kIptc = 1028;
constexpr uint32_t kJpegQuality = 1030;
constexpr uint32_t kExif = 1058;
constexpr uint32_t kXmp = 1060;
constexpr uint32_t kIccProfile = 1039;
// A thumbnail resource: format, width, height, row bytes, total size,
// compressed size, bits per pixel, planes; the JPEG follows.
constexpr uint64_t kThumbnailHeaderSize = 28;

std::string ModeText(uint32_t mode) {
  return CodeTextOrUnknown(kPhotoshopColourModes, mode);
}

// A resource name in the length-prefixed form: the length byte, the name and
// a pad byte that makes the three an even count. Returns the bytes after
// the length byte, pad included.
std::string ReadPascalName(Reader& f) {
  const uint8_t n = ReadByte(f);
  return ReadRaw(f, n % 2 == 1 ? n : n + 1);
}

// A resource name in the NUL-terminated form of old segments: bytes up to
// a 0 that directly follows another 0 (a 0 as the very first byte does not
// start the pair); the first 0 of the pair is kept, the second is not.
std::string ReadNulPairName(Reader& f) {
  std::string text;
  for (;;) {
    const char c = static_cast<char>(ReadByte(f));
    if (c == '\0' && text.size() >= 2 && text.back() == '\0') return text;
    text.push_back(c);
  }
}

// What a list shows of a name: the text before its first NUL.
std::string ShownName(const std::string& raw) { return raw.substr(0, raw.find('\0')); }

void WalkResources(Reader& f, bool intel, uint64_t start, uint32_t length, bool from_segment,
                   TMakerResult& result, ResourceData* xmp, ResourceData* icc) {
  f.Seek(start);
  bool pascal_names = true;
  if (from_segment) {
    if (ReadByte(f) != 0) {
      // No terminator after the identifier: names end with a pair of NULs.
      pascal_names = false;
      f.Seek(start);
    }
  }
  const uint64_t end = start + length;
  while (f.Position() < end) {
    const std::string signature = ReadRaw(f, 4);
    const uint32_t id = ReadValue(f, intel, 2);
    const std::string name = pascal_names ? ReadPascalName(f) : ReadNulPairName(f);
    const uint32_t stored_size = ReadValue(f, intel, 4);
    const uint64_t size = uint64_t{stored_size} + stored_size % 2;  // padded to even
    const uint64_t data_start = f.Position();

    if (signature == "8BIM") {
      std::string item = name == std::string(1, '\0')
                             ? CodeTextOrUnknown(kPhotoshopResourceCaptions, id)
                             : ShownName(name);
      std::string value = std::to_string(size) + "Byte";
      if (id == kThumbnailOld || id == kThumbnail) {
        const uint32_t format = ReadValue(f, intel, 4);
        if (format == 1) {
          const uint64_t jpeg = data_start + kThumbnailHeaderSize;
          // The JPEG alone: the resource less its header and its pad byte.
          const uint64_t jpeg_length =
              stored_size > kThumbnailHeaderSize ? stored_size - kThumbnailHeaderSize : 0;
          if (jpeg <= UINT32_MAX && jpeg_length <= UINT32_MAX) {
            result.ThumbOffset = static_cast<uint32_t>(jpeg);
            result.ThumbLength = static_cast<uint32_t>(jpeg_length);
          }
          value = "JPEG Format (Offset:" + std::to_string(jpeg) + "Size:" + std::to_string(size) + ")";
        }
        result.Add(static_cast<int32_t>(id), std::move(item), std::move(value));
        result.Add(kDetailTag, "サムネイルの種類",
                   CodeTextOrUnknown(kPhotoshopThumbnailFormats, format));
        result.Add(kDetailTag, "サムネイル幅", std::to_string(ReadValue(f, intel, 4)));
        result.Add(kDetailTag, "サムネイル高さ", std::to_string(ReadValue(f, intel, 4)));
      } else {
        if (id == kIptc && data_start <= UINT32_MAX && size <= UINT32_MAX) {
          result.LinkOffset = static_cast<uint32_t>(data_start);
          result.LinkSize = static_cast<uint32_t>(size);
        } else if (id == kJpegQuality) {
          f.Seek(data_start + 4);
          value = HexDigits(ReadValue(f, intel, 4), 8);
        } else if (id == kExif && data_start <= UINT32_MAX) {
          result.ExifBase = static_cast<uint32_t>(data_start);
        } else if (id == kXmp && xmp != nullptr && xmp->length == 0) {
          *xmp = {data_start, stored_size};
        } else if (id == kIccProfile && icc != nullptr && icc->length == 0) {
          *icc = {data_start, stored_size};
        }
        result.Add(static_cast<int32_t>(id), std::move(item), std::move(value));
      }
    }
    f.Seek(data_start + size);
  }
}

}  // namespace

void ReadPhotoshopHeader(Reader& f, bool intel, uint64_t position, TMakerResult& result) {
  result.Count = 0;
  result.ThumbOffset = result.ThumbLength = 0;
  result.LinkOffset = result.LinkSize = 0;

  // A document that is not one shows its five rows with zeros.
  uint32_t channels = 0, height = 0, width = 0, depth = 0;
  std::string mode = UnknownText(0);
  f.Seek(position);
  if (ReadRaw(f, 4) == "8BPS" && ReadValue(f, intel, 2) == 1) {
    f.Skip(6);
    channels = ReadValue(f, intel, 2);
    height = ReadValue(f, intel, 4) & 0xFFFF;
    width = ReadValue(f, intel, 4) & 0xFFFF;
    depth = ReadValue(f, intel, 2);
    mode = ModeText(ReadValue(f, intel, 2));
    const uint32_t colour_data = ReadValue(f, intel, 4);
    f.Skip(colour_data & 0xFFFF);
    const uint32_t resources = ReadValue(f, intel, 4);
    if (resources != 0 && f.Position() <= UINT32_MAX) {
      result.LinkOffset = static_cast<uint32_t>(f.Position());
      result.LinkSize = resources;
    }
  }
  result.Add(0, "チャンネル数", std::to_string(channels));
  result.Add(0, "モード", mode);
  result.Add(0, "色深度", std::to_string(depth));
  result.Add(0, "画像の幅", std::to_string(width));
  result.Add(0, "画像の高さ", std::to_string(height));
}

void ReadImageResources(Reader& f, bool intel, uint64_t start, uint32_t length,
                        bool from_segment, TMakerResult& result, ResourceData* xmp, ResourceData* icc) {
  result.Count = 0;
  result.ThumbOffset = result.ThumbLength = 0;
  result.LinkOffset = result.LinkSize = 0;
  result.ExifBase = 0;
  try {
    WalkResources(f, intel, start, length, from_segment, result, xmp, icc);
  } catch (const ReadError&) {
    // A block running past the end of the file ends the walk; what was
    // gathered stands.
  }
}

}  // namespace kelvane
