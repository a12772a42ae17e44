#include "engine/containers/dicom.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>

#include "engine/containers/dicom_dictionary.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr uint32_t kUndefinedLength = 0xFFFFFFFF;

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
constexpr std::array<std::string_view, 11> kTextVRs = {"SQ", "AE", "LO", "LT", "PN", "ST",
                                                       "UI", "CS", "SH", "DS", "IS"};

// The representation of an element whose two VR bytes name none.
constexpr std::string_view kImplicitVR = "--";

template <size_t N>
bool OneOf(const std::array<std::string_view, N>& list, std::string_view vr) {
  return std::find(list.begin(), list.end(), vr) != list.end();
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

// The value at the current position. `readable` is false when the length
// is undefined or runs past the end of the file: then nothing is read and a
// value that would have been read stays empty.
std::string ValueText(Reader& f, bool intel, std::string_view vr, uint32_t length, bool readable) {
  const bool text = OneOf(kTextVRs, vr) || vr == "DA" || vr == "TM";
  if (text || vr == "UL" || vr == "US") {
    if (!readable) return {};
    if (vr == "DA") return DateText(ReadRaw(f, length));
    if (vr == "TM") return TimeText(ReadRaw(f, length));
    if (text) return ReadRaw(f, length);
    // A number needs its bytes inside the element.
    const int size = vr == "UL" ? 4 : 2;
    if (length < static_cast<uint32_t>(size)) return {};
    return std::to_string(ReadValue(f, intel, size));
  }
  return "非対応の形式[" + std::string(vr) + "]";
}

}  // namespace

void ReadDICOM(Reader& f, bool intel, uint64_t start, TMakerResult& result) {
  result.Count = 0;
  try {
    f.Seek(start);
    // Rows past the record's capacity would be dropped: the walk ends there.
    while (!f.AtEnd() && result.Count < kRowCapacity) {
      const uint64_t element_start = f.Position();
      const uint16_t group = ReadWord(f, intel);
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
