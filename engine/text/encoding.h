// Text conversions: rows leave the engine as UTF-8; camera and IPTC text that
// is not UTF-8 is Shift_JIS, read as Windows code page 932.
#pragma once

#include <string>
#include <string_view>

namespace kelvane::text {

bool IsValidUtf8(std::string_view s);

// CP932 bytes to UTF-8; a byte sequence that decodes to nothing becomes
// U+FFFD. NUL bytes are kept.
std::string Cp932ToUtf8(std::string_view s);

// UTF-8 to CP932; a character CP932 cannot hold becomes "?".
std::string Utf8ToCp932(std::string_view s);

// The normalisation every row text passes through: valid UTF-8 is kept,
// anything else is decoded as CP932.
std::string RowText(std::string_view s);
// The same normalisation, in place.
void MakeRowText(std::string& s);

}  // namespace kelvane::text
