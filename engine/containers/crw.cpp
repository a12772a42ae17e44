#include "engine/containers/crw.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

#include "engine/containers/crw_tags.h"
#include "engine/makernote/canon_settings.h"
#include "engine/reader/primitives.h"
#include "engine/text/number_text.h"

namespace kelvane {

namespace {

// Records at or above this hold their data in their own 8 bytes.
constexpr uint32_t kInRecord = 0x4000;
constexpr uint32_t kRowKeyBase = 0x220000;
constexpr int32_t kCaptureTimeKey = 0x91F002;
// Heaps pointing at each other end quietly at these limits.
constexpr int kMaxDepth = 16;
constexpr int kRecordBudget = 4096;
// No row value is read from more than this many bytes of a record.
constexpr uint64_t kMaxValueBytes = 64 * 1024;

enum : uint32_t {
  kWhiteBalanceTable = 0x0032,
  kModel = 0x080A,
  kShootingMode = 0x100A,
  kBaseIso = 0x101C,
  kIso = 0x1028,
  kFocalLength = 0x1029,
  kShotInfo = 0x102A,
  kColourRatios = 0x102C,
  kCameraSettings = 0x102D,
  kSensorSize = 0x1031,
  kCaptureTime = 0x180E,
  kImageInfo = 0x1810,
  kJpegImage = 0x2007,
  kJpegThumbnail = 0x2008,
};

enum : uint32_t {
  kText = 0x08,
  kWords = 0x10,
  kDwords = 0x18,
  kBytes = 0x20,
  kHeapA = 0x28,
  kHeapB = 0x30,
};

constexpr int32_t kShotInfoKind = 0x80004;
constexpr int32_t kCameraSettingsKind = 0x80001;

// num / den rounded to the nearest integer, halves to the even neighbour.
uint64_t RoundHalfEven(uint64_t num, uint64_t den) {
  const uint64_t q = num / den, r = num % den;
  if (2 * r < den) return q;
  if (2 * r > den) return q + 1;
  return q + (q & 1);
}

// A ratio in the shortest general form ("1.5", "2"); "--" without a divisor.
std::string Ratio(uint32_t num, uint32_t den) {
  if (den == 0) return "--";
  return FormatGeneral(static_cast<double>(num) / den);
}

std::string RedBlue(uint32_t red_num, uint32_t red_den, uint32_t blue_num, uint32_t blue_den) {
  return "Red:" + Ratio(red_num, red_den) + " Blue:" + Ratio(blue_num, blue_den) + "  ";
}

// Seconds since 1970-01-01 00:00 as "yyyy:mm:dd hh:nn:ss", no time zone.
std::string CaptureTime(uint32_t seconds) {
  // Days to a civil date (proleptic Gregorian).
  int64_t z = seconds / 86400 + 719468;
  const int64_t era = z / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  const uint32_t in_day = seconds % 86400;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04lld:%02lld:%02lld %02u:%02u:%02u", static_cast<long long>(year),
                static_cast<long long>(month), static_cast<long long>(day), in_day / 3600,
                in_day / 60 % 60, in_day % 60);
  return buf;
}

// Bytes up to the first NUL (consumed), the end of the file, or `max` bytes.
std::string ReadCString(Reader& f, uint64_t max) {
  std::string text;
  for (uint64_t i = 0; i < max; ++i) {
    const int c = f.Get();
    if (c <= 0) break;
    text.push_back(static_cast<char>(c));
  }
  return text;
}

// `count` values of `width` bytes joined with ",".
std::string ValueList(Reader& f, bool intel, uint64_t count, int width) {
  const auto bytes_each = static_cast<uint64_t>(width);
  count = std::min<uint64_t>(count, kMaxValueBytes / bytes_each);
  if (count * bytes_each > f.Remaining()) throw ReadError("CRW record past the end of the file");
  std::string text;
  for (uint64_t i = 0; i < count; ++i) {
    if (i != 0) text += ',';
    text += std::to_string(ReadValue(f, intel, width));
  }
  return text;
}

class HeapWalker {
 public:
  HeapWalker(Reader& f, bool intel, int32_t& width, int32_t& height, int32_t& rotation,
             TMakerResult& result)
      : f_(f), intel_(intel), width_(width), height_(height), rotation_(rotation), result_(result) {}

  // Walks the heap of `length` bytes at the absolute `start`; returns the
  // number of records in its directory.
  uint32_t Walk(uint64_t start, uint64_t length, int depth) {
    if (length < 4) return 0;  // no room for the directory pointer
    f_.Seek(start + length - 4);
    const uint64_t directory = start + ReadValue(f_, intel_, 4);
    f_.Seek(directory);
    const uint32_t count = ReadValue(f_, intel_, 2);
    for (uint32_t i = 0; i < count; ++i) {
      if (budget_ == 0) break;
      --budget_;
      const uint64_t record = directory + 2 + uint64_t{10} * i;
      f_.Seek(record);
      Record(start, record, depth);
    }
    return count;
  }

