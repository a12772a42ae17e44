#include "cli/sample_image.h"

#include "cli/sample_thumbnail.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane::cli {

using fixtures::Ifd;

std::string SampleImage() {
  const bool intel = true;
  const std::string thumbnail(reinterpret_cast<const char*>(kSampleThumbnail),
                              sizeof kSampleThumbnail);

  Ifd ifd0;
  ifd0.Ascii(0x010E, "Kelvane sample photo")
      .Ascii(0x010F, "Kelvane")
      .Ascii(0x0110, "Sample Camera K-1")
      .Short(0x0112, {1})
      .Rational(0x011A, {{72, 1}})
      .Rational(0x011B, {{72, 1}})
      .Short(0x0128, {2})
      .Ascii(0x0131, "kelvane-info")
      .Ascii(0x0132, "2026:12:09 10:30:00")
      .Long(0x8769, {0})
      .Long(0x8825, {0});

  Ifd exif;
  exif.Rational(0x829A, {{1, 125}})
      .Rational(0x829D, {{56, 10}})
      .Short(0x8822, {2})
      .Short(0x8827, {200})
      .Undefined(0x9000, "0230")
      .Ascii(0x9003, "2026:12:09 10:30:00")
      .Ascii(0x9004, "2026:12:09 10:30:00")
      .Undefined(0x9101, fixtures::Bytes({1, 2, 3, 0}))
      .Rational(0x9201, {{6965784, 1000000}}, true)
      .Rational(0x9202, {{4970854, 1000000}})
      .Rational(0x9204, {{0, 10}}, true)
      .Short(0x9207, {5})
      .Short(0x9209, {16})
      .Rational(0x920A, {{50, 1}})
      .Undefined(0x9286, std::string("ASCII\0\0\0Kelvane sample photo, built in memory", 45))
      .Undefined(0xA000, "0100")
      .Short(0xA001, {1})
      .Long(0xA002, {32})
      .Long(0xA003, {24});

  Ifd gps;
  gps.Byte(0x0000, fixtures::Bytes({2, 2, 0, 0}))
      .Ascii(0x0001, "N")
      .Rational(0x0002, {{35, 1}, {39, 1}, {2856, 100}})
      .Ascii(0x0003, "E")
      .Rational(0x0004, {{139, 1}, {44, 1}, {3416, 100}})
      .Byte(0x0005, fixtures::Bytes({0}))
      .Rational(0x0006, {{40, 1}})
      .Rational(0x0007, {{1, 1}, {30, 1}, {0, 1}})
      .Ascii(0x0012, "WGS-84");

  Ifd ifd1;
  ifd1.Short(0x0103, {6})
      .Rational(0x011A, {{72, 1}})
      .Rational(0x011B, {{72, 1}})
      .Short(0x0128, {2})
      .Long(0x0201, {0})
      .Long(0x0202, {static_cast<uint32_t>(thumbnail.size())});

  // Layout after the 8-byte header: IFD0, Exif IFD, GPS IFD, IFD1, picture.
  const uint32_t ifd0_at = 8;
  const uint32_t exif_at = ifd0_at + static_cast<uint32_t>(ifd0.Size());
  const uint32_t gps_at = exif_at + static_cast<uint32_t>(exif.Size());
  const uint32_t ifd1_at = gps_at + static_cast<uint32_t>(gps.Size());
  const uint32_t thumb_at = ifd1_at + static_cast<uint32_t>(ifd1.Size());
  ifd0.Long(0x8769, {exif_at}).Long(0x8825, {gps_at});
  ifd1.Long(0x0201, {thumb_at});

  std::string tiff = fixtures::TiffHeader(intel, ifd0_at) + ifd0.Build(intel, ifd0_at, ifd1_at) +
                     exif.Build(intel, exif_at) + gps.Build(intel, gps_at) +
                     ifd1.Build(intel, ifd1_at) + thumbnail;

  return fixtures::Jpeg()
      .Exif(tiff)
      .Segment(0xFFFE, "Kelvane sample image")
      .Build();
}

}  // namespace kelvane::cli
