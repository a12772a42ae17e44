#include "engine/xmp/extended_xmp.h"

#include <algorithm>
#include <vector>

namespace kelvane::xmp {

namespace {

constexpr size_t kGuidLength = 32;

uint32_t BigEndian32(std::string_view b) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(b[i]);
  return v;
}

}  // namespace

std::optional<ExtendedChunk> ParseExtendedChunk(std::string_view behind_signature) {
  if (behind_signature.size() < kGuidLength + 8) return std::nullopt;
  ExtendedChunk c;
  c.guid = behind_signature.substr(0, kGuidLength);
  c.full_length = BigEndian32(behind_signature.substr(kGuidLength, 4));
  c.offset = BigEndian32(behind_signature.substr(kGuidLength + 4, 4));
  c.data = behind_signature.substr(kGuidLength + 8);
  return c;
}

JoinedExtension JoinExtendedXmp(std::span<const ExtendedChunk> chunks, std::string_view guid) {
  std::vector<const ExtendedChunk*> mine;
  for (const ExtendedChunk& c : chunks)
    if (c.guid == guid) mine.push_back(&c);
  JoinedExtension out;
  if (mine.empty()) return out;
  out.end = JoinEnd::kDamaged;
  std::stable_sort(mine.begin(), mine.end(),
                   [](const ExtendedChunk* a, const ExtendedChunk* b) { return a->offset < b->offset; });
  const uint64_t full = mine.front()->full_length;
  uint64_t covered = 0;
  for (const ExtendedChunk* c : mine) {
    if (c->full_length != full || c->offset != covered) return out;
    covered += c->data.size();
    if (covered > full) return out;
  }
  if (covered != full) return out;
  out.packet.reserve(static_cast<size_t>(full));
  for (const ExtendedChunk* c : mine) out.packet.append(c->data);
  out.end = JoinEnd::kJoined;
  return out;
}

}  // namespace kelvane::xmp
