#include "cli/sample_image.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/sample_thumbnail.h"

namespace kelvane::cli {
namespace {

// The sample is written in Intel byte order.
void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Just the IFD writing the sample needs: entries in the order added, values
// of more than four bytes in a data area right after the next-IFD offset,
// each padded to an even length.
class SampleIfd {
 public:
  SampleIfd& Ascii(uint16_t tag, std::string_view text) {
    std::string bytes(text);
    bytes.push_back('\0');
    const auto count = static_cast<uint32_t>(bytes.size());  // before the move
    return Add(tag, kAscii, count, std::move(bytes));
  }
  SampleIfd& Bytes(uint16_t tag, std::initializer_list<uint8_t> values) {
    return Add(tag, kByte, static_cast<uint32_t>(values.size()), std::string(values.begin(), values.end()));
  }
  SampleIfd& Undefined(uint16_t tag, std::string bytes) {
    const auto count = static_cast<uint32_t>(bytes.size());  // before the move
    return Add(tag, kUndefined, count, std::move(bytes));
  }
  SampleIfd& Short(uint16_t tag, uint32_t value) {
    std::string bytes;
    Put16(bytes, value);
    return Add(tag, kShort, 1, std::move(bytes));
  }
  SampleIfd& Long(uint16_t tag, uint32_t value) {
    std::string bytes;
    Put32(bytes, value);
    return Add(tag, kLong, 1, std::move(bytes));
  }
  // Numerator/denominator pairs.
  SampleIfd& Rational(uint16_t tag, std::initializer_list<std::pair<uint32_t, uint32_t>> values,
                      bool is_signed = false) {
    std::string bytes;
    for (const auto& [numerator, denominator] : values) {
      Put32(bytes, numerator);
      Put32(bytes, denominator);
    }
    const auto count = static_cast<uint32_t>(values.size());
    return Add(tag, is_signed ? kSRational : kRational, count, std::move(bytes));
  }
  // Sets the value of an entry added before (an offset known only later).
  void SetLong(uint16_t tag, uint32_t value) {
    for (Entry& e : entries_) {
      if (e.tag != tag) continue;
      e.bytes.clear();
      Put32(e.bytes, value);
    }
  }

  // Bytes taken by Build.
  uint32_t Size() const {
    uint32_t size = TableSize();
    for (const Entry& e : entries_) size += DataSize(e);
    return size;
  }

  // The IFD placed at `at` (relative to the TIFF header).
  std::string Build(uint32_t at, uint32_t next = 0) const {
    std::string table;
    std::string data;
    Put16(table, static_cast<uint32_t>(entries_.size()));
    for (const Entry& e : entries_) {
      Put16(table, e.tag);
      Put16(table, e.type);
      Put32(table, e.count);
      if (e.bytes.size() <= 4) {
        table += e.bytes;
        table.append(4 - e.bytes.size(), '\0');
      } else {
        Put32(table, at + TableSize() + static_cast<uint32_t>(data.size()));
        data += e.bytes;
        if (e.bytes.size() & 1) data.push_back('\0');
      }
    }
    Put32(table, next);
    return table + data;
  }

 private:
  static constexpr uint16_t kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5,
                            kUndefined = 7, kSRational = 10;
  struct Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    std::string bytes;
  };

  SampleIfd& Add(uint16_t tag, uint16_t type, uint32_t count, std::string bytes) {
    entries_.push_back({tag, type, count, std::move(bytes)});
    return *this;
  }
  uint32_t TableSize() const { return 2 + 12 * static_cast<uint32_t>(entries_.size()) + 4; }
  static uint32_t DataSize(const Entry& e) {
    const auto n = static_cast<uint32_t>(e.bytes.size());
    return n > 4 ? n + (n & 1) : 0;
  }

  std::vector<Entry> entries_;
};

// A JPEG marker segment: marker, big-endian length, payload.
std::string Segment(uint16_t marker, std::string_view payload) {
  const auto length = static_cast<uint16_t>(payload.size() + 2);
  std::string out;
  out.push_back(static_cast<char>(marker >> 8));
  out.push_back(static_cast<char>(marker & 0xFF));
  out.push_back(static_cast<char>(length >> 8));
  out.push_back(static_cast<char>(length & 0xFF));
  out += payload;
  return out;
}

}  // namespace

