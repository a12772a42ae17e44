#include "engine/tiff/geodesy.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>

#include "engine/text/number_text.h"

namespace kelvane {

namespace {
constexpr double kDegreesToRadians = 0.017453292519943295;
}  // namespace

Cartesian GeodeticToCartesian(const Geodetic& g, const Ellipsoid& ellipsoid) {
  const double phi = g.latitude * kDegreesToRadians;
  const double lambda = g.longitude * kDegreesToRadians;
  const double a = ellipsoid.semi_major_axis;
  const double e2 = ellipsoid.eccentricity_squared;
  const double sin_phi = std::sin(phi);
  const double n = a / std::sqrt(1 - e2 * sin_phi * sin_phi);
  return {(n + g.height) * std::cos(phi) * std::cos(lambda),
          (n + g.height) * std::cos(phi) * std::sin(lambda), (n * (1 - e2) + g.height) * sin_phi};
}

Geodetic CartesianToGeodetic(const Cartesian& c, const Ellipsoid& ellipsoid) {
  const double a = ellipsoid.semi_major_axis;
  const double e2 = ellipsoid.eccentricity_squared;
  const double p = std::sqrt(c.x * c.x + c.y * c.y);
  const double theta = std::atan2(c.z, p * std::sqrt(1 - e2));
  const double sin_theta = std::sin(theta);
  const double cos_theta = std::cos(theta);
  const double phi = std::atan2(c.z + (e2 * a / std::sqrt(1 - e2)) * sin_theta * sin_theta * sin_theta,
                                p - e2 * a * cos_theta * cos_theta * cos_theta);
  const double lambda = std::atan2(c.y, c.x);
  const double sin_phi = std::sin(phi);
  const double n = a / std::sqrt(1 - e2 * sin_phi * sin_phi);
  return {phi / kDegreesToRadians, lambda / kDegreesToRadians, p / std::cos(phi) - n};
}

Geodetic WGS84ToTokyo(const Geodetic& wgs84) {
  Cartesian c = GeodeticToCartesian(wgs84, kWgs84);
  c.x += kTokyoShiftX;
  c.y += kTokyoShiftY;
  c.z += kTokyoShiftZ;
  return CartesianToGeodetic(c, kTokyoBessel);
}

std::string FormatDMS(double degrees) {
  const int64_t ms = RoundNearest(degrees * 3600000.0);
  char buf[96];
  std::snprintf(buf, sizeof buf, "%" PRId64 "/%.02" PRId64 "/%.02" PRId64 ".%.3" PRId64 " [DMS]",
                ms / 3600000, (ms / 60000) % 60, (ms / 1000) % 60, ms % 1000);
  return buf;
}

}  // namespace kelvane
