// Bounded decompression of a stream stored in the file: zlib (PNG zTXt and
// iTXt) and brotli (JPEG XL "brob" boxes). Every call stops at a fixed
// output cap, however far the stream would inflate; the compressed bytes
// are read from the file in small pieces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/reader/reader.h"

namespace kelvane {

// The most any one stream is inflated to.
inline constexpr size_t kDecompressCap = size_t{4} << 20;

struct Decompressed {
  std::string bytes;     // what came out, at most the cap asked for
  bool complete = false; // the stream ended, within the cap
  bool capped = false;   // the output reached the cap (the rest is left)
  // Neither: the stream is damaged or cut short; `bytes` holds what came
  // out before that.
};

// The zlib stream of `length` bytes at the absolute `position`. The bytes
// must lie in the file (ReadError otherwise, before anything is inflated).
Decompressed InflateZlib(Reader& f, uint64_t position, uint64_t length,
                         size_t cap = kDecompressCap);

// True when this build decodes brotli (the Windows build may not).
bool CanDecompressBrotli();
// The brotli stream of `length` bytes at `position`, as InflateZlib; a
// build without brotli returns nothing decoded.
Decompressed DecompressBrotli(Reader& f, uint64_t position, uint64_t length,
                              size_t cap = kDecompressCap);

}  // namespace kelvane
