#include "engine/tiff/gps.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/reader/primitives.h"
#include "engine/tiff/geodesy.h"
#include "engine/tiff/gps_captions.h"
#include "engine/tiff/ifd_entry.h"
#include "engine/text/number_text.h"

namespace kelvane {

namespace {

enum : uint16_t {
  kLatitudeRef = 1,
  kLatitude = 2,
  kLongitudeRef = 3,
  kLongitude = 4,
  kAltitudeRef = 5,
  kAltitude = 6,
  kTimeStamp = 7,
  kTrackRef = 14,
  kTrack = 15,
  kImgDirectionRef = 16,
  kImgDirection = 17,
  kMapDatum = 18,
  kDestBearingRef = 23,
  kDestBearing = 24,
  kProcessingMethod = 27,
};

// Texts slots of the result.
enum : size_t {
  kLatRefText = 0,
  kLatDegText = 1,  // then minutes and seconds
  kLonRefText = 4,
  kLonDegText = 5,  // then minutes and seconds
  kLonArcText = 8,  // 1/256 arc-seconds
  kLatArcText = 9,
};

constexpr int32_t kGpsRowLimit = 100;
constexpr double kArcUnitsPerDegree = 3600.0 * 256.0;

// One coordinate as the walk decoded it.
struct Coordinate {
  bool decoded = false;   // the degrees could be read
  bool complete = false;  // minutes and seconds, or decimal minutes, were read too
  double degrees = 0;     // unsigned decimal degrees
};

// What the walk keeps between entries.
struct GpsState {
  Coordinate latitude;
  Coordinate longitude;
  std::string datum;
};

struct Rational {
  uint32_t n = 0;
  uint32_t d = 0;
};

// Up to `wanted` rationals of the value; those the entry does not hold are
// 0/0. Nothing after the entry's own values is read.
std::vector<Rational> ReadRationals(Reader& f, bool intel, const IfdEntry& e, uint32_t wanted) {
  const uint32_t held = std::min(e.count, wanted);
  const ValueNumbers words = ReadNumbers(f, intel, e.value_pos, uint64_t{held} * 2, 4);
  std::vector<Rational> out(wanted);
  for (uint32_t i = 0; i < held; ++i) out[i] = {words[2 * i], words[2 * i + 1]};
  return out;
}

std::string TwoDigits(int64_t v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2" PRId64, v);
  return buf;
}

// Degrees, minutes and seconds as three rationals. Fills the three texts
// of the coordinate and returns the row's value.
std::string CoordinateText(Reader& f, bool intel, const IfdEntry& e, std::string* texts,
                           Coordinate& coordinate) {
  const std::vector<Rational> r = ReadRationals(f, intel, e, 3);
  const double deg = Quotient(r[0].n, r[0].d);
  std::string deg_text = FormatGeneral(deg);
  std::string min_text;
  std::string sec_text;
  const std::string degree_label = deg_text + "ﾟ ";
  std::string value = degree_label;
  double decimal = deg;
  bool complete = false;
  double min = 0;
  if (r[1].d != 0) {
    min = static_cast<double>(r[1].n) / r[1].d;
    min_text = FormatGeneral(min);
    value += min_text;
    decimal += min / 60;
  }
  if (r[2].n != 0) {
    const double sec = Quotient(r[2].n, r[2].d);
    sec_text = FormatGeneral(sec);
    if (sec < 10) value += "0";
    if (sec >= 100) value += "0";
    value += sec_text + " [DMS]";
    decimal += sec / 3600;
    complete = true;
  } else if (r[1].d != 0) {
    const double whole = std::trunc(min);
    const std::string frac_seconds = FormatFixed((min - whole) * 60, 2);
    min_text = std::to_string(Truncate(min));
    sec_text = frac_seconds;
    value += " [DM]   " + degree_label + min_text + "' " + frac_seconds + "\" [DMS]";
    complete = true;
  }
  texts[0] = deg_text;
  texts[1] = min_text;
  texts[2] = sec_text;
  coordinate = {true, complete, decimal};
  return value;
}

std::string TimeStampText(Reader& f, bool intel, const IfdEntry& e) {
  std::string out;
  for (const Rational& r : ReadRationals(f, intel, e, 3)) {
    if (!out.empty()) out += ":";
    out += TwoDigits(RoundNearest(Quotient(r.n, r.d)));
  }
  return out;
}

std::string RationalList(Reader& f, bool intel, const IfdEntry& e) {
  std::string out;
  for (const Rational& r : ReadRationals(f, intel, e, e.count)) {
    if (!out.empty()) out += ",";
    out += std::to_string(r.n) + "/" + std::to_string(r.d);
  }
  return out;
}

std::string RationalText(Reader& f, bool intel, const IfdEntry& e, TMakerResult& result,
                         GpsState& state) {
  switch (e.tag) {
    case kLatitude:
      return CoordinateText(f, intel, e, &result.Texts[kLatDegText], state.latitude);
    case kLongitude:
      return CoordinateText(f, intel, e, &result.Texts[kLonDegText], state.longitude);
    case kAltitude: {
      Rational r = ReadRationals(f, intel, e, 1)[0];
      return std::to_string(r.n) + "/" + std::to_string(r.d) + " メートル";
    }
    case kTimeStamp:
      return TimeStampText(f, intel, e);
    case kTrack:
    case kImgDirection:
    case kDestBearing: {
      Rational r = ReadRationals(f, intel, e, 1)[0];
      return FormatFixed(Quotient(r.n, r.d), 2) + "°";
    }
    default:
      return RationalList(f, intel, e);
  }
}

std::string AsciiText(Reader& f, const IfdEntry& e, TMakerResult& result, GpsState& state) {
  f.Seek(e.value_pos);
  std::string text = ReadTextSkipNul(f, e.count);
  switch (e.tag) {
    case kLatitudeRef:
      result.Texts[kLatRefText] = text;
      break;
    case kLongitudeRef:
      result.Texts[kLonRefText] = text;
      break;
    case kMapDatum:
      state.datum = text;
      break;
    case kTrackRef:
    case kImgDirectionRef:
    case kDestBearingRef:
      if (text.find('T') != std::string::npos) return "真方位";
      if (text.find('M') != std::string::npos) return "磁方位";
      break;
    default:
      break;
  }
  return text;
}

std::string ByteText(Reader& f, const IfdEntry& e) {
  f.Seek(e.value_pos);
  if (e.tag == kAltitudeRef) {
    const uint8_t b = ReadByte(f);
    return b == 0 ? std::string("海抜基準") : "予約(" + std::to_string(b) + ")";
  }
  std::string out;
  for (char c : ReadRaw(f, e.count)) {
    if (!out.empty()) out += ",";
    out += std::to_string(static_cast<uint8_t>(c));
  }
  return out;
}

std::string ProcessingMethodText(Reader& f, bool intel, const IfdEntry& e) {
  f.Seek(e.value_pos);
  const std::string code = ReadRaw(f, 8);
  const int64_t rest = int64_t{e.count} - 8;
  if (code.find("JIS") != std::string::npos) return ReadRaw(f, rest);
  if (code.find("UNICODE") != std::string::npos)
    return intel ? ReadUnicodeLE(f, rest) : ReadUnicodeBE(f, rest);
  if (code.find("ASCII") != std::string::npos) return ReadRaw(f, rest);
  return ReadTextSkipNul(f, rest);
}

std::string EntryValue(Reader& f, bool intel, const IfdEntry& e, TMakerResult& result,
                       GpsState& state) {
  switch (e.type) {
    case kTypeByte:
      return ByteText(f, e);
    case kTypeAscii:
      return AsciiText(f, e, result, state);
    case kTypeShort:
      f.Seek(e.value_pos);
      return std::to_string(ReadWord(f, intel));
    case kTypeLong:
      f.Seek(e.value_pos);
      return std::to_string(ReadLong(f, intel));
    case kTypeRational:
      return RationalText(f, intel, e, result, state);
    case kTypeUndefined:
      if (e.tag == kProcessingMethod && e.count >= 9) return ProcessingMethodText(f, intel, e);
      return std::to_string(e.count) + "Bytes";
    case kTypeSRational: {
      f.Seek(e.value_pos);
      uint32_t n = 0, d = 0;
      ReadRational(f, intel, n, d);
      return std::to_string(static_cast<int32_t>(n)) + "/" + std::to_string(static_cast<int32_t>(d));
    }
    default:
      return {};
  }
}

// Camera firmware pads the datum text with blanks.
bool IsWgs84(std::string datum) {
  while (!datum.empty() && (datum.back() == ' ' || datum.back() == '\0')) datum.pop_back();
  return datum == "WGS84" || datum == "WGS-84";
}

// Degrees, minutes and seconds with thousandths of a Tokyo-datum position.
void SetDmsTexts(double degrees, std::string* texts) {
  const int64_t ms = RoundNearest(degrees * 3600000.0);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.02" PRId64 ".%.03" PRId64, (ms / 1000) % 60, ms % 1000);
  texts[0] = std::to_string(ms / 3600000);
  texts[1] = std::to_string((ms / 60000) % 60);
  texts[2] = buf;
}

std::string ArcUnits(double degrees) { return std::to_string(RoundNearest(degrees * kArcUnitsPerDegree)); }

// The Tokyo rows and texts when the position is a complete WGS-84 one;
// otherwise the position in the file's own datum.
void DatumStep(const GpsState& state, TMakerResult& result) {
  const Coordinate& lat = state.latitude;
  const Coordinate& lon = state.longitude;
  if (IsWgs84(state.datum) && lat.complete && lon.complete) {
    try {
      const Geodetic tokyo = WGS84ToTokyo({lat.degrees, lon.degrees, 0});
      std::string lat_row = FormatDMS(tokyo.latitude);
      std::string lon_row = FormatDMS(tokyo.longitude);
      std::string lat_arc = ArcUnits(tokyo.latitude);
      std::string lon_arc = ArcUnits(tokyo.longitude);
      result.Add(0, "TOKYO測地系換算緯度", std::move(lat_row));
      result.Add(0, "TOKYO測地系換算経度", std::move(lon_row));
      result.Texts[kLatArcText] = std::move(lat_arc);
      result.Texts[kLonArcText] = std::move(lon_arc);
      SetDmsTexts(tokyo.latitude, &result.Texts[kLatDegText]);
      SetDmsTexts(tokyo.longitude, &result.Texts[kLonDegText]);
      return;
    } catch (const FloatError&) {
      // A position that does not convert is shown as read.
    }
  }
  if (!lat.decoded || !lon.decoded) return;
  try {
    std::string lon_arc = ArcUnits(lon.degrees);
    std::string lat_arc = ArcUnits(lat.degrees);
    result.Texts[kLonArcText] = std::move(lon_arc);
    result.Texts[kLatArcText] = std::move(lat_arc);
  } catch (const FloatError&) {
  }
}

// The bytes of the value that its text reads (lists and texts only).
uint64_t ReadCost(const IfdEntry& e) {
  if (e.is_inline) return 0;
  switch (e.type) {
    case kTypeByte:
    case kTypeAscii:
    case kTypeRational:
      return e.ByteSize();
    case kTypeUndefined:
      return e.tag == kProcessingMethod ? e.ByteSize() : 0;
    default:
      return 0;
  }
}

}  // namespace

void ReadGPS(Reader& f, bool intel, uint32_t base, uint64_t position, TMakerResult& result) {
  result.Count = 0;
  for (auto& text : result.Texts) text.clear();
  GpsState state;
  ValueBudget budget;
  f.Seek(position);
  const uint16_t n = ReadWord(f, intel);
  for (uint32_t i = 0; i < n; ++i) {
    const uint64_t entry_pos = position + 2 + 12 * uint64_t{i};
    f.Seek(entry_pos);
    const std::string raw = f.ReadString(12);
    const IfdEntry e =
        DecodeEntry(reinterpret_cast<const unsigned char*>(raw.data()), intel, base, entry_pos);
    std::string name = CodeTextOrUnknown(kGpsCaptions, e.tag);
    std::string value;
    try {
      if (budget.Take(ReadCost(e))) value = EntryValue(f, intel, e, result, state);
    } catch (const ReadError&) {
      value.clear();
    } catch (const FloatError&) {
      value.clear();
    }
    result.Add(e.tag, std::move(name), std::move(value));
    if (result.Count >= kGpsRowLimit) return;
  }
  DatumStep(state, result);
}

}  // namespace kelvane
