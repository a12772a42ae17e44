// ReadMakerNote with its layout given rather than looked up by maker code:
// for layouts built at run time (tests of the sub-group reader).
#pragma once

#include <cstdint>

#include "engine/makernote/maker_groups.h"
#include "engine/makernote/maker_layouts.h"
#include "engine/makernote/makernote.h"

namespace kelvane {

void ReadMakerNoteAs(const maker::MakerLayout& layout, Reader& f, bool intel, int64_t base,
                     uint64_t position, TMakerResult& result, MakerNoteExtent note = {},
                     MakerGroups* groups = nullptr);

}  // namespace kelvane
