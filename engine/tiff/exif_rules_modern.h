// The value rules of the newer Exif tags (LensSpecification, the shooting
// conditions such as Temperature and WaterDepth, Gamma): each a named
// function from an entry to its text, as in exif_rules.h.
#pragma once

#include <string>

#include "engine/tiff/ifd_entry.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane::ifd_rule {

// RATIONAL, four values: shortest and longest focal length, and the
// F-numbers at them. "24-105mm F4", "18-55mm F3.5-5.6", "50mm F1.8"; a part
// stored as 0/0 (or n/0, 0/n) is left out; nothing known is "不明".
std::string LensSpecification(TiffWalk& w, const IfdEntry& e);

// RATIONAL: the gamma as a decimal number ("2.2").
std::string Gamma(TiffWalk& w, const IfdEntry& e);

// RATIONAL or SRATIONAL, the first value with its unit. A zero or all-ones
// denominator, and all-ones over one, mean the camera did not know it:
// "不明".
std::string Temperature(TiffWalk& w, const IfdEntry& e);     // "12.5℃"
std::string Humidity(TiffWalk& w, const IfdEntry& e);        // "45%"
std::string Pressure(TiffWalk& w, const IfdEntry& e);        // "1013hPa"
std::string WaterDepth(TiffWalk& w, const IfdEntry& e);      // "-3.5m"
std::string Acceleration(TiffWalk& w, const IfdEntry& e);    // "980.6mGal"
std::string ElevationAngle(TiffWalk& w, const IfdEntry& e);  // "-12.5°"

}  // namespace kelvane::ifd_rule
