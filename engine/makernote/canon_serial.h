// Canon's body serial number (tag 0x0010's neighbour 0x000C) as the body's
// label writes it, by the body's generation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/reader/reader.h"

namespace kelvane::canon {

// The model ID (tag 0x0010) of the Canon note whose entry count stands at
// the absolute `directory`; nothing when the directory holds none or its
// table is not in the file.
std::optional<uint32_t> FindModelId(Reader& f, bool intel, uint64_t directory);

// The serial number's text. The bodies of 2003 and before (the PowerShots
// and the EOS D30/D60 whose model IDs stand below 0x02000000, the EOS-1D,
// 1Ds, 10D and 300D) and a note without a model ID: the high half in four
// hexadecimal digits, a dash, the low half in five decimal digits
// ("2161-13030"). Every later body: the number in ten decimal digits, as
// its label shows it ("0210104331").
std::string SerialText(uint32_t value, std::optional<uint32_t> model_id);

}  // namespace kelvane::canon