std::string SampleImage() {
  const std::string thumbnail(reinterpret_cast<const char*>(kSampleThumbnail),
                              sizeof kSampleThumbnail);

  SampleIfd ifd0;
  ifd0.Ascii(0x010E, "Kelvane sample photo")
      .Ascii(0x010F, "Kelvane")
      .Ascii(0x0110, "Sample Camera K-1")
      .Short(0x0112, 1)
      .Rational(0x011A, {{72, 1}})
      .Rational(0x011B, {{72, 1}})
      .Short(0x0128, 2)
      .Ascii(0x0131, "kelvane-info")
      .Ascii(0x0132, "2026:12:09 10:30:00")
      .Long(0x8769, 0)
      .Long(0x8825, 0);

  SampleIfd exif;
  exif.Rational(0x829A, {{1, 125}})
      .Rational(0x829D, {{56, 10}})
      .Short(0x8822, 2)
      .Short(0x8827, 200)
      .Undefined(0x9000, "0230")
      .Ascii(0x9003, "2026:12:09 10:30:00")
      .Ascii(0x9004, "2026:12:09 10:30:00")
      .Undefined(0x9101, std::string("\x01\x02\x03\x00", 4))
      .Rational(0x9201, {{6965784, 1000000}}, true)
      .Rational(0x9202, {{4970854, 1000000}})
      .Rational(0x9204, {{0, 10}}, true)
      .Short(0x9207, 5)
      .Short(0x9209, 16)
      .Rational(0x920A, {{50, 1}})
      .Undefined(0x9286, std::string("ASCII\0\0\0Kelvane sample photo, built in memory", 45))
      .Undefined(0xA000, "0100")
      .Short(0xA001, 1)
      .Long(0xA002, 32)
      .Long(0xA003, 24);

  SampleIfd gps;
  gps.Bytes(0x0000, {2, 2, 0, 0})
      .Ascii(0x0001, "N")
      .Rational(0x0002, {{35, 1}, {39, 1}, {2856, 100}})
      .Ascii(0x0003, "E")
      .Rational(0x0004, {{139, 1}, {44, 1}, {3416, 100}})
      .Bytes(0x0005, {0})
      .Rational(0x0006, {{40, 1}})
      .Rational(0x0007, {{1, 1}, {30, 1}, {0, 1}})
      .Ascii(0x0012, "WGS-84");

  SampleIfd ifd1;
  ifd1.Short(0x0103, 6)
      .Rational(0x011A, {{72, 1}})
      .Rational(0x011B, {{72, 1}})
      .Short(0x0128, 2)
      .Long(0x0201, 0)
      .Long(0x0202, static_cast<uint32_t>(thumbnail.size()));

  // Layout after the 8-byte header: IFD0, Exif IFD, GPS IFD, IFD1, picture.
  const uint32_t ifd0_at = 8;
  const uint32_t exif_at = ifd0_at + ifd0.Size();
  const uint32_t gps_at = exif_at + exif.Size();
  const uint32_t ifd1_at = gps_at + gps.Size();
  const uint32_t thumb_at = ifd1_at + ifd1.Size();
  ifd0.SetLong(0x8769, exif_at);
  ifd0.SetLong(0x8825, gps_at);
  ifd1.SetLong(0x0201, thumb_at);

  std::string tiff("II*\0", 4);
  Put32(tiff, ifd0_at);
  tiff += ifd0.Build(ifd0_at, ifd1_at) + exif.Build(exif_at) + gps.Build(gps_at) +
          ifd1.Build(ifd1_at) + thumbnail;

  // SOI, the Exif APP1 segment, a comment, a small SOF0 (8x8 greyscale:
  // the walk ends there) and EOI.
  return std::string("\xFF\xD8", 2) + Segment(0xFFE1, std::string("Exif\0\0", 6) + tiff) +
         Segment(0xFFFE, "Kelvane sample image") +
         Segment(0xFFC0, std::string("\x08\x00\x08\x00\x08\x01\x01\x11\x00", 9)) +
         std::string("\xFF\xD9", 2);
}

}  // namespace kelvane::cli
