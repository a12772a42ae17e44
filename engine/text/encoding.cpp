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

#ifdef _WIN32

// Windows' code page 932 and glibc's CP932 agree on every character both
// define; what each does with the rest differs (Windows gives 0x80, 0xA0 and
// 0xFD to 0xFF private meanings, turns an unmapped pair into "・" and
// best-fits characters it lacks). Both sides here follow one rule instead:
// a byte that starts no character becomes U+FFFD and only that byte is
// skipped; a character CP932 lacks becomes "?".
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

std::wstring Utf8ToWide(std::string_view s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// Characters glibc's CP932 encodes one way only (they decode to their
// full-width or other twins), which Windows lacks; and the characters
// Windows gives the bytes that decode to nothing here, which become "?".
struct OneWay {
  wchar_t character;
  const char* cp932;
};
constexpr OneWay kOneWay[] = {
    {L'\u00A2', "\x81\x91"}, {L'\u00A3', "\x81\x92"}, {L'\u00A5', "\x5C"},
    {L'\u00AC', "\x81\xCA"}, {L'\u2014', "\x81\x5C"}, {L'\u2016', "\x81\x61"},
    {L'\u203E', "\x7E"},       {L'\u2212', "\x81\x7C"}, {L'\u301C', "\x81\x60"},
    {L'\u0080', "?"},          {L'\uF8F0', "?"},          {L'\uF8F1', "?"},
    {L'\uF8F2', "?"},          {L'\uF8F3', "?"},
};

bool LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool StartsNoCharacter(unsigned char b) { return b == 0x80 || b == 0xA0 || b >= 0xFD; }

}  // namespace

std::string Cp932ToUtf8(std::string_view s) {
  std::wstring w;
  w.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      w.push_back(static_cast<wchar_t>(b));
      ++i;
      continue;
    }
    const size_t n = LeadByte(b) && i + 1 < s.size() ? 2 : 1;
    wchar_t one[2];
    int got = StartsNoCharacter(b) ? 0
                                   : MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, s.data() + i,
                                                         static_cast<int>(n), one, 2);
    if (got > 0) {
      w.append(one, static_cast<size_t>(got));
      i += n;
    } else {
      w.push_back(L'\uFFFD');
      ++i;
    }
  }
  return WideToUtf8(w);
}

std::string Utf8ToCp932(std::string_view s) {
  const std::wstring w = Utf8ToWide(s);
  std::string out;
  out.reserve(w.size() * 2);
  std::wstring run;  // characters Windows' table converts
  auto flush = [&] {
    if (run.empty()) return;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, run.data(),
                                      static_cast<int>(run.size()), nullptr, 0, "?", nullptr);
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(n));
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, run.data(), static_cast<int>(run.size()),
                        out.data() + at, n, "?", nullptr);
    run.clear();
  };
  for (size_t i = 0; i < w.size(); ++i) {
    const wchar_t c = w[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 &&
        w[i + 1] <= 0xDFFF) {
      // A character outside the BMP is one "?", not one per UTF-16 half.
      run.push_back(L'?');
      ++i;
      continue;
    }
    const OneWay* one_way = nullptr;
    for (const OneWay& o : kOneWay)
      if (o.character == c) one_way = &o;
    if (!one_way) {
      run.push_back(c);
      continue;
    }
    flush();
    out += one_way->cp932;
  }
  flush();
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

std::string RowText(std::string_view s) {
  if (IsValidUtf8(s)) return std::string(s);
  return Cp932ToUtf8(s);
}

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace kelvane::text
