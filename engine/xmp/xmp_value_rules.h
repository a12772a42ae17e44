// The texts a person reads for XMP properties whose stored values are
// codes or raw numbers: the exif:, exifEX:, tiff: and aux: properties
// through the Exif rows' own vocabularies and rules, the photoshop: colour
// mode and urgency, and dates in the Exif rows' form. (xmp:Rating keeps
// its number: it is already what a person reads.)
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane::xmp {

// The display text of the property `local` of the namespace `uri` whose
// stored value is `value`; nothing when the property has no rule or the
// value does not fit it (the stored text is shown then).
std::optional<std::string> XmpValueText(std::string_view uri, std::string_view local,
                                        std::string_view value);

// The same for a property's path as the packet reader spells it (the
// namespace and name of its last step count).
std::optional<std::string> XmpValueTextOfPath(std::string_view path, std::string_view value);

}  // namespace kelvane::xmp
