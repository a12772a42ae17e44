#include "engine/tiff/gps.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/reader/primitives.h"
#include "engine/tiff/geodesy.h"
#include "engine/tiff/directory_walk.h"
#include "engine/tiff/exif_rules.h"
#include "engine/tiff/tag_table.h"
#include "engine/tiff/ifd_entry.h"
#include "engine/text/number_text.h"

namespace kelvane {

namespace {

constexpr int32_t kGpsRowLimit = 100;
constexpr double kArcUnitsPerDegree = 3600.0 * 256.0;

// One coordinate as the walk decoded it.
struct Coordinate {
  bool decoded = false;   // the degrees could be read
  bool complete = false;  // minutes and seconds, or decimal minutes, were read too
  double degrees = 0;     // unsigned decimal degrees
};

// The GPS walk at work, handed to the value rules of the GPS tag table.
struct GpsWalk {
  Reader& f;
  bool intel;
  TMakerResult& result;
  Coordinate latitude;
  Coordinate longitude;
  std::string datum;
};

// A RATIONAL, or an SRATIONAL with its signs.
struct Rational {
  int64_t n = 0;
  int64_t d = 0;
};

// Up to `wanted` rationals of the value; those the entry does not hold are
// 0/0. Nothing after the entry's own values is read.
std::vector<Rational> ReadRationals(Reader& f, bool intel, const IfdEntry& e, uint32_t wanted) {
  const uint32_t held = std::min(e.count, wanted);
  const ValueNumbers words = ReadNumbers(f, intel, ValuePos(e), uint64_t{held} * 2, 4);
  const bool is_signed = e.type == kTypeSRational;
  auto word = [&](size_t i) -> int64_t {
    return is_signed ? int64_t{static_cast<int32_t>(words[i])} : int64_t{words[i]};
  };
  std::vector<Rational> out(wanted);
  for (uint32_t i = 0; i < held; ++i) out[i] = {word(2 * i), word(2 * i + 1)};
  return out;
}

double QuotientOf(const Rational& r) {
  return Quotient(static_cast<double>(r.n), static_cast<double>(r.d));
}

// Minutes and seconds in a DMS text have two whole digits, so that the
// minutes and the seconds written one after the other read back apart:
// 51 deg 1' 30" is "51ﾟ 0130", never "51ﾟ 130".
std::string TwoWholeDigits(const std::string& text) {
  auto digit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  const bool one_digit = digit(0) && !digit(1) && text.find('e') == std::string::npos;
  return one_digit ? "0" + text : text;
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
  const double deg = QuotientOf(r[0]);
  std::string deg_text = FormatGeneral(deg);
  std::string min_text;
  std::string sec_text;
  const std::string degree_label = deg_text + "ﾟ ";
  std::string value = degree_label;
  double decimal = deg;
  bool complete = false;
  double min = 0;
  if (r[1].d != 0) {
    min = QuotientOf(r[1]);
    min_text = FormatGeneral(min);
    value += TwoWholeDigits(min_text);
    decimal += min / 60;
  }
  if (r[2].n != 0) {
    const double sec = QuotientOf(r[2]);
    sec_text = FormatGeneral(sec);
    if (sec >= 100) value += "0";
    value += TwoWholeDigits(sec_text) + " [DMS]";
    decimal += sec / 3600;
    complete = true;
  } else if (r[1].d != 0) {
    const double whole = std::trunc(min);
    const std::string frac_seconds = FormatFixed((min - whole) * 60, 2);
    min_text = std::to_string(Truncate(min));
    sec_text = frac_seconds;
    value += " [DM]   " + degree_label + TwoWholeDigits(min_text) + "' " +
             TwoWholeDigits(frac_seconds) + "\" [DMS]";
    complete = true;
  }
  // An SRATIONAL degree below zero: the texts for the map and the decimal
  // position carry the size alone, as the hemisphere is the reference's
  // (a minus here and an "S" there would give the link two minus signs).
  if (deg < 0) {
    deg_text = FormatGeneral(-deg);
    auto unsigned_text = [](std::string& t) {
      if (!t.empty() && t[0] == '-') t.erase(0, 1);
    };
    unsigned_text(min_text);
    unsigned_text(sec_text);
    decimal = -deg + std::fabs(decimal - deg);
  }
  texts[0] = deg_text;
  texts[1] = min_text;
  texts[2] = sec_text;
  coordinate = {true, complete, decimal};
  return value;
}

std::string RationalList(Reader& f, bool intel, const IfdEntry& e) {
  std::string out;
  for (const Rational& r : ReadRationals(f, intel, e, e.count)) {
    if (!out.empty()) out += ",";
    out += std::to_string(r.n) + "/" + std::to_string(r.d);
  }
  return out;
}

// ---- plain texts by type ----

std::string PlainGpsText(GpsWalk& w, const IfdEntry& e) {
  Reader& f = w.f;
  switch (e.type) {
    case kTypeByte: {
      f.Seek(ValuePos(e));
      std::string out;
      for (char c : ReadRaw(f, e.count)) {
        if (!out.empty()) out += ",";
        out += std::to_string(static_cast<uint8_t>(c));
      }
      return out;
    }
    case kTypeAscii:
      f.Seek(ValuePos(e));
      return ReadAsciiValue(f, e.count);
    case kTypeShort:
      f.Seek(ValuePos(e));
      return std::to_string(ReadWord(f, w.intel));
    case kTypeLong:
      f.Seek(ValuePos(e));
      return std::to_string(ReadLong(f, w.intel));
    case kTypeRational:
    case kTypeSRational:
      return RationalList(f, w.intel, e);
    case kTypeUndefined:
      return std::to_string(e.count) + "Bytes";
    // The signed twins of SHORT and LONG, and IFD, as those are: the first
    // value; SBYTE, FLOAT and DOUBLE as lists, as the IFD shows them.
    case kTypeSShort:
    case kTypeSLong:
    case kTypeIfd:
      return std::to_string(FirstInteger(f, w.intel, e));
    case kTypeSByte:
    case kTypeFloat:
    case kTypeDouble:
      return PlainIfdText(f, w.intel, e);
    default:
      return {};
  }
}

// The bytes of the value that its plain text reads (lists and texts only).
uint64_t PlainGpsCost(const IfdEntry& e) {
  if (e.is_inline) return 0;
  switch (e.type) {
    case kTypeByte:
    case kTypeAscii:
    case kTypeRational:
    case kTypeSRational:
    case kTypeSByte:
    case kTypeFloat:
    case kTypeDouble:
      return e.ByteSize();
    default:
      return 0;
  }
}

// ---- the rules of the GPS tag table ----

namespace gps_rule {

std::string Latitude(GpsWalk& w, const IfdEntry& e) {
  return CoordinateText(w.f, w.intel, e, &w.result.Texts[gps_text::kLatitudeDeg], w.latitude);
}

std::string Longitude(GpsWalk& w, const IfdEntry& e) {
  return CoordinateText(w.f, w.intel, e, &w.result.Texts[gps_text::kLongitudeDeg], w.longitude);
}

std::string LatitudeRef(GpsWalk& w, const IfdEntry& e) {
  return w.result.Texts[gps_text::kLatitudeRef] = PlainGpsText(w, e);
}

std::string LongitudeRef(GpsWalk& w, const IfdEntry& e) {
  return w.result.Texts[gps_text::kLongitudeRef] = PlainGpsText(w, e);
}

std::string MapDatum(GpsWalk& w, const IfdEntry& e) { return w.datum = PlainGpsText(w, e); }

// "T" true north, "M" magnetic north.
std::string DirectionRef(GpsWalk& w, const IfdEntry& e) {
  std::string text = PlainGpsText(w, e);
  if (text.find('T') != std::string::npos) return "真方位";
  if (text.find('M') != std::string::npos) return "磁方位";
  return text;
}

std::string AltitudeRef(GpsWalk& w, const IfdEntry& e) {
  w.f.Seek(ValuePos(e));
  const uint8_t b = ReadByte(w.f);
  if (b == 0) return "海抜基準";
  if (b == 1) return "海面下";
  return "予約(" + std::to_string(b) + ")";
}

std::string Altitude(GpsWalk& w, const IfdEntry& e) {
  const Rational r = ReadRationals(w.f, w.intel, e, 1)[0];
  return std::to_string(r.n) + "/" + std::to_string(r.d) + " メートル";
}

// GPSHPositioningError: the horizontal error of the position in metres.
std::string PositioningError(GpsWalk& w, const IfdEntry& e) {
  const Rational r = ReadRationals(w.f, w.intel, e, 1)[0];
  if (r.d == 0) return PlainGpsText(w, e);
  return FormatGeneral(QuotientOf(r)) + " メートル";
}

std::string TimeStamp(GpsWalk& w, const IfdEntry& e) {
  std::string out;
  for (const Rational& r : ReadRationals(w.f, w.intel, e, 3)) {
    if (!out.empty()) out += ":";
    out += TwoDigits(RoundNearest(QuotientOf(r)));
  }
  return out;
}

std::string Direction(GpsWalk& w, const IfdEntry& e) {
  const Rational r = ReadRationals(w.f, w.intel, e, 1)[0];
  return FormatFixed(QuotientOf(r), 2) + "°";
}

// A character-coded text: 8 bytes naming the code, then the text.
std::string ProcessingMethod(GpsWalk& w, const IfdEntry& e) {
  if (e.count < 9) return PlainGpsText(w, e);
  Reader& f = w.f;
  f.Seek(ValuePos(e));
  const std::string code = ReadRaw(f, 8);
  const int64_t rest = int64_t{e.count} - 8;
  if (code.find("JIS") != std::string::npos) return ReadRaw(f, rest);
  if (code.find("UNICODE") != std::string::npos)
    return w.intel ? ReadUnicodeLE(f, rest) : ReadUnicodeBE(f, rest);
  if (code.find("ASCII") != std::string::npos) return ReadRaw(f, rest);
  return ReadTextSkipNul(f, rest);
}

}  // namespace gps_rule
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
void DatumStep(const GpsWalk& state, TMakerResult& result) {
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
      result.Texts[gps_text::kLatitudeArc] = std::move(lat_arc);
      result.Texts[gps_text::kLongitudeArc] = std::move(lon_arc);
      SetDmsTexts(tokyo.latitude, &result.Texts[gps_text::kLatitudeDeg]);
      SetDmsTexts(tokyo.longitude, &result.Texts[gps_text::kLongitudeDeg]);
      return;
    } catch (const FloatError&) {
      // A position that does not convert is shown as read.
    }
  }
  if (!lat.decoded || !lon.decoded) return;
  try {
    std::string lon_arc = ArcUnits(lon.degrees);
    std::string lat_arc = ArcUnits(lat.degrees);
    result.Texts[gps_text::kLongitudeArc] = std::move(lon_arc);
    result.Texts[gps_text::kLatitudeArc] = std::move(lat_arc);
  } catch (const FloatError&) {
  }
}