 private:
  void Record(uint64_t heap_start, uint64_t record, int depth) {
    uint32_t tag = ReadValue(f_, intel_, 2);
    uint64_t size;
    uint64_t data;
    if (tag >= kInRecord) {
      size = 8;
      data = record + 2;
      tag -= kInRecord;
    } else {
      size = ReadValue(f_, intel_, 4);
      data = heap_start + ReadValue(f_, intel_, 4);
    }
    const uint32_t kind = tag >> 8;
    const auto caption = LookupCode(kCrwCaptions, tag);
    const std::string name =
        caption ? std::string(*caption) : "Unknown(" + HexDigits(tag, 4) + ")";
    const int32_t key = tag == kCaptureTime ? kCaptureTimeKey : static_cast<int32_t>(kRowKeyBase + tag);

    if (kind == kHeapA || kind == kHeapB) {
      if (depth + 1 < kMaxDepth) Walk(data, size, depth + 1);
      return;
    }
    if (tag == kShotInfo || tag == kCameraSettings) {
      ReadCanonSettings(f_, intel_, data, tag == kShotInfo ? kShotInfoKind : kCameraSettingsKind,
                        static_cast<uint32_t>(std::min<uint64_t>(size / 2, UINT32_MAX)), result_);
      return;
    }
    if (kind == kBytes) {
      if (tag == kJpegImage || tag == kJpegThumbnail) {
        // The later of the two wins.
        if (data <= UINT32_MAX) {
          result_.ThumbOffset = static_cast<uint32_t>(data);
          result_.ThumbLength = static_cast<uint32_t>(size);
        }
      }
      result_.Add(key, name, std::to_string(size) + "Bytes(offset:" + std::to_string(data) + ")");
      return;
    }
    if (tag == kImageInfo && kind == kDwords) {
      f_.Seek(data);
      width_ = static_cast<int32_t>(ReadValue(f_, intel_, 4));
      height_ = static_cast<int32_t>(ReadValue(f_, intel_, 4));
      std::string value = std::to_string(width_) + "×" + std::to_string(height_);
      if (RoundHalfEven(size, 4) >= 5) {
        f_.Skip(4);
        rotation_ = static_cast<int32_t>(ReadValue(f_, intel_, 4));
        if (rotation_ != 0) value += " (" + std::to_string(rotation_) + "度回転)";
      }
      result_.Add(key, name, std::move(value));
      return;
    }
    // The rest only makes a row: when the list is full there is nothing to
    // read.
    if (result_.Count >= kRowCapacity) return;
    result_.Add(key, name, Value(tag, kind, size, data));
  }

  std::string Value(uint32_t tag, uint32_t kind, uint64_t size, uint64_t data) {
    if (tag == kWhiteBalanceTable) {
      f_.Seek(data + 72);
      uint32_t w[4];
      for (auto& v : w) v = ReadValue(f_, intel_, 2);
      return RedBlue(w[0], w[1], w[3], w[2]);
    }
    f_.Seek(data);
    if (kind == kText) {
      if (tag == kModel) ReadCString(f_, kMaxValueBytes);  // the maker
      return ReadCString(f_, kMaxValueBytes);
    }
    if (kind == kWords) {
      switch (tag) {
        case kShootingMode: {
          const uint32_t mode = ReadValue(f_, intel_, 2);
          const auto text = LookupCode(kCrwShootingModes, mode);
          return text ? std::string(*text) : std::to_string(mode);
        }
        case kBaseIso:
        case kIso:
          return std::to_string(ReadValue(f_, intel_, 2));
        case kFocalLength: {
          const uint32_t first = ReadValue(f_, intel_, 2);
          const uint32_t focal = ReadValue(f_, intel_, 2);
          return first == 0 ? std::to_string(focal) + ".0(mm)" : "--";
        }
        case kColourRatios: {
          f_.Seek(data + 100);
          uint32_t w[4];
          for (auto& v : w) v = ReadValue(f_, intel_, 2);
          return RedBlue(w[1], w[0], w[2], w[3]);
        }
        case kSensorSize: {
          f_.Seek(data + 2);
          const uint32_t w = ReadValue(f_, intel_, 2);
          const uint32_t h = ReadValue(f_, intel_, 2);
          return std::to_string(w) + "×" + std::to_string(h);
        }
        default:
          return ValueList(f_, intel_, RoundHalfEven(size, 2), 2);
      }
    }
    if (kind == kDwords) {
      if (tag == kCaptureTime) return CaptureTime(ReadValue(f_, intel_, 4));
      return ValueList(f_, intel_, RoundHalfEven(size, 4), 4);
    }
    return HexDigits(static_cast<uint32_t>(size), 4);
  }

  Reader& f_;
  const bool intel_;
  int32_t& width_;
  int32_t& height_;
  int32_t& rotation_;
  TMakerResult& result_;
  int budget_ = kRecordBudget;
};

}  // namespace

void ReadCRW(Reader& f, uint64_t header_position, int32_t& width, int32_t& height,
             int32_t& rotation, TMakerResult& result) {
  result.Count = 0;
  result.ThumbOffset = result.ThumbLength = 0;
  f.Seek(header_position);
  const bool intel = ReadRaw(f, 2) == "II";
  const uint64_t root = ReadValue(f, intel, 4);
  if (ReadRaw(f, 8) != "HEAPCCDR") return;
  // The root heap runs from the end of the header to the end of the file.
  if (root >= f.Size()) throw ReadError("CRW heap past the end of the file");
  HeapWalker walker(f, intel, width, height, rotation, result);
  walker.Walk(root, f.Size() - root, 0);
}

}  // namespace kelvane
