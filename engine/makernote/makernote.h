// Maker notes: the decoder of a maker's private IFD.
#pragma once

#include <cstdint>
#include <string>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// True for the maker codes ReadMakerNote can decode.
bool IsMakerNoteDecodable(int32_t maker_code);

// Walks the maker IFD whose entry count stands at the absolute `position`;
// ordinary value offsets count from the absolute `base`.
void ReadMakerNote(Reader& f, bool intel, int64_t base, uint64_t position, int32_t maker_code,
                   TMakerResult& result);

// The hex-dumped Toshiba block (maker code 10): rows from its hex text.
void ReadToshibaBlock(const std::string& hex_text, TMakerResult& result);

// A PrintIM block at `position` relative to `base` (the TIFF header); the
// position may be negative when the block lies before the header.
void ReadPrintIM(Reader& f, bool intel, uint32_t base, int64_t position, int32_t maker_code,
                 const std::string& locator_text, TMakerResult& result);

}  // namespace kelvane
