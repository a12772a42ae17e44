#include "engine/containers/dicom.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>

#include "engine/containers/dicom_dictionary.h"
#include "engine/reader/primitives.h"
#include "engine/text/number_text.h"
#include "engine/text/text_list.h"

namespace kelvane {

namespace {

constexpr uint32_t kUndefinedLength = 0xFFFFFFFF;

// The file meta group (always little-endian), its transfer syntax element,
// and the transfer syntax whose data set is written most significant byte
// first (Explicit VR Big Endian, retired but still met).
constexpr uint16_t kMetaGroup = 0x0002;
constexpr uint16_t kTransferSyntax = 0x0010;
constexpr std::string_view kBigEndianSyntax = "1.2.840.10008.1.2.2";

// A UID as stored, without its padding (a NUL or a blank to an even length).
std::string_view Unpadded(std::string_view uid) {
  while (!uid.empty() && (uid.back() == '\0' || uid.back() == ' ')) uid.remove_suffix(1);
  return uid;
}

// Representations whose length is two reserved bytes and a 4-byte length.
constexpr std::array<std::string_view, 13> kLongLengthVRs = {
    "OB", "OW", "SQ",
    // Added to the standard after the first three; same layout.
    "OD", "OF", "OL", "OV", "SV", "UC", "UN", "UR", "UT", "UV"};

// Representations with a 2-byte length.
constexpr std::array<std::string_view, 21> kShortLengthVRs = {
    "AE", "AS", "AT", "CS", "DA", "DS", "DT", "FL", "FD", "IS", "LO",
    "LT", "PN", "SH", "SL", "SS", "ST", "TM", "UI", "UL", "US"};

// Representations whose value is shown as its bytes.
constexpr std::array<std::string_view, 16> kTextVRs = {
    "SQ", "AE", "LO", "LT", "PN", "ST", "UI", "CS", "SH", "DS", "IS",
    // An age ("028Y") and a date and time, as stored; the long texts and
    // the URI.
    "AS", "DT", "UT", "UC", "UR"};

// Representations that hold binary numbers, each of `size` bytes in the
// file's byte order. UL and US show their first value only; the others show
// every value, joined by a backslash as the values of a text are.
enum class NumberKind { kUnsigned, kSigned, kFloat, kTag };
struct NumberVR {
  std::string_view vr;
  uint32_t size;
  NumberKind kind;
  bool every_value;
};
constexpr std::array<NumberVR, 7> kNumberVRs = {{
    {"UL", 4, NumberKind::kUnsigned, false},
    {"US", 2, NumberKind::kUnsigned, false},
    {"SL", 4, NumberKind::kSigned, true},
    {"SS", 2, NumberKind::kSigned, true},
    {"FL", 4, NumberKind::kFloat, true},
    {"FD", 8, NumberKind::kFloat, true},
    // A tag: its group and element, shown as (gggg,eeee).
    {"AT", 4, NumberKind::kTag, true},
}};

// The representation of an element whose two VR bytes name none.
constexpr std::string_view kImplicitVR = "--";

template <size_t N>
bool OneOf(const std::array<std::string_view, N>& list, std::string_view vr) {
  return std::find(list.begin(), list.end(), vr) != list.end();
}

const NumberVR* FindNumberVR(std::string_view vr) {
  for (const NumberVR& n : kNumberVRs)
    if (n.vr == vr) return &n;
  return nullptr;
}

// yyyymmdd → yyyy年mm月dd日; any other length unchanged.
std::string DateText(std::string s) {
  if (s.size() != 8) return s;
  return s.substr(0, 4) + std::string(kDicomYear) + s.substr(4, 2) + std::string(kDicomMonth) +
         s.substr(6, 2) + std::string(kDicomDay);
}

// hhmmss.fff → hh:mm:ss.fff; any other length unchanged.
std::string TimeText(std::string s) {
  if (s.size() != 10) return s;
  return s.substr(0, 2) + ":" + s.substr(2, 2) + ":" + s.substr(4);
}

// A single-precision value in the shortest form that reads back as the
// same float, written as the general form writes a double. Not a finite
// number: the empty text.
std::string FloatText(float v) {
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, v);
  double shortest = 0;
  std::from_chars(digits, written.ptr, shortest);
  return FormatGeneral(shortest);
}

// One value of a number representation at the current position.
std::string NumberText(Reader& f, bool intel, const NumberVR& n) {
  switch (n.kind) {
    case NumberKind::kUnsigned:
      return std::to_string(n.size == 4 ? ReadLong(f, intel) : ReadWord(f, intel));
    case NumberKind::kSigned:
      return n.size == 4 ? std::to_string(static_cast<int32_t>(ReadLong(f, intel)))
                         : std::to_string(static_cast<int16_t>(ReadWord(f, intel)));
    case NumberKind::kFloat:
      try {
        return n.size == 4 ? FloatText(std::bit_cast<float>(ReadLong(f, intel)))
                           : FormatGeneral(ReadDouble(f, intel));
      } catch (const FloatError&) {
        return {};
      }
    case NumberKind::kTag: {
      const uint16_t group = ReadWord(f, intel);
      const uint16_t element = ReadWord(f, intel);
      return "(" + HexDigits(group, 4) + "," + HexDigits(element, 4) + ")";
    }
  }
  return {};
}

// The values of a number representation. A value needs its bytes inside
// the element; bytes behind the last whole value are not read.
std::string NumbersText(Reader& f, bool intel, const NumberVR& n, uint32_t length) {
  const uint32_t count = n.every_value ? length / n.size : std::min<uint32_t>(length / n.size, 1);
  TextList list("\\", count);
  for (uint32_t i = 0; i < count && !list.Full(); ++i) list.Add(NumberText(f, intel, n));
  return list.Take();
}

// The value at the current position. `readable` is false when the length
// is undefined or runs past the end of the file: then nothing is read and a
// value that would have been read stays empty.
std::string ValueText(Reader& f, bool intel, std::string_view vr, uint32_t length, bool readable) {
  const bool text = OneOf(kTextVRs, vr);
  const NumberVR* number = FindNumberVR(vr);
  if (!text && number == nullptr && vr != "DA" && vr != "TM")
    return "非対応の形式[" + std::string(vr) + "]";
  if (!readable) return {};
  if (vr == "DA") return DateText(ReadRaw(f, length));
  if (vr == "TM") return TimeText(ReadRaw(f, length));
  if (text) return ReadRaw(f, length);
  return NumbersText(f, intel, *number, length);
}

}  // namespace

