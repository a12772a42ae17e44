#include "engine/text/number_text.h"

#include <charconv>
#include <cmath>

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

}  // namespace kelvane
