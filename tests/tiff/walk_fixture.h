// Walks one IFD built in memory: a TIFF header followed by the IFD at 8.
#pragma once

#include <string>

#include "engine/reader/reader.h"
#include "engine/tiff/ifd_walker.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane::testing {

struct Walk {
  TSubIFDResult result;
  TempData temp;
  int32_t maker_code = 0;
  uint64_t end_position = 0;  // where the walk left the file

  // The value of the first row with `tag` ("<no row>" when there is none).
  std::string Value(int32_t tag) const {
    for (int32_t i = 0; i < result.Count; ++i)
      if (result.Items[static_cast<size_t>(i)].Tag == tag) return result.Items[static_cast<size_t>(i)].Value;
    return "<no row>";
  }
  std::string Name(int32_t tag) const {
    for (int32_t i = 0; i < result.Count; ++i)
      if (result.Items[static_cast<size_t>(i)].Tag == tag) return result.Items[static_cast<size_t>(i)].Name;
    return "<no row>";
  }
};

// `trailer` is appended after the IFD (for values placed by hand).
inline Walk WalkIfd(const fixtures::Ifd& ifd, bool intel, std::string trailer = {}) {
  Walk w;
  std::string file = fixtures::TiffHeader(intel) + ifd.Build(intel, 8) + trailer;
  MemoryReader f(file);
  ReadIFD(f, intel, 0, 8, w.maker_code, w.temp, w.result);
  w.end_position = f.Position();
  return w;
}

}  // namespace kelvane::testing
