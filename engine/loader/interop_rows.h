// The interoperability IFD ("ExifR98情報").
#pragma once

#include <cstdint>

#include "engine/loader/info_tree.h"
#include "engine/reader/reader.h"

namespace kelvane {

void AddInteropRows(Reader& f, bool intel, uint32_t base, uint32_t interop_ifd, InfoTree& tree);

}  // namespace kelvane
