// Maker notes: the decoder of a maker's private IFD.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

class MakerGroups;

// True for the maker codes whose Exif MakerNote ReadMakerNote decodes.
bool IsMakerNoteDecodable(int32_t maker_code);

// The byte order a note of `maker_code` is read in, in a file of the given
// order; `note_text` is what the locator left in MakerNoteText.
bool MakerNoteIntel(int32_t maker_code, bool file_intel, const std::string& note_text);

// Where a MakerNote block lies: its absolute start and its byte count (0:
// not known, as for the IFDs one note or a Kodak IFD points to).
struct MakerNoteExtent {
  uint64_t start = 0;
  uint64_t size = 0;
};

// Walks the maker IFD whose entry count stands at the absolute `position`;
// ordinary value offsets count from the absolute `base` (the TIFF header).
// Rows are keyed by the maker code shifted left by 16 plus the tag.
//
// When the note's extent is known, a note an editor moved or rewrote is
// read as its camera wrote it: in a note that takes the file's byte order,
// an entry count that is no count in that order but one in the other reads
// the note in the other order,
// and offsets counted from the TIFF header that do not fit the note are
// shifted so that its values start right after the directory, when they
// then all lie inside the note.
//
// With `groups`, the sub-directories and binary records the note's tags
// open are read after the main directory into groups of their own (which
// start empty); without, they are not read.
void ReadMakerNote(Reader& f, bool intel, int64_t base, uint64_t position, int32_t maker_code,
                   TMakerResult& result, MakerNoteExtent note = {}, MakerGroups* groups = nullptr);

// Nikon's newer notes (code 27) carry their own TIFF header 8 bytes before
// their IFD; its byte order is the note's, and their offsets count from it.
// KDDI notes (code 35) count from the same place. Answers the header's
// absolute position and order, or nothing for other layouts or when the
// bytes there are not "II" or "MM".
struct EmbeddedTiffHeader {
  uint64_t position;
  bool intel;
};
std::optional<EmbeddedTiffHeader> FindEmbeddedTiffHeader(Reader& f, int32_t maker_code,
                                                         uint64_t ifd_position);

// The hex-dumped Toshiba block (maker code 10): rows from its hex text.
void ReadToshibaBlock(const std::string& hex_text, TMakerResult& result);

// A PrintIM block at `position` relative to `base` (the TIFF header); the
// position may be negative when the block lies before the header.
void ReadPrintIM(Reader& f, bool intel, uint32_t base, int64_t position, int32_t maker_code,
                 const std::string& locator_text, TMakerResult& result);

}  // namespace kelvane
