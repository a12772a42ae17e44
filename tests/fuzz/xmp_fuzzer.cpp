// A libFuzzer target for the XMP reader: the input as a packet, and the
// same bytes cut into Extended XMP chunks joined by the first one's GUID.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/xmp/extended_xmp.h"
#include "engine/xmp/xmp_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvane::xmp;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // One input byte picks the view, so the abbreviated rows are made too.
  const bool abbreviated = size > 0 && (data[size - 1] & 1) != 0;
  std::vector<ExtendedChunk> chunks;
  constexpr size_t kPiece = 96;
  for (size_t at = 0; at < bytes.size(); at += kPiece)
    if (auto chunk = ParseExtendedChunk(bytes.substr(at, kPiece))) chunks.push_back(*chunk);
  MakeXmpRows(bytes, chunks, abbreviated);
  if (!chunks.empty()) JoinExtendedXmp(chunks, chunks.front().guid);
  return 0;
}
