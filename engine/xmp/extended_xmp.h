// Extended XMP: a packet too large for one JPEG segment continues in APP1
// segments of its own ("http://ns.adobe.com/xmp/extension/"), each holding
// the GUID of the whole extension (the main packet names it in
// xmpNote:HasExtendedXMP), the extension's full length and the chunk's
// offset in it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelvane::xmp {

// The identifier that opens such a segment's data, its NUL included.
inline constexpr std::string_view kExtendedXmpSignature{"http://ns.adobe.com/xmp/extension/\0",
                                                        35};
// The identifier of the main packet's segment.
inline constexpr std::string_view kMainXmpSignature{"http://ns.adobe.com/xap/1.0/\0", 29};

struct ExtendedChunk {
  std::string_view guid;  // 32 hex digits, as stored
  uint32_t full_length = 0;
  uint32_t offset = 0;
  std::string_view data;
};

// A segment's data behind the signature: the GUID, the full length, the
// offset and the chunk. Nothing when it is too short to hold them.
std::optional<ExtendedChunk> ParseExtendedChunk(std::string_view behind_signature);

enum class JoinEnd {
  kJoined,
  kMissing,   // no chunk carries the GUID
  kDamaged,   // the chunks disagree on the length, overlap, or leave gaps
};

struct JoinedExtension {
  JoinEnd end = JoinEnd::kMissing;
  std::string packet;
};

// The extension named `guid`, joined from the chunks that carry it; chunks
// of other GUIDs are left out. The whole is made only once its chunks are
// known to cover it exactly, so a length claimed but not held is never
// allocated.
JoinedExtension JoinExtendedXmp(std::span<const ExtendedChunk> chunks, std::string_view guid);

}  // namespace kelvane::xmp