void ReadDICOM(Reader& f, bool intel, uint64_t start, TMakerResult& result) {
  result.Count = 0;
  try {
    f.Seek(start);
    bool big_endian_data_set = false;
    // Rows past the record's capacity would be dropped: the walk ends there.
    while (!f.AtEnd() && result.Count < kRowCapacity) {
      const uint64_t element_start = f.Position();
      uint16_t group = ReadWord(f, intel);
      if (big_endian_data_set && intel && group != kMetaGroup) {
        // The meta group has ended: the data set is big-endian.
        intel = false;
        f.Seek(element_start);
        group = ReadWord(f, intel);
      }
      const uint16_t element = ReadWord(f, intel);
      std::string vr = ReadRaw(f, 2);
      uint32_t length = 0;
      if (OneOf(kLongLengthVRs, vr)) {
        f.Skip(2);
        length = ReadLong(f, intel);
      } else if (OneOf(kShortLengthVRs, vr)) {
        length = ReadWord(f, intel);
      } else {
        // Implicit VR: the two bytes belong to a 4-byte length.
        f.Seek(f.Position() - 2);
        length = ReadLong(f, intel);
        vr = kImplicitVR;
      }
      const DicomAttribute* attribute = FindDicomAttribute(group, element);
      if (vr == kImplicitVR && attribute != nullptr) vr = attribute->vr;
      std::string caption = attribute != nullptr
                                ? std::string(attribute->caption)
                                : HexDigits(group, 4) + "," + HexDigits(element, 4);

      const uint64_t value_pos = f.Position();
      const bool undefined = length == kUndefinedLength;
      const bool readable = !undefined && length <= f.Size() - std::min(value_pos, f.Size());
      // An element of undefined length (a sequence, encapsulated pixel
      // data) is not skipped: the walk goes on with its contents.
      const uint64_t next = undefined ? value_pos : value_pos + length;
      std::string value = ValueText(f, intel, vr, length, readable);
      if (group == kMetaGroup && element == kTransferSyntax && Unpadded(value) == kBigEndianSyntax)
        big_endian_data_set = true;
      result.Add(element, std::move(caption), std::move(value));
      if (next <= element_start) return;
      f.Seek(next);
    }
  } catch (const ReadError&) {
    // A truncated element ends the walk; the rows made stand.
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace kelvane
