// The interoperability IFD ("ExifR98情報").
#pragma once

#include <cstdint>

#include "engine/loader/info_tree.h"
#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// The rows of the interoperability IFD at `interop_ifd` from the TIFF header
// at `base`, read into `scratch`, go into `tree`.
void AddInteropRows(Reader& f, bool intel, uint32_t base, uint32_t interop_ifd,
                    TMakerResult& scratch, InfoTree& tree);

}  // namespace kelvane
