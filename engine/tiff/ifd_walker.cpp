#include "engine/tiff/ifd_walker.h"

#include "engine/reader/primitives.h"
#include "engine/tiff/directory_walk.h"
#include "engine/tiff/exif_rules.h"
#include "engine/tiff/exif_tags.h"
#include "engine/tiff/panasonic_raw_tags.h"

namespace kelvane {

namespace {

constexpr uint16_t kExifVersion = 0x9000;
constexpr DirectoryRules kIfdRules{.max_rows = kIFDRowLimit};

// The IFD tag table read by the one walker.
class IfdKind {
 public:
  IfdKind(TiffWalk& w, IfdTable table) : w_(w), table_(table) {}

  const IfdTag* Find(const IfdEntry& e) const {
    if (table_ == IfdTable::kPanasonicRaw) return FindPanasonicRawRow(e.tag);
    return FindTagRow<TiffWalk>(kIfdTags, kIfdTagIndex, e.tag);
  }

  uint64_t Cost(const IfdTag* row, const IfdEntry& e) const {
    if (e.is_inline || !row || !row->rule.AppliesTo(e.type)) return PlainIfdCost(e);
    switch (row->rule.cost) {
      case ReadCost::kNone: return 0;
      case ReadCost::kWhole: return e.ByteSize();
      case ReadCost::kAsType: break;
    }
    return PlainIfdCost(e);
  }

  std::string Value(const IfdTag* row, const IfdEntry& e) {
    if (!row) return PlainIfdText(w_.f, w_.intel, e);
    if (row->note) row->note(w_, e);
    const ValueRule<TiffWalk>& rule = row->rule;
    if (!rule.AppliesTo(e.type)) return PlainIfdText(w_.f, w_.intel, e);
    if (rule.text) return rule.text(w_, e);
    return CodeTextOrUnknown(rule.vocabulary, FirstInteger(w_.f, w_.intel, e));
  }

  void Add(const IfdTag* row, const IfdEntry& e, std::string value) {
    // ExifVersion's text, even an empty one, is the walk's version text.
    if (e.tag == kExifVersion) w_.result.VersionText = value;
    if (row)
      w_.result.Add(e.tag, TableName{row->NameFor(e.type)}, std::move(value), row->style,
                    row->exif_style);
    else
      w_.result.Add(e.tag, UnknownTagName(e.tag, e.type, e.count).view(), std::move(value));
  }

  int32_t Rows() const { return w_.result.Count; }

 private:
  TiffWalk& w_;
  IfdTable table_;
};

}  // namespace

void ReadIFD(Reader& f, bool intel, uint32_t base, uint64_t offset, int32_t& maker_code,
             TempData& temp, TSubIFDResult& result, const MakerIdentification* makers,
             IfdTable table) {
  result.InteropIFD = 0;
  result.Count = 0;
  result.ExifIFD = 0;
  result.NextIFD = 0;
  result.ThumbLength = 0;
  result.ThumbOffset = 0;
  result.GPSIFD = 0;
  result.Rotation = 0;
  result.OrientationPos = 0;
  temp.StripOffset = 0;
  temp.Photometric = 0;
  temp.Compression = 0;
  temp.PreviewOffset = 0;
  temp.PreviewLength = 0;
  temp.SubIFDCount = 0;
  temp.KodakCameraInfoIFD = 0;
  temp.ICCOffset = 0;
  temp.ICCSize = 0;
  temp.LensMaxFocal = 0;
  temp.LensMinFocal = 0;

  TiffWalk w{f, intel, base, makers, maker_code, temp, result};
  IfdKind kind(w, table);
  f.Seek(offset);
  if (f.Remaining() < 2) {
    // The entry count is not in the file.
    result.Count = -1;
    return;
  }
  const WalkResult walk = WalkDirectory(f, intel, base, offset, kIfdRules, kind);
  f.Seek(walk.next_ifd_pos);
}

std::optional<std::string_view> TagName(uint16_t tag, uint16_t type) {
  const IfdTag* row = FindTagRow<TiffWalk>(kIfdTags, kIfdTagIndex, tag);
  if (!row) return std::nullopt;
  return row->NameFor(type);
}

}  // namespace kelvane
