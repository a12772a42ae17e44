// Just enough TIFF reading for the tests that run the block decoders over
// real files: find the TIFF header and an entry of an IFD. The files come
// from the folder named by KELVANE_CORPUS.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/support/corpus.h"

namespace kelvane::corpus_peek {

// The corpus folder (tests/support/corpus.h), or empty when there is none.
inline std::string Folder() { return testing::CorpusFolder().string(); }

inline std::string Path(const std::string& name) { return testing::CorpusFile(name).string(); }

inline std::string Contents(const std::string& name) {
  std::ifstream in(Path(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Tiff {
  uint64_t base = 0;
  bool intel = false;
};

// The first "II*\0" or "MM\0*" at or after `from`.
inline std::optional<Tiff> FindTiff(const std::string& bytes, size_t from = 0) {
  for (size_t p = from; p + 4 <= bytes.size(); ++p) {
    if (bytes.compare(p, 4, std::string("II*\0", 4)) == 0) return Tiff{p, true};
    if (bytes.compare(p, 4, std::string("MM\0*", 4)) == 0) return Tiff{p, false};
  }
  return std::nullopt;
}

inline uint32_t Number(const std::string& bytes, uint64_t at, uint64_t size, bool intel) {
  uint32_t v = 0;
  for (uint64_t i = 0; i < size; ++i) {
    const auto b = static_cast<unsigned char>(bytes.at(at + (intel ? size - 1 - i : i)));
    v = v << 8 | b;
  }
  return v;
}

struct Entry {
  uint16_t type = 0;
  uint32_t count = 0;
  uint32_t value = 0;      // the value field as a LONG
  uint64_t field_at = 0;   // absolute position of the value field
  // Absolute position of the value: in the field when it fits, otherwise
  // at `base` + the offset.
  uint64_t ValueAt(uint64_t base) const {
    static constexpr uint64_t kSizes[] = {1, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
    const uint64_t size = uint64_t{count} * (type < 13 ? kSizes[type] : 1);
    return size <= 4 ? field_at : base + value;
  }
};

// The entry `tag` of the IFD at the absolute position `ifd_at`.
inline std::optional<Entry> FindEntry(const std::string& bytes, bool intel, uint64_t ifd_at,
                                      uint16_t tag) {
  if (ifd_at + 2 > bytes.size()) return std::nullopt;
  const uint32_t n = Number(bytes, ifd_at, 2, intel);
  for (uint32_t i = 0; i < n && ifd_at + 2 + 12 * (i + 1) <= bytes.size(); ++i) {
    const uint64_t e = ifd_at + 2 + 12 * uint64_t{i};
    if (Number(bytes, e, 2, intel) != tag) continue;
    return Entry{static_cast<uint16_t>(Number(bytes, e + 2, 2, intel)),
                 Number(bytes, e + 4, 4, intel), Number(bytes, e + 8, 4, intel), e + 8};
  }
  return std::nullopt;
}

// The maker note's entry of the Exif IFD of the TIFF at `tiff`.
inline std::optional<Entry> FindMakerNote(const std::string& bytes, const Tiff& tiff) {
  const uint64_t ifd0 = tiff.base + Number(bytes, tiff.base + 4, 4, tiff.intel);
  auto exif = FindEntry(bytes, tiff.intel, ifd0, 0x8769);
  if (!exif) return std::nullopt;
  return FindEntry(bytes, tiff.intel, tiff.base + exif->value, 0x927C);
}

}  // namespace kelvane::corpus_peek
