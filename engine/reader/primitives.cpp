#include "engine/reader/primitives.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <vector>

#include "engine/text/text_list.h"

namespace kelvane {

uint16_t SwapWord(uint16_t v) { return static_cast<uint16_t>((v >> 8) | (v << 8)); }

uint32_t SwapLong(uint32_t v) {
  return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}

void SwapDouble(unsigned char (&bytes)[8]) {
  for (int i = 0; i < 4; ++i) std::swap(bytes[i], bytes[7 - i]);
}

uint8_t ReadByte(Reader& f) {
  uint8_t b;
  f.Read(&b, 1);
  return b;
}

uint32_t ReadValue(Reader& f, bool intel, int count) {
  if (count < 1) return 0;
  if (count > 4) count = 4;
  unsigned char b[4] = {0, 0, 0, 0};
  f.Read(b, static_cast<size_t>(count));
  uint32_t v = 0;
  if (intel) {
    for (int i = count - 1; i >= 0; --i) v = (v << 8) | b[i];
  } else {
    for (int i = 0; i < count; ++i) v = (v << 8) | b[i];
  }
  return v;
}

void ReadRational(Reader& f, bool intel, uint32_t& numerator, uint32_t& denominator) {
  unsigned char b[8];
  f.Read(b, 8);
  numerator = LongAt(b, intel);
  denominator = LongAt(b + 4, intel);
}

double ReadDouble(Reader& f, bool intel) {
  unsigned char b[8];
  f.Read(b, 8);
  // The in-memory double is little-endian on every platform we build for.
  if (!intel) SwapDouble(b);
  double d;
  std::memcpy(&d, b, 8);
  return d;
}

std::string ReadRaw(Reader& f, int64_t count) {
  if (count <= 0) return {};
  return f.ReadString(static_cast<uint64_t>(count));
}

namespace {

std::string Without(std::string s, bool drop_space) {
  // Most texts have no NUL but their last byte: start at the first one.
  size_t kept = drop_space ? 0 : s.find('\0');
  if (kept == std::string::npos) return s;
  for (size_t i = kept; i < s.size(); ++i) {
    const char c = s[i];
    if (c != '\0' && !(drop_space && c == ' ')) s[kept++] = c;
  }
  s.resize(kept);
  return s;
}

// Reads count bytes as UTF-16 units in the given order.
std::vector<uint16_t> ReadUnits(Reader& f, int64_t byte_count, bool intel) {
  std::vector<uint16_t> units;
  if (byte_count <= 1) return units;
  std::string raw = f.ReadString(static_cast<uint64_t>(byte_count / 2) * 2);
  units.reserve(raw.size() / 2);
  for (size_t i = 0; i + 1 < raw.size(); i += 2) {
    auto lo = static_cast<unsigned char>(raw[intel ? i : i + 1]);
    auto hi = static_cast<unsigned char>(raw[intel ? i + 1 : i]);
    units.push_back(static_cast<uint16_t>(hi << 8 | lo));
  }
  return units;
}

// Converts UTF-16 units to UTF-8, joining surrogate pairs.
std::string Utf16ToUtf8(const std::vector<uint16_t>& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    uint32_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    }
    AppendUtf8(out, u);
  }
  return out;
}

}  // namespace

void AppendUtf8(std::string& out, uint32_t cp) {
  if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string ReadTextSkipNul(Reader& f, int64_t count) { return Without(ReadRaw(f, count), false); }

std::string ReadTextSkipNulSpace(Reader& f, int64_t count) {
  return Without(ReadRaw(f, count), true);
}

std::string ReadTextZ(Reader& f, int64_t max_count) {
  std::string out;
  for (int64_t i = 0; i < max_count; ++i) {
    uint8_t b = ReadByte(f);
    if (b == 0) break;
    out.push_back(static_cast<char>(b));
  }
  return out;
}

std::string ReadTextNulAsSpace(Reader& f, int64_t count) {
  std::string s = ReadRaw(f, count);
  for (char& c : s)
    if (c == '\0') c = ' ';
  return s;
}

std::string AsciiValue(std::string_view bytes) {
  std::string_view text = bytes.substr(0, bytes.find('\0'));
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) text.remove_suffix(1);
  return std::string(text);
}

