// The hex "Raw profile type ..." texts that older writers put into PNG
// text chunks: a newline, the profile's name, a newline, its byte count
// (after spaces), a newline, then the bytes as hex digits in lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// The profile's bytes, or nothing when the text is not of that form or
// holds fewer digits than its count says. Digits past the count are ignored.
std::optional<std::string> DecodeRawProfile(std::string_view text);

}  // namespace kelvane
