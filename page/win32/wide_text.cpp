#include "page/win32/wide_text.h"

#include <windows.h>

namespace kelvane::page {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n,
                      nullptr, nullptr);
  return s;
}

std::wstring DisplayText(std::string_view utf8) {
  return Wide(utf8.substr(0, utf8.find('\0')));
}

std::wstring MemoText(std::string_view utf8) {
  const std::wstring w = DisplayText(utf8);
  std::wstring out;
  out.reserve(w.size() + 16);
  for (size_t i = 0; i < w.size(); ++i) {
    if (w[i] == L'\r') {
      out += L"\r\n";
      if (i + 1 < w.size() && w[i + 1] == L'\n') ++i;
    } else if (w[i] == L'\n') {
      out += L"\r\n";
    } else {
      out += w[i];
    }
  }
  return out;
}

}  // namespace kelvane::page
