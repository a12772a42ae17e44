#include "engine/tiff/exif_rules_modern.h"

#include <algorithm>
#include <optional>

#include "engine/reader/primitives.h"
#include "engine/text/number_text.h"

namespace kelvane::ifd_rule {

namespace {

constexpr const char* kUnknownValue = "不明";
constexpr uint32_t kAllOnes = 0xFFFFFFFF;

// A decimal number with at most two decimals and no trailing zeros: 24,
// 3.99, 1.54 (807365/524263).
std::string ShortDecimal(double v) {
  std::string text = FormatFixed(v, 2);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") return "0";
  return text;
}

// The i-th of the entry's rationals as a positive number, or nothing when
// the value holds no such rational or stores it as unknown (a zero
// numerator or denominator).
std::optional<double> PositiveRational(const ValueNumbers& words, size_t i) {
  if (2 * i + 1 >= words.size()) return std::nullopt;
  const uint32_t n = words[2 * i];
  const uint32_t d = words[2 * i + 1];
  if (n == 0 || d == 0) return std::nullopt;
  return static_cast<double>(n) / d;
}

// "a-b" of two known ends, one end alone when the other is unknown or
// reads the same, or nothing.
std::string Range(std::optional<double> low, std::optional<double> high) {
  if (!low && !high) return {};
  if (!low) return ShortDecimal(*high);
  const std::string low_text = ShortDecimal(*low);
  if (!high) return low_text;
  const std::string high_text = ShortDecimal(*high);
  return low_text == high_text ? low_text : low_text + "-" + high_text;
}

// The first rational, signed for SRATIONAL, or nothing when it is stored as
// unknown.
std::optional<double> MeasuredValue(TiffWalk& w, const IfdEntry& e) {
  w.f.Seek(ValuePos(e));
  uint32_t n = 0, d = 0;
  ReadRational(w.f, w.intel, n, d);
  if (d == 0 || d == kAllOnes || (n == kAllOnes && d == 1)) return std::nullopt;
  if (e.type == kTypeSRational)
    return static_cast<double>(static_cast<int32_t>(n)) / static_cast<int32_t>(d);
  return static_cast<double>(n) / d;
}

std::string MeasuredText(TiffWalk& w, const IfdEntry& e, const char* unit) {
  const std::optional<double> v = MeasuredValue(w, e);
  if (!v) return kUnknownValue;
  return ShortDecimal(*v) + unit;
}

}  // namespace

std::string LensSpecification(TiffWalk& w, const IfdEntry& e) {
  const uint64_t held = std::min<uint64_t>(e.count, 4);
  const ValueNumbers words = ReadNumbers(w.f, w.intel, ValuePos(e), held * 2, 4);
  const std::string focal = Range(PositiveRational(words, 0), PositiveRational(words, 1));
  const std::string aperture = Range(PositiveRational(words, 2), PositiveRational(words, 3));
  if (focal.empty() && aperture.empty()) return kUnknownValue;
  if (aperture.empty()) return focal + "mm";
  if (focal.empty()) return "F" + aperture;
  return focal + "mm F" + aperture;
}

std::string Gamma(TiffWalk& w, const IfdEntry& e) { return MeasuredText(w, e, ""); }

std::string Temperature(TiffWalk& w, const IfdEntry& e) { return MeasuredText(w, e, "℃"); }
std::string Humidity(TiffWalk& w, const IfdEntry& e) { return MeasuredText(w, e, "%"); }
std::string Pressure(TiffWalk& w, const IfdEntry& e) { return MeasuredText(w, e, "hPa"); }
std::string WaterDepth(TiffWalk& w, const IfdEntry& e) { return MeasuredText(w, e, "m"); }
std::string Acceleration(TiffWalk& w, const IfdEntry& e) { return MeasuredText(w, e, "mGal"); }
std::string ElevationAngle(TiffWalk& w, const IfdEntry& e) { return MeasuredText(w, e, "°"); }

}  // namespace kelvane::ifd_rule
