#include "engine/tiff/ifd_walker.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "engine/makernote/maker_dispatch.h"
#include "engine/reader/primitives.h"
#include "engine/tiff/ifd_entry.h"
#include "engine/text/number_text.h"
#include "engine/tiff/tag_names.h"
#include "engine/tiff/value_text.h"

namespace kelvane {

namespace {

enum : uint16_t {
  kNewSubFileType = 0x00FE,
  kImageWidth = 0x0100,
  kImageLength = 0x0101,
  kCompression = 0x0103,
  kPhotometric = 0x0106,
  kMake = 0x010F,
  kModel = 0x0110,
  kStripOffsets = 0x0111,
  kOrientation = 0x0112,
  kStripByteCounts = 0x0117,
  kSubIFDs = 0x014A,
  kGlobalParameterIFD = 0x0190,
  kJpegInterchangeFormat = 0x0201,
  kJpegInterchangeFormatLength = 0x0202,
  kKodakCameraInfoIFD = 0x8290,
  kIptcNaa = 0x83BB,
  kAdobeResource = 0x8649,
  kExifIFDPointer = 0x8769,
  kIccProfile = 0x8773,
  kGpsIFDPointer = 0x8825,
  kExifVersion = 0x9000,
  kFocalLength = 0x920A,
  kTiffEpStandardId = 0x9216,
  kMakerNote = 0x927C,
  kInteropIFDPointer = 0xA005,
  kKodakSpecialEffectsIFD = 0xC36E,
  kKodakBordersIFD = 0xC36F,
  kPrintImIFD = 0xC4A5,
  kLensInfo = 0xC630,
};

constexpr uint16_t kCompressionOldJpeg = 6;
constexpr uint32_t kListedByTagsLimit = 24;

// What one walk remembers from entry to entry.
struct WalkState {
  bool old_jpeg = false;  // Compression 6 met: the strip is the thumbnail
};

uint32_t Clamp32(uint64_t v) {
  return static_cast<uint32_t>(std::min<uint64_t>(v, std::numeric_limits<uint32_t>::max()));
}

// SHORT: the first value; LONG: the last value of the list.
uint32_t ImageNumber(Reader& f, bool intel, const IfdEntry& e) {
  if (e.type == kTypeLong && e.count > 1) {
    f.Seek(e.value_pos + (uint64_t{e.count} - 1) * 4);
    return ReadLong(f, intel);
  }
  return FirstNumber(f, intel, e);
}

bool IsShortOrLong(const IfdEntry& e) { return e.type == kTypeShort || e.type == kTypeLong; }

void ListIFD(TempData& temp, uint32_t limit, uint32_t offset, std::string name) {
  if (temp.SubIFDCount >= limit) return;
  temp.SubIFDOffset[temp.SubIFDCount] = offset;
  temp.SubIFDName[temp.SubIFDCount] = std::move(name);
  ++temp.SubIFDCount;
}

// Records where other IFDs and blocks lie, and the image facts the loader
// uses. May throw like the value text.
void RecordSideInfo(Reader& f, bool intel, const IfdEntry& e, TempData& temp,
                    TSubIFDResult& result, WalkState& state) {
  switch (e.tag) {
    case kExifIFDPointer:
      if (e.type == kTypeLong) result.ExifIFD = FirstNumber(f, intel, e);
      break;
    case kGpsIFDPointer:
      if (e.type == kTypeLong) result.GPSIFD = FirstNumber(f, intel, e);
      break;
    case kInteropIFDPointer:
      if (e.type == kTypeLong) result.InteropIFD = FirstNumber(f, intel, e);
      break;
    case kJpegInterchangeFormat:
      if (e.type == kTypeLong) result.ThumbOffset = FirstNumber(f, intel, e);
      break;
    case kJpegInterchangeFormatLength:
      if (e.type == kTypeLong) result.ThumbLength = FirstNumber(f, intel, e);
      break;
    case kCompression:
      if (IsShortOrLong(e)) state.old_jpeg = FirstNumber(f, intel, e) == kCompressionOldJpeg;
      break;
    case kImageWidth:
      if (IsShortOrLong(e)) temp.ImageWidth = ImageNumber(f, intel, e);
      break;
    case kImageLength:
      if (IsShortOrLong(e)) temp.ImageLength = ImageNumber(f, intel, e);
      break;
    case kPhotometric:
      if (IsShortOrLong(e)) temp.Photometric = static_cast<uint8_t>(ImageNumber(f, intel, e));
      break;
    case kStripOffsets:
      if (IsShortOrLong(e)) {
        temp.StripOffset = ImageNumber(f, intel, e);
        if (state.old_jpeg) result.ThumbOffset = temp.StripOffset;
      }
      break;
    case kStripByteCounts:
      if (IsShortOrLong(e)) {
        temp.StripByteCount = ImageNumber(f, intel, e);
        if (state.old_jpeg) result.ThumbLength = temp.StripByteCount;
      }
      break;
    case kNewSubFileType:
      if (e.type == kTypeLong) temp.NewSubFileType = FirstNumber(f, intel, e);
      break;
    case kOrientation:
      if (IsShortOrLong(e)) {
        const uint32_t orientation = FirstNumber(f, intel, e);
        result.Rotation = (orientation == 6 || orientation == 7) ? 1 : orientation == 8 ? 3 : 0;
        result.OrientationPos = e.value_pos;
      }
      break;
    case kFocalLength:
      if (e.type == kTypeRational) {
        f.Seek(e.value_pos);
        uint32_t n = 0, d = 0;
        ReadRational(f, intel, n, d);
        const auto sn = static_cast<int32_t>(n), sd = static_cast<int32_t>(d);
        result.FocalLength = sd == 0 ? 0.0f : static_cast<float>(static_cast<double>(sn) / sd);
      }
      break;
    case kSubIFDs:
    case kGlobalParameterIFD:
    case kKodakSpecialEffectsIFD:
    case kKodakBordersIFD:
      if (e.type == kTypeLong) {
        const ValueNumbers offsets = ReadNumbers(f, intel, e.value_pos, e.count, 4);
        for (size_t i = 0; i < offsets.size(); ++i) {
          std::string caption = e.tag == kSubIFDs             ? "SubIFD(" + std::to_string(i) + ")"
                                : e.tag == kGlobalParameterIFD ? "GlobalParameterIFD(" + std::to_string(i) + ")"
                                : e.tag == kKodakSpecialEffectsIFD ? "KodakSpecialEffects IFD"
                                                                   : "KodakBorders IFD";
          ListIFD(temp, kListedByTagsLimit, offsets[i], std::move(caption));
        }
      }
      break;
    case kKodakCameraInfoIFD:
      if (e.type == kTypeLong) temp.KodakCameraInfoIFD = ImageNumber(f, intel, e);
      break;
    case kAdobeResource:
      if (e.type == kTypeByte) {
        temp.PhotoshopPos = e.value_pos;
        temp.PhotoshopCount = e.count;
      }
      break;
    case kIccProfile:
      if (e.type == kTypeUndefined) {
        temp.ICCOffset = e.value_offset;
        temp.ICCSize = Clamp32(e.ByteSize());
      }
      break;
    case kPrintImIFD:
      if (e.type == kTypeUndefined) ListIFD(temp, kListedIFDCapacity, e.value_offset, "PrintIM IFD");
      break;
    default:
      break;
  }
}

// The value text of one entry, with the maker-code tests where the walk
// meets Make, Model and MakerNote.
std::string EntryValue(Reader& f, bool intel, uint32_t base, const IfdEntry& e,
                       int32_t& maker_code, TempData& temp, TSubIFDResult& result,
                       WalkState& state) {
  RecordSideInfo(f, intel, e, temp, result, state);
  if (e.tag == kMakerNote) {
    f.Seek(e.value_pos);
    return LocateMakerNote(f, intel, base, e.value_offset, Clamp32(e.ByteSize()), maker_code,
                           result);
  }
  if (e.tag == kLensInfo && e.type == kTypeRational)
    return LensInfoText(f, intel, e, temp.LensMinFocal, temp.LensMaxFocal);
  std::string value = ValueText(f, intel, e);
  if (e.type == kTypeAscii && e.tag == kMake) MakerCodeFromMake(value, maker_code);
  if (e.type == kTypeAscii && e.tag == kModel) {
    result.Model = value;
    MakerCodeFromModel(value, maker_code, result);
  }
  if (e.type == kTypeByte && e.tag == kTiffEpStandardId) result.VersionText = "EP" + value;
  return value;
}

}  // namespace

void ReadIFD(Reader& f, bool intel, uint32_t base, uint64_t offset, int32_t& maker_code,
             TempData& temp, TSubIFDResult& result) {
  result.InteropIFD = 0;
  result.Count = 0;
  result.ExifIFD = 0;
  result.NextIFD = 0;
  result.ThumbLength = 0;
  result.ThumbOffset = 0;
  result.GPSIFD = 0;
  result.Reserved = 0;
  result.Rotation = 0;
  result.OrientationPos = 0;
  temp.StripOffset = 0;
  temp.Photometric = 0;
  temp.SubIFDCount = 0;
  temp.KodakCameraInfoIFD = 0;
  temp.ICCOffset = 0;
  temp.ICCSize = 0;
  temp.LensMaxFocal = 0;
  temp.LensMinFocal = 0;

  f.Seek(offset);
  uint16_t n = 0;
  try {
    n = ReadWord(f, intel);
  } catch (const ReadError&) {
    result.Count = -1;
    return;
  }
  const uint64_t table_pos = offset + 2;
  const uint64_t next_ifd_pos = table_pos + 12 * uint64_t{n};
  // One block read for the whole table; a short table is the loader's error.
  // Tables of up to 64 entries (nearly all) are read onto the stack.
  unsigned char small_table[12 * 64];
  std::string large_table;
  const unsigned char* bytes = small_table;
  if (n <= 64) {
    f.Read(small_table, 12 * size_t{n});
  } else {
    large_table = f.ReadString(12 * uint64_t{n});
    bytes = reinterpret_cast<const unsigned char*>(large_table.data());
  }

  WalkState state;
  ValueBudget budget;
  for (uint32_t i = 0; i < n && result.Count < kIFDRowLimit; ++i) {
    const uint64_t entry_pos = table_pos + 12 * uint64_t{i};
    const IfdEntry e = DecodeEntry(bytes + 12 * size_t{i}, intel, base, entry_pos);
    const auto known = TagName(e.tag, e.type);
    if (e.tag == kIptcNaa) {
      temp.IPTCPos = e.value_pos;
      temp.IPTCSize = Clamp32(e.ByteSize());
    }
    std::string value;
    try {
      if (budget.Take(ValueReadCost(e)))
        value = EntryValue(f, intel, base, e, maker_code, temp, result, state);
    } catch (const ReadError&) {
      value.clear();
    } catch (const FloatError&) {
      value.clear();
    }
    if (e.tag == kExifVersion) result.VersionText = value;
    if (known)
      result.Add(e.tag, TableName{*known}, std::move(value));
    else
      result.Add(e.tag, UnknownTagName(e.tag, e.type, e.count).view(), std::move(value));
  }
  f.Seek(next_ifd_pos);
}

}  // namespace kelvane
