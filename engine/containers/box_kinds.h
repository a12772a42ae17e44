// Which ISO base media file a file is, by its `ftyp` box first and by its
// extension second: a HEIC a phone exported as ".jpg" is still a HEIC.
#pragma once

#include <string_view>

#include "engine/reader/reader.h"

namespace kelvane {

enum class BoxFileKind { kNone, kHeif, kCr3, kMovie };

// `lower_ext` is the lower-cased extension with its dot (".heic"). A file
// that starts like a JPEG is none of these, whatever its name.
BoxFileKind RecognizeBoxFile(Reader& f, std::string_view lower_ext);

}  // namespace kelvane
