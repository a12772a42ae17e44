// UTF-8 (the model's texts) to and from UTF-16 (the Windows controls').
#pragma once

#include <string>
#include <string_view>

namespace kelvane::page {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// A text for a single-line control: cut at its first NUL.
std::wstring DisplayText(std::string_view utf8);
// A text for a multi-line edit control: cut at its first NUL, every line
// break as CR LF.
std::wstring MemoText(std::string_view utf8);

}  // namespace kelvane::page
