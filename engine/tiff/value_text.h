// The display text of an IFD entry's value: rules by type first and by tag
// second; an entry without a rule of its own gets its type's generic text.
#pragma once

#include <string>

#include "engine/reader/reader.h"
#include "engine/tiff/ifd_entry.h"

namespace kelvane {

// Builds the value text of `e`. Throws ReadError when the value lies past
// the end of the file and FloatError where a rule divides by zero; the walker
// turns both into an empty text. MakerNote's text comes from the maker-code
// tests instead (the generic text is returned here).
std::string ValueText(Reader& f, bool intel, const IfdEntry& e);

// The bytes of the value that its text reads: 0 for values inside the
// entry and for rules that show only the count, an offset or one number.
uint64_t ValueReadCost(const IfdEntry& e);

// DNG LensInfo: four rationals, shortest and longest focal length and the
// F-numbers at them. Sets `min_focal` and, when known, `max_focal`.
std::string LensInfoText(Reader& f, bool intel, const IfdEntry& e, double& min_focal,
                         double& max_focal);

// A character-coded text (UserComment, CameraOwnerID): 8 bytes naming the
// code ("JIS", "UNICODE", "ASCII" or undefined), then count - 8 bytes of
// text. UNICODE text is read in the file's byte order; JIS text is converted
// to Shift_JIS or kept as stored.
enum class JisHandling { kConvert, kKeepRaw };
std::string CharacterCodedText(Reader& f, bool intel, const IfdEntry& e, JisHandling jis);

}  // namespace kelvane
