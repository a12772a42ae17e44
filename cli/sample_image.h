// The photo kelvane-info shows when it is given no file: a small JPEG with
// Exif, GPS, a comment and a thumbnail, built in memory.
#pragma once

#include <string>

namespace kelvane::cli {

inline constexpr const char* kSampleName = "kelvane-sample.jpg";

std::string SampleImage();

}  // namespace kelvane::cli
