// Helpers for maker-note tests: a file holding one maker IFD, and row look-up.
#pragma once

#include <string>

#include "engine/makernote/makernote.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane::maker_test {

// A file with `base` bytes before the TIFF header and the IFD `at` bytes
// after it; the IFD's offsets count from the TIFF header.
inline std::string NoteFile(const fixtures::Ifd& ifd, bool intel, uint32_t base, uint32_t at) {
  return std::string(base + at, '\0') + ifd.Build(intel, at);
}

// Decodes the IFD of NoteFile(ifd, intel, base, at) as maker `code`.
inline TMakerResult Decode(const fixtures::Ifd& ifd, int32_t code, bool intel = true,
                           uint32_t base = 0, uint32_t at = 16) {
  MemoryReader f(NoteFile(ifd, intel, base, at));
  TMakerResult r;
  ReadMakerNote(f, intel, base, uint64_t{base} + at, code, r);
  return r;
}

// The first row with `key`, or null.
inline const TIFDItem* Row(const TMakerResult& r, int32_t key) {
  for (int32_t i = 0; i < r.Count; ++i)
    if (r.Items[static_cast<size_t>(i)].Tag == key) return &r.Items[static_cast<size_t>(i)];
  return nullptr;
}

}  // namespace kelvane::maker_test
