// The value primitives shared by every decoder: ordered integer reads, the
// rational pair, the IEEE double, text reads with their NUL treatments,
// UTF-16 text, the byte-pair and signature scanners and the standard texts
// of unnamed tags and blocks ("Unknown (n)" comes from engine/text).
//
// `intel` is the byte-order flag: true for least significant byte first
// ("II"), false for most significant byte first ("MM"). Texts are byte
// strings; UTF-16 from the file is converted to UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/reader/reader.h"
#include "engine/text/number_text.h"  // UnknownText

namespace kelvane {

uint16_t SwapWord(uint16_t v);
uint32_t SwapLong(uint32_t v);
void SwapDouble(unsigned char (&bytes)[8]);

uint8_t ReadByte(Reader& f);
// A SHORT and a LONG from bytes already read, in the given order (intel:
// least significant byte first).
constexpr uint16_t WordAt(const unsigned char* p, bool intel) {
  return static_cast<uint16_t>(intel ? (p[1] << 8 | p[0]) : (p[0] << 8 | p[1]));
}
constexpr uint32_t LongAt(const unsigned char* p, bool intel) {
  return intel ? (uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0])
               : (uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3]);
}

// A SHORT and a LONG read from the file; inline, as every decoder reads
// them by the dozen.
inline uint16_t ReadWord(Reader& f, bool intel) {
  unsigned char b[2];
  f.Read(b, 2);
  return WordAt(b, intel);
}
inline uint32_t ReadLong(Reader& f, bool intel) {
  unsigned char b[4];
  f.Read(b, 4);
  return LongAt(b, intel);
}
inline uint32_t ReadLongWord(Reader& f, bool intel) { return ReadLong(f, intel); }
// Count bytes (1..4) in the given order, zero-extended.
uint32_t ReadValue(Reader& f, bool intel, int count);
// Count bytes (1..4), most significant first, zero-extended. JPEG segment
// markers and lengths, two bytes each, are read inline.
inline uint32_t ReadBigEndian(Reader& f, int count) {
  return count == 2 ? ReadWord(f, false) : ReadValue(f, false, count);
}
void ReadRational(Reader& f, bool intel, uint32_t& numerator, uint32_t& denominator);
double ReadDouble(Reader& f, bool intel);

// Exactly count bytes, NULs included.
std::string ReadRaw(Reader& f, int64_t count);
// Count bytes with every NUL removed.
std::string ReadTextSkipNul(Reader& f, int64_t count);
// Count bytes with every NUL and every space removed.
std::string ReadTextSkipNulSpace(Reader& f, int64_t count);
// Bytes up to a NUL (consumed, not kept) or max_count bytes.
std::string ReadTextZ(Reader& f, int64_t max_count);
// Count bytes with each NUL replaced by a space.
std::string ReadTextNulAsSpace(Reader& f, int64_t count);
// An ASCII value of count bytes: the text ends at its first NUL (what
// follows it is padding or left-overs, never part of the value: "K100\0X"
// is K100), and trailing blanks and control characters are trimmed. All
// count bytes are consumed.
std::string ReadAsciiValue(Reader& f, int64_t count);
// The same reading of bytes already read.
std::string AsciiValue(std::string_view bytes);
// An ASCII value a maker stores as several parts separated by single NULs
// ("2002:07:14\012:00"): each separating NUL becomes a space. The value
// ends at the first NUL that is followed by another NUL or a control byte
// (padding, then left-overs), and trailing blanks are trimmed.
std::string AsciiParts(std::string_view bytes);

// byte_count / 2 UTF-16LE code units, converted together.
std::string ReadUnicodeLE(Reader& f, int64_t byte_count);
// byte_count / 2 UTF-16BE code units; U+0000 is kept like any other unit.
std::string ReadUnicodeBE(Reader& f, int64_t byte_count);
// Up to byte_count / 2 UTF-16LE units, ending after the first U+0000 (not
// kept); U+0005 is skipped.
std::string ReadUnicodeLEZ(Reader& f, int64_t byte_count);

// Reads until the last two bytes read are a,b or b,a, or the file ends.
void SkipToPair(Reader& f, uint8_t a, uint8_t b);
// As SkipToPair, stopping on a/b or c/d in either order.
void SkipToEitherPair(Reader& f, uint8_t a, uint8_t b, uint8_t c, uint8_t d);
// Scans at most 1000 bytes, ignoring NULs, for signature; returns it when
// found (the position just after it) or an empty text.
std::string ScanSignature(Reader& f, std::string_view signature);
// The position after "DICM" within the first 1000 bytes, or -1.
int64_t FindDicomPrefix(Reader& f);

// The name of a tag no table holds: "Unknown (" + four hexadecimal digits
// + ")" + the type + "," + the count, e.g. Unknown (A500)7,4. It is written
// into a buffer of its own, which a row copies without a string being made.
class UnknownTagName {
 public:
  UnknownTagName(uint32_t tag, uint32_t type, uint32_t count);
  std::string_view view() const { return {text_, size_}; }

 private:
  char text_[48];  // the longest: 9 + 8 + 1 + 10 + 1 + 10 characters
  size_t size_ = 0;
};
// `value` as upper-case hexadecimal with at least `digits` digits ("%04X").
std::string HexDigits(uint32_t value, int digits);
// Every byte as two upper-case hexadecimal digits, run together.
std::string HexBytes(std::string_view bytes);
// "%s Format : %dBytes (Offset:%d)".
std::string BlockText(std::string_view name, int64_t size, int64_t offset);

// Appends one code point as UTF-8 (surrogates and values past U+10FFFF
// become U+FFFD).
void AppendUtf8(std::string& out, uint32_t code_point);

}  // namespace kelvane