constexpr TypeSet kByte = Types({kTypeByte});
constexpr TypeSet kAscii = Types({kTypeAscii});
// The RATIONAL rules read an SRATIONAL too, with its signs.
constexpr TypeSet kRational = Types({kTypeRational, kTypeSRational});
constexpr TypeSet kUndefined = Types({kTypeUndefined});
using GpsTag = TagRow<GpsWalk>;

// The GPS IFD's tags; a tag the table does not name is "Unknown (n)". The
// rows of the position, altitude and time, and of speed through the
// destination distance, are basic rows; the rest are detail rows.
constexpr GpsTag kGpsTags[] = {
    {.tag = 0, .name = "GPSタグバージョン"},
    {.tag = 1, .name = "緯度(N/S)", .rule = Rule<GpsWalk>(kAscii, gps_rule::LatitudeRef), .style = kStyleBasic},
    {.tag = 2, .name = "緯度(数値)", .rule = Rule<GpsWalk>(kRational, gps_rule::Latitude), .style = kStyleBasic},
    {.tag = 3, .name = "経度(E/W)", .rule = Rule<GpsWalk>(kAscii, gps_rule::LongitudeRef), .style = kStyleBasic},
    {.tag = 4, .name = "経度(数値)", .rule = Rule<GpsWalk>(kRational, gps_rule::Longitude), .style = kStyleBasic},
    {.tag = 5, .name = "高度基準", .rule = Rule<GpsWalk>(kByte, gps_rule::AltitudeRef), .style = kStyleBasic},
    {.tag = 6, .name = "高度(数値)", .rule = Rule<GpsWalk>(kRational, gps_rule::Altitude), .style = kStyleBasic},
    {.tag = 7, .name = "GPS時間(UTC)", .rule = Rule<GpsWalk>(kRational, gps_rule::TimeStamp), .style = kStyleBasic},
    {.tag = 8, .name = "測位につかった衛星情報"},
    {.tag = 9, .name = "GPS受信機の状態"},
    {.tag = 10, .name = "GPSの測位方法"},
    {.tag = 11, .name = "測位の信頼性"},
    {.tag = 12, .name = "速度の単位", .style = kStyleBasic},
    {.tag = 13, .name = "速度(数値)", .style = kStyleBasic},
    {.tag = 14, .name = "進行方向基準", .rule = Rule<GpsWalk>(kAscii, gps_rule::DirectionRef), .style = kStyleBasic},
    {.tag = 15, .name = "進行方向(数値)", .rule = Rule<GpsWalk>(kRational, gps_rule::Direction), .style = kStyleBasic},
    {.tag = 16, .name = "撮影した画像の方向基準", .rule = Rule<GpsWalk>(kAscii, gps_rule::DirectionRef), .style = kStyleBasic},
    {.tag = 17, .name = "撮影した画像の方向", .rule = Rule<GpsWalk>(kRational, gps_rule::Direction), .style = kStyleBasic},
    {.tag = 18, .name = "測地系", .rule = Rule<GpsWalk>(kAscii, gps_rule::MapDatum), .style = kStyleBasic},
    {.tag = 19, .name = "目的地の緯度(N/S)", .style = kStyleBasic},
    {.tag = 20, .name = "目的地の緯度(数値)", .style = kStyleBasic},
    {.tag = 21, .name = "目的地の経度(E/W)", .style = kStyleBasic},
    {.tag = 22, .name = "目的地の経度(数値)", .style = kStyleBasic},
    {.tag = 23, .name = "目的地の方角基準", .rule = Rule<GpsWalk>(kAscii, gps_rule::DirectionRef), .style = kStyleBasic},
    {.tag = 24, .name = "目的地の方角", .rule = Rule<GpsWalk>(kRational, gps_rule::Direction), .style = kStyleBasic},
    {.tag = 25, .name = "目的地までの距離の単位", .style = kStyleBasic},
    {.tag = 26, .name = "目的地までの距離"},
    {.tag = 27, .name = "GPS処理方法", .rule = Rule<GpsWalk>(kUndefined, gps_rule::ProcessingMethod, ReadCost::kWhole)},
    {.tag = 28, .name = "GPS地域情報"},
    {.tag = 29, .name = "タイムスタンプ"},
    {.tag = 30, .name = "GPS補正情報"},
    {.tag = 31, .name = "水平方向測位誤差", .rule = Rule<GpsWalk>(kRational, gps_rule::PositioningError)},
    {.tag = 32, .style = kStyleBasic},
};
static_assert(IsWellFormedTable<GpsWalk>(kGpsTags));

