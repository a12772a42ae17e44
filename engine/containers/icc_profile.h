// ICC colour profiles: where a file keeps one, and the rows of its header
// and of the tags people read (description, copyright, white point,
// primaries, tone curves, luminance, adaptation matrix).
#pragma once

#include <cstdint>
#include <string>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The most of a profile that is read (a larger one shows what lies in
// front of the cut, and the damaged row).
inline constexpr uint64_t kMaxIccProfile = uint64_t{16} << 20;

// Where a file holds its ICC profile: a run of bytes in the file (raw or a
// zlib stream), or the bytes put together from pieces (JPEG APP2 chunks).
// `damaged` says the pieces did not add up; what they gave is still read.
struct IccPlace {
  enum class Coding { kPlain, kZlib };
  uint64_t pos = 0;  // absolute
  uint64_t length = 0;
  Coding coding = Coding::kPlain;
  std::string gathered;
  bool damaged = false;

  bool Found() const { return length != 0 || !gathered.empty() || damaged; }
  // Keeps the first profile found.
  void Note(uint64_t at, uint64_t size, Coding how = Coding::kPlain) {
    if (Found() || at == 0 || size == 0) return;
    pos = at;
    length = size;
    coding = how;
  }
};

// The caption of the profile's group.
inline constexpr const char* kIccCaption = "ICCプロファイル";

// The rows of the profile of `length` bytes at `pos`: never a byte beyond
// them or beyond the file. A profile that is cut short or whose sizes and
// offsets do not fit shows what could be read and ends with the damaged
// row; the answer is false then.
bool ReadIccProfile(Reader& f, uint64_t pos, uint64_t length, TMakerResult& out);

}  // namespace kelvane
