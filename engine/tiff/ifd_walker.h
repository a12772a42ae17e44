// The walk of a TIFF image file directory (IFD0, IFD1, the Exif IFD,
// sub-IFDs, Kodak IFDs): its rows, and the offsets of the other IFDs and
// blocks it met on the way.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"
#include "engine/tiff/ifd_entry.h"

namespace kelvane {

// What one walk found. Offsets are relative to the TIFF header (Base)
// unless named absolute.
struct TSubIFDResult {
  uint32_t InteropIFD = 0;
  uint32_t MakerNoteIFD = 0;
  std::string MakerNoteText;
  // The MakerNote block itself: its offset and byte count (0: not known).
  uint32_t MakerNoteOffset = 0;
  uint32_t MakerNoteSize = 0;
  int32_t Count = 0;  // rows stored; -1 when the entry count could not be read
  std::string VersionText;  // ExifVersion's text, or "EP" + TIFF/EP's
  uint32_t ExifIFD = 0;
  uint32_t NextIFD = 0;  // stored by the loader after the walk
  uint32_t ThumbLength = 0;
  uint32_t ThumbOffset = 0;
  uint32_t GPSIFD = 0;
  std::string Model;
  float FocalLength = 0;
  RowArray Items;
  uint8_t Rotation = 0;
  uint64_t OrientationPos = 0;  // absolute

  template <typename Name, typename Value>
  bool Add(int32_t tag, Name&& name, Value&& value, RowStyle style = kStyleDetail,
           RowStyle exif_style = kStyleDetail) {
    return AppendRow(Items, Count, tag, std::forward<Name>(name), std::forward<Value>(value),
                     style, exif_style);
  }
};

inline constexpr int kListedIFDCapacity = 26;

// Side results of the walks of one run; fields not cleared by a walk keep
// what earlier walks found.
struct TempData {
  uint32_t ImageWidth = 0;
  uint32_t ImageLength = 0;
  uint32_t StripOffset = 0;
  uint32_t StripByteCount = 0;
  uint8_t Photometric = 0;
  uint16_t Compression = 0;  // the walked IFD's, 0 when it has none
  // An embedded JPEG the IFD points to by a tag of its own (a Panasonic
  // raw's JpgFromRaw): relative to the TIFF header, 0 when none.
  uint32_t PreviewOffset = 0;
  uint32_t PreviewLength = 0;
  uint32_t SubIFDCount = 0;
  std::array<uint32_t, kListedIFDCapacity> SubIFDOffset{};
  std::array<std::string, kListedIFDCapacity> SubIFDName;
  uint64_t PhotoshopPos = 0;  // absolute
  uint32_t PhotoshopCount = 0;
  uint64_t IPTCPos = 0;  // absolute
  uint32_t IPTCSize = 0;
  uint64_t XmpPos = 0;  // absolute
  uint32_t XmpLength = 0;
  uint32_t KodakCameraInfoIFD = 0;
  uint32_t ICCOffset = 0;  // relative, as stored
  uint32_t ICCSize = 0;
  uint32_t NewSubFileType = 0;
  double LensMaxFocal = 0;
  double LensMinFocal = 0;
};

// What the walk asks the maker-note layer when it meets Make, Model and
// MakerNote: which maker wrote the note and where its IFD starts. The
// maker-note layer implements it; the walk only holds the question.
class MakerIdentification {
 public:
  // Make (0x10F), read with NULs dropped and trailing blanks trimmed.
  virtual void FromMake(const std::string& make, int32_t& maker_code) const = 0;
  // Model (0x110), read the same way; may set the walk's locator text.
  virtual void FromModel(const std::string& model, int32_t& maker_code,
                         TSubIFDResult& result) const = 0;
  // MakerNote (0x927C): the file stands at the block's first byte; `offset`
  // is its offset from the TIFF header at `base` and `count` its bytes.
  // Confirms or changes the maker code, sets result.MakerNoteIFD and
  // result.MakerNoteText, and returns the MakerNote row's value text.
  virtual std::string Locate(Reader& f, bool intel, uint32_t base, uint32_t offset,
                             uint32_t count, int32_t& maker_code,
                             TSubIFDResult& result) const = 0;

 protected:
  ~MakerIdentification() = default;
};

// The walk at work, handed to the value rules and notes of the IFD tag
// table.
struct TiffWalk {
  Reader& f;
  bool intel;
  uint32_t base;
  const MakerIdentification* makers;  // null: makers are not identified
  int32_t& maker_code;
  TempData& temp;
  TSubIFDResult& result;
  bool old_jpeg = false;  // Compression 6 met: the strip is the thumbnail
};

// The tag table an IFD is read with: the IFD tag table, or for IFD0 of a
// Panasonic raw file ("IIU") its own table in front of it.
enum class IfdTable { kTiff, kPanasonicRaw };

// The walk keeps at most this many rows of one IFD.
inline constexpr int32_t kIFDRowLimit = 100;

// Walks the IFD whose entry count stands at the absolute position `offset`.
// Whenever the entry count could be read, the file is left at the next-IFD
// offset (offset + 2 + 12 x N), also when the row limit cut the walk short.
// When it could not be read, Count is -1. An entry table that runs past the
// end of the file throws ReadError; a value that cannot be decoded leaves
// its row's value empty.
void ReadIFD(Reader& f, bool intel, uint32_t base, uint64_t offset, int32_t& maker_code,
             TempData& temp, TSubIFDResult& result,
             const MakerIdentification* makers = nullptr, IfdTable table = IfdTable::kTiff);

// The caption of `tag` in the IFD tag table, or nothing when the table does
// not hold it. 0xC635 is named by its type: "MakerNoteSafety" as SHORT,
// else "BestQualityScale".
std::optional<std::string_view> TagName(uint16_t tag, uint16_t type);


}  // namespace kelvane