// Entries are read as the walk reaches them: a table cut short after the
// row limit is no error.
constexpr DirectoryRules kGpsRules{.max_rows = kGpsRowLimit, .whole_table = false};

// The GPS tag table read by the one walker.
class GpsKind {
 public:
  explicit GpsKind(GpsWalk& w) : w_(w) {}

  const GpsTag* Find(const IfdEntry& e) const { return FindTagRow<GpsWalk>(kGpsTags, e.tag); }

  uint64_t Cost(const GpsTag* row, const IfdEntry& e) const {
    if (e.is_inline || !row || !row->rule.AppliesTo(e.type)) return PlainGpsCost(e);
    switch (row->rule.cost) {
      case ReadCost::kNone: return 0;
      case ReadCost::kWhole: return e.ByteSize();
      case ReadCost::kAsType: break;
    }
    return PlainGpsCost(e);
  }

  std::string Value(const GpsTag* row, const IfdEntry& e) {
    if (row && row->rule.AppliesTo(e.type)) return row->rule.text(w_, e);
    return PlainGpsText(w_, e);
  }

  void Add(const GpsTag* row, const IfdEntry& e, std::string value) {
    const RowStyle style = row ? row->style : kStyleDetail;
    if (row && !row->name.empty())
      w_.result.Add(e.tag, TableName{row->name}, std::move(value), style);
    else
      w_.result.Add(e.tag, UnknownText(e.tag), std::move(value), style);
  }

  int32_t Rows() const { return w_.result.Count; }

 private:
  GpsWalk& w_;
};

}  // namespace

void ReadGPS(Reader& f, bool intel, uint32_t base, uint64_t position, TMakerResult& result) {
  result.Count = 0;
  for (auto& text : result.Texts) text.clear();
  GpsWalk w{f, intel, result, {}, {}, {}};
  GpsKind kind(w);
  const WalkResult walk = WalkDirectory(f, intel, base, position, kGpsRules, kind);
  if (walk.end == WalkEnd::kCutShort) throw ReadError("GPS entry table past the end of the file");
  // A GPS IFD cut at the row limit shows no Tokyo rows.
  if (result.Count >= kGpsRowLimit) return;
  DatumStep(w, result);
}

}  // namespace kelvane
