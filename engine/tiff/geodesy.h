// Geodetic conversions for the Tokyo datum rows: WGS-84 positions moved to
// the Tokyo datum (Bessel 1841 ellipsoid) by a fixed Cartesian shift.
#pragma once

#include <string>

namespace kelvane {

struct Ellipsoid {
  double semi_major_axis;        // metres
  double eccentricity_squared;  // first eccentricity squared
};

inline constexpr Ellipsoid kWgs84{6378137.0, 0.006694380002756626};
inline constexpr Ellipsoid kTokyoBessel{6377397.155, 0.006674372227347433};

// Added to WGS-84 Cartesian coordinates to reach the Tokyo datum (metres).
inline constexpr double kTokyoShiftX = 148.0;
inline constexpr double kTokyoShiftY = -507.0;
inline constexpr double kTokyoShiftZ = -681.0;

struct Cartesian {
  double x = 0, y = 0, z = 0;
};

struct Geodetic {
  double latitude = 0;   // degrees
  double longitude = 0;  // degrees
  double height = 0;     // metres
};

Cartesian GeodeticToCartesian(const Geodetic& g, const Ellipsoid& ellipsoid);

// One-step closed form (Bowring).
Geodetic CartesianToGeodetic(const Cartesian& c, const Ellipsoid& ellipsoid);

Geodetic WGS84ToTokyo(const Geodetic& wgs84);

// "%d/%.02d/%.02d.%.3d [DMS]" of degrees rounded to the thousandth of a
// second, e.g. 35/40/23.550 [DMS]. Throws FloatError for a non-finite value.
std::string FormatDMS(double degrees);

}  // namespace kelvane
