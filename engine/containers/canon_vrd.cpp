#include "engine/containers/canon_vrd.h"

#include <string_view>

#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr std::string_view kSignature{"CANON OPTIONAL DATA\0", 20};
constexpr uint64_t kHeaderSize = 28;  // the signature, a version, the blocks' length at 24
constexpr uint64_t kFooterSize = 64;
constexpr uint32_t kXmpBlock = 0xFFFF00F6;
constexpr int kMaxBlocks = 64;

}  // namespace

ItemSpan FindCanonVrdXmp(Reader& f) {
  ItemSpan found;
  try {
    if (f.Size() < kHeaderSize + kFooterSize) return found;
    const uint64_t footer = f.Size() - kFooterSize;
    f.Seek(footer);
    if (ReadRaw(f, 20) != kSignature) return found;
    // The footer repeats the blocks' length right after its signature (the
    // header has it after a version, at 24); the two must agree.
    f.Seek(footer + 20);
    const uint64_t length = ReadValue(f, false, 4);
    if (length > footer - kHeaderSize) return found;
    const uint64_t header = footer - length - kHeaderSize;
    f.Seek(header);
    if (ReadRaw(f, 20) != kSignature) return found;
    f.Seek(header + 24);
    if (ReadValue(f, false, 4) != length) return found;
    uint64_t at = header + kHeaderSize;
    const uint64_t end = at + length;
    for (int n = 0; n < kMaxBlocks && end - at >= 8; ++n) {
      f.Seek(at);
      const uint32_t id = ReadValue(f, false, 4);
      const uint64_t size = ReadValue(f, false, 4);
      if (size > end - at - 8) break;
      if (id == kXmpBlock) return {at + 8, size};
      at += 8 + size;
    }
  } catch (const ReadError&) {
    // A trailer cut short holds nothing.
  }
  return found;
}

}  // namespace kelvane
