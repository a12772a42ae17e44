#include "engine/text/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace kelvane {

namespace {

void RequireFinite(double v) {
  if (!std::isfinite(v)) throw FloatError();
}

// The doubles that convert to int64 without overflow.
void RequireWhole(double v) {
  RequireFinite(v);
  if (v >= 9223372036854775808.0 || v < -9223372036854775808.0) throw FloatError();
}

}  // namespace

double Quotient(double numerator, double denominator) {
  if (denominator == 0) throw FloatError();
  double q = numerator / denominator;
  RequireFinite(q);
  return q;
}

std::string FormatFixed(double v, int decimals) {
  RequireFinite(v);
  // Most values are whole numbers of tenths or hundredths (72/1, 28/10).
  // When v x 10^decimals comes out whole and well inside the range where
  // doubles are exact (below 2^40 their steps are at most 2^-12), the exact
  // product lies within 2^-13 of that whole number, so rounding it to
  // `decimals` places gives that number: its digits are the text.
  constexpr double kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  if (decimals >= 0 && decimals < static_cast<int>(std::size(kPowersOfTen))) {
    const double scaled = v * kPowersOfTen[decimals];
    if (std::fabs(scaled) < 0x1p40 && scaled == std::trunc(scaled) &&
        !(scaled == 0 && std::signbit(scaled))) {
      const auto whole = static_cast<int64_t>(std::fabs(scaled));
      const auto unit = static_cast<int64_t>(kPowersOfTen[decimals]);
      char buf[40];
      char* p = buf;
      if (scaled < 0) *p++ = '-';
      p = std::to_chars(p, buf + sizeof buf, whole / unit).ptr;
      if (decimals > 0) {
        *p++ = '.';
        int64_t fraction = whole % unit;
        for (int i = decimals - 1; i >= 0; --i, fraction /= 10) p[i] = static_cast<char>('0' + fraction % 10);
        p += decimals;
      }
      return std::string(buf, p);
    }
  }
  char buf[400];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) throw FloatError();
  return std::string(buf, r.ptr);
}

std::string FormatGeneral(double v) {
  RequireFinite(v);
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  if (r.ec != std::errc()) throw FloatError();
  return std::string(buf, r.ptr);
}

std::string FormatShortest(float v) {
  RequireFinite(v);
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  if (r.ec != std::errc()) throw FloatError();
  return std::string(buf, r.ptr);
}

int64_t RoundNearest(double v) {
  RequireFinite(v);
  double r = std::nearbyint(v);  // the default rounding mode: halves to even
  RequireWhole(r);
  return static_cast<int64_t>(r);
}

int64_t Truncate(double v) {
  RequireWhole(std::trunc(v));
  return static_cast<int64_t>(std::trunc(v));
}

std::string UnknownText(int64_t value) { return "Unknown (" + std::to_string(value) + ")"; }

}  // namespace kelvane
