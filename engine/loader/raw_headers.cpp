#include "engine/loader/raw_headers.h"

#include <cstdio>
#include <string>

#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr int kPlain = kStylePlain;

}  // namespace

bool ReadFujiHeader(Reader& f, InfoTree& tree, uint32_t& base, uint32_t& jpeg_origin) {
  f.Seek(0);
  if (ReadRaw(f, 16) != "FUJIFILMCCD-RAW ") return false;

  tree.AddRow(kStyleCaption, "FUJIFILM CCDRAW 情報", "");
  tree.AddRow(kPlain, "バージョン", ReadRaw(f, 4));
  tree.AddRow(kPlain, "Unknown", ReadRaw(f, 8));
  tree.AddRow(kPlain, "機種", ReadTextSkipNul(f, 32));
  // The body's firmware version, four digits ("0106": 1.06).
  tree.AddRow(kPlain, "ファームウェア", ReadTextSkipNul(f, 4));

  // Six big-endian words: where the embedded JPEG, the parameters and the
  // raw data lie.
  static constexpr const char* kNames[] = {"JPEG Offset",        "JPEG Size", "パラメータ Offset",
                                           "パラメータ Size", "RAW Offset", "RAW Size"};
  f.Seek(84);
  uint32_t jpeg_offset = 0;
  for (size_t i = 0; i < std::size(kNames); ++i) {
    uint32_t v = ReadValue(f, false, 4);
    if (i == 0) jpeg_offset = v;
    tree.AddRow(kPlain, kNames[i], std::to_string(v));
  }

  // The embedded JPEG starts with SOI and an Exif APP1: its TIFF header is
  // 12 bytes in. An offset so large that the sum leaves 32 bits points past
  // any file we can read, and stays there.
  const uint64_t tiff = uint64_t{jpeg_offset} + 12;
  base = tiff > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(tiff);
  jpeg_origin = jpeg_offset;
  return true;
}

bool ReadMinoltaHeader(Reader& f, InfoTree& tree, uint32_t& base) {
  f.Seek(1);
  if (ReadRaw(f, 3) != "MRM") return false;

  tree.AddRow(kStyleCaption, "Dimage CCDRAW 情報", "");
  f.Seek(4);
  tree.AddRow(kPlain, "Image Data Offset", HexDigits(ReadBigEndian(f, 4), 4));
  // The PRD block stores the sensor's height first, then its width.
  f.Seek(24);
  const uint32_t height = ReadBigEndian(f, 2);
  const uint32_t width = ReadBigEndian(f, 2);
  tree.AddRow(kPlain, "Image Width", std::to_string(width));
  tree.AddRow(kPlain, "Image Height", std::to_string(height));
  f.Seek(44);
  tree.AddRow(kPlain, "Minolta Offset", HexDigits(ReadBigEndian(f, 4), 4));

  base = 48;
  return true;
}

}  // namespace kelvane