std::string ReadAsciiValue(Reader& f, int64_t count) { return AsciiValue(ReadRaw(f, count)); }

std::string AsciiParts(std::string_view bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\0') {
      text.push_back(bytes[i]);
      continue;
    }
    const bool separates = i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) > 0x20;
    if (!separates) break;
    text.push_back(' ');
  }
  return AsciiValue(text);
}

std::string ReadUnicodeLE(Reader& f, int64_t byte_count) {
  return Utf16ToUtf8(ReadUnits(f, byte_count, true));
}

std::string ReadUnicodeBE(Reader& f, int64_t byte_count) {
  return Utf16ToUtf8(ReadUnits(f, byte_count, false));
}

std::string ReadUnicodeLEZ(Reader& f, int64_t byte_count) {
  std::vector<uint16_t> units;
  for (int64_t i = 0; i < byte_count / 2; ++i) {
    uint16_t u = ReadWord(f, true);
    if (u == 0) break;
    if (u == 5) continue;
    units.push_back(u);
  }
  return Utf16ToUtf8(units);
}

void SkipToEitherPair(Reader& f, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  int previous = 0xFF;
  for (int current = f.Get(); current >= 0; current = f.Get()) {
    if ((previous == b && current == a) || (previous == a && current == b) ||
        (previous == d && current == c) || (previous == c && current == d))
      return;
    previous = current;
  }
}

void SkipToPair(Reader& f, uint8_t a, uint8_t b) { SkipToEitherPair(f, a, b, a, b); }

std::string ScanSignature(Reader& f, std::string_view signature) {
  std::string collected;
  for (int i = 0; i < 1000; ++i) {
    int byte = f.Get();
    if (byte < 0) break;
    if (byte == 0) continue;
    collected.push_back(static_cast<char>(byte));
    if (collected.size() >= signature.size() &&
        std::string_view(collected).substr(collected.size() - signature.size()) == signature)
      return std::string(signature);
  }
  return {};
}

int64_t FindDicomPrefix(Reader& f) {
  if (ScanSignature(f, "DICM").empty()) return -1;
  return static_cast<int64_t>(f.Position());
}

UnknownTagName::UnknownTagName(uint32_t tag, uint32_t type, uint32_t count) {
  constexpr std::string_view kLead = "Unknown (";
  char* p = std::copy(kLead.begin(), kLead.end(), text_);
  char hex[8];
  char* const hex_end = hex + sizeof hex;
  p = std::copy(WriteHexDigits(hex_end, tag, 4), hex_end, p);
  *p++ = ')';
  char* const end = text_ + sizeof text_;
  p = std::to_chars(p, end, type).ptr;
  *p++ = ',';
  p = std::to_chars(p, end, count).ptr;
  size_ = static_cast<size_t>(p - text_);
}

std::string HexDigits(uint32_t value, int digits) {
  if (digits > 8) {
    std::string out;
    AppendHexDigits(out, value, digits);
    return out;
  }
  // The usual case: the text is made once, from the digits.
  char buffer[8];
  char* const end = buffer + sizeof buffer;
  return std::string(WriteHexDigits(end, value, digits), end);
}

std::string HexBytes(std::string_view bytes) {
  std::string out(bytes.size() * 2, '\0');
  char* p = out.data();
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    *p++ = kHexDigits[b >> 4];
    *p++ = kHexDigits[b & 15];
  }
  return out;
}

std::string BlockText(std::string_view name, int64_t size, int64_t offset) {
  return std::string(name) + " Format : " + std::to_string(size) + "Bytes (Offset:" +
         std::to_string(offset) + ")";
}

}  // namespace kelvane
