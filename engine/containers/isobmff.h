// The one reader of ISO base media boxes (QuickTime atoms, MP4, 3GP,
// HEIF/AVIF, CR3, JPEG 2000): box headers with 32- and 64-bit sizes, a size
// of 0 meaning "to the end of the enclosing box", `uuid` boxes with their
// 16-byte user type, and full-box version and flags. Everything is read by
// seeking to a header; no box's payload is read unless a decoder asks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/reader/reader.h"

namespace kelvane::bmff {

// Nested boxes deeper than this are not entered.
inline constexpr int kMaxDepth = 32;

// A four-character code, most significant byte first.
constexpr uint32_t FourCC(const char (&s)[5]) {
  return uint32_t{static_cast<unsigned char>(s[0])} << 24 |
         uint32_t{static_cast<unsigned char>(s[1])} << 16 |
         uint32_t{static_cast<unsigned char>(s[2])} << 8 | uint32_t{static_cast<unsigned char>(s[3])};
}

struct Box {
  uint64_t start = 0;     // absolute position of the header
  uint64_t declared = 0;  // the size as stored (the 64-bit one for size 1)
  uint64_t size = 0;      // the whole box, header included; size 0 resolved
  uint32_t header = 8;    // 8, 16 with a 64-bit size, +16 for a uuid box
  uint32_t type = 0;
  std::array<unsigned char, 16> user_type{};  // uuid boxes only
  bool to_end = false;    // stored size 0: the box runs to its parent's end

  uint64_t payload() const { return start + header; }
  uint64_t end() const { return start + size; }
  uint64_t payload_size() const { return size - header; }
  bool Is(uint32_t t) const { return type == t; }
};

// The type's four bytes, as stored.
std::string TypeBytes(uint32_t type);
// The type as a row shows it: NULs dropped, printable ASCII kept, any other
// byte taken as Latin-1 (0xA9 is "©", as in "©day").
std::string TypeText(uint32_t type);

// Reads the header of the box at `at`, which lies inside a parent ending at
// `parent_end`. Returns nothing when the header does not fit in the parent
// or its size is smaller than its header or runs past the parent's end (a
// damaged box, where a walk stops). A header cut by the end of the file
// throws ReadError.
std::optional<Box> ReadBox(Reader& f, uint64_t at, uint64_t parent_end);

// The header's raw fields only (a lister showing what the file says): the
// 32-bit size, or the 64-bit one for size 1, and the type. Nothing is
// checked; `declared` is as stored and `size` equals it.
Box ReadRawHeader(Reader& f, uint64_t at, bool intel);

// A full box's version and flags, read at the box's payload; the file is
// left after them.
struct FullBoxHeader {
  uint8_t version = 0;
  uint32_t flags = 0;
};
FullBoxHeader ReadFullBoxHeader(Reader& f, const Box& box);

// Calls on_box(box) for each box in [from, end), in order, until on_box
// returns false or a box is damaged. At most `limit` boxes are visited.
template <typename OnBox>
void ForEachBox(Reader& f, uint64_t from, uint64_t end, OnBox on_box, int limit = 10000) {
  uint64_t at = from;
  for (int n = 0; n < limit && at < end; ++n) {
    const std::optional<Box> box = ReadBox(f, at, end);
    if (!box) return;
    if (!on_box(*box)) return;
    at = box->end();
  }
}

// The first child of `parent` (starting `skip` bytes into its payload: 4 for
// a full box such as `meta`) with the given type.
std::optional<Box> FindChild(Reader& f, const Box& parent, uint32_t type, uint64_t skip = 0);

// The box at the top of the file with the given type.
std::optional<Box> FindTopLevel(Reader& f, uint32_t type);

// The major brand and the compatible brands of a leading `ftyp` box.
struct FileType {
  uint32_t major = 0;
  std::string brands;  // "mif1, heic, ...", as the rows show them
  bool Has(uint32_t brand) const;
  std::array<uint32_t, 16> compatible{};
  int compatible_count = 0;
};
std::optional<FileType> ReadFileType(Reader& f);

// A big-endian unsigned integer of `bytes` (0, 4 or 8) bytes; 0 for 0.
uint64_t ReadSized(Reader& f, int bytes);

}  // namespace kelvane::bmff
