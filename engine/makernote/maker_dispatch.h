// The maker-code tests the IFD walker runs on Make, Model and MakerNote:
// they decide which maker wrote the maker note and where its IFD starts.
#pragma once

#include <cstdint>
#include <string>

#include "engine/reader/reader.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane {

// The maker-code tests above, as the IFD walk asks them.
const MakerIdentification& MakerNoteIdentification();

// Make (0x10F), read with NULs dropped and trailing blanks trimmed.
void MakerCodeFromMake(const std::string& make, int32_t& maker_code);

// Model (0x110), read the same way; may set the walk's locator text.
void MakerCodeFromModel(const std::string& model, int32_t& maker_code, TSubIFDResult& result);

// MakerNote (0x927C). The file stands at the block's first byte; `offset`
// is the block's offset from the TIFF header at `base` and `count` its byte
// count. Confirms or changes the maker code, sets result.MakerNoteIFD and
// result.MakerNoteText, and returns the MakerNote row's value text.
std::string LocateMakerNote(Reader& f, bool intel, uint32_t base, uint32_t offset, uint32_t count,
                            int32_t& maker_code, TSubIFDResult& result);

}  // namespace kelvane
