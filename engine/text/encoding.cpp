#include "engine/text/encoding.h"

#include <cstdint>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace kelvane::text {

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    // Runs of ASCII, eight bytes at a time.
    while (i + 8 <= s.size()) {
      uint64_t word;
      std::memcpy(&word, s.data() + i, 8);
      if (word & 0x8080808080808080ull) break;
      i += 8;
    }
    if (i >= s.size()) break;
    auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra;
    uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<size_t>(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      auto cc = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

#ifdef _WIN32

namespace {
std::string WideToUtf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}
std::wstring ToWide(UINT cp, std::string_view s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}
}  // namespace

std::string Cp932ToUtf8(std::string_view s) { return WideToUtf8(ToWide(932, s)); }

std::string Utf8ToCp932(std::string_view s) {
  std::wstring w = ToWide(CP_UTF8, s);
  if (w.empty()) return {};
  int n = WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, "?",
                              nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), out.data(), n, "?", nullptr);
  return out;
}

#else

namespace {

// Converts with iconv; an input sequence it cannot convert is replaced by
// `replacement` and skipped (`skip` tells how many bytes to skip).
template <typename SkipFn>
std::string Convert(const char* to, const char* from, std::string_view s,
                    std::string_view replacement, SkipFn skip) {
  std::string out;
  if (s.empty()) return out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(s);
  out.reserve(s.size() * 2);
  char* in = const_cast<char*>(s.data());
  size_t in_left = s.size();
  char buffer[1024];
  while (in_left > 0) {
    char* o = buffer;
    size_t o_left = sizeof buffer;
    size_t r = iconv(cd, &in, &in_left, &o, &o_left);
    out.append(buffer, static_cast<size_t>(o - buffer));
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (a sequence cut short): replace and move on.
      size_t n = skip(std::string_view(in, in_left));
      if (n == 0 || n > in_left) n = 1;
      out.append(replacement);
      in += n;
      in_left -= n;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

size_t Utf8SequenceLength(std::string_view s) {
  auto c = static_cast<unsigned char>(s[0]);
  size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  return n <= s.size() ? n : 1;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view s) {
  return Convert("UTF-8", "CP932", s, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

std::string Utf8ToCp932(std::string_view s) {
  return Convert("CP932", "UTF-8", s, "?", Utf8SequenceLength);
}

#endif

std::string RowText(std::string&& s) {
  if (IsValidUtf8(s)) return std::move(s);
  return Cp932ToUtf8(s);
}

std::string RowText(std::string_view s) {
  if (IsValidUtf8(s)) return std::string(s);
  return Cp932ToUtf8(s);
}

}  // namespace kelvane::text
