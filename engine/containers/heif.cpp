#include "engine/containers/heif.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/containers/colour_box.h"
#include "engine/containers/isobmff.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

using bmff::Box;
using bmff::FourCC;

// Bounds on what one file may make us look at: items described, extents
// walked over all of `iloc`, properties listed and associations read.
constexpr size_t kMaxItems = 4096;
constexpr uint64_t kMaxExtentsWalked = 1u << 16;
constexpr size_t kMaxProperties = 1024;

constexpr uint32_t kHeifBrands[] = {FourCC("heic"), FourCC("heix"), FourCC("heim"), FourCC("heis"),
                                    FourCC("hevc"), FourCC("hevx"), FourCC("mif1"), FourCC("msf1"),
                                    FourCC("avif"), FourCC("avis"), FourCC("mif2")};

struct ItemInfo {
  uint32_t id = 0;
  uint32_t type = 0;
  std::string content_type;  // `mime` items
};

struct Extent {
  uint64_t offset = 0;  // relative to the file or to the idat payload
  uint64_t length = 0;
};

struct ItemLocation {
  uint32_t id = 0;
  uint16_t method = 0;  // 0 file, 1 idat, 2 another item
  std::vector<Extent> extents;
};

// A text ending at a NUL or at `end`.
std::string ReadZText(Reader& f, uint64_t end) {
  if (f.Position() >= end) return {};
  return ReadTextZ(f, static_cast<int64_t>(std::min<uint64_t>(end - f.Position(), 255)));
}

uint32_t ReadPrimaryItem(Reader& f, const Box& pitm) {
  const bmff::FullBoxHeader h = bmff::ReadFullBoxHeader(f, pitm);
  return h.version == 0 ? ReadWord(f, false) : ReadLong(f, false);
}

std::optional<ItemInfo> ReadItemInfoEntry(Reader& f, const Box& infe) {
  const bmff::FullBoxHeader h = bmff::ReadFullBoxHeader(f, infe);
  ItemInfo info;
  if (h.version < 2) {
    info.id = ReadWord(f, false);
    f.Skip(2);  // protection index
    ReadZText(f, infe.end());  // name
    info.content_type = ReadZText(f, infe.end());
    return info;
  }
  info.id = h.version == 2 ? ReadWord(f, false) : ReadLong(f, false);
  f.Skip(2);
  info.type = ReadLong(f, false);
  ReadZText(f, infe.end());  // name
  if (info.type == FourCC("mime")) info.content_type = ReadZText(f, infe.end());
  return info;
}

std::vector<ItemInfo> ReadItemInfos(Reader& f, const Box& iinf) {
  std::vector<ItemInfo> items;
  const bmff::FullBoxHeader h = bmff::ReadFullBoxHeader(f, iinf);
  const uint64_t first = iinf.payload() + 4 + (h.version == 0 ? 2 : 4);
  bmff::ForEachBox(f, first, iinf.end(), [&](const Box& b) {
    if (!b.Is(FourCC("infe")) || b.payload_size() < 4) return true;
    if (auto info = ReadItemInfoEntry(f, b)) items.push_back(std::move(*info));
    return items.size() < kMaxItems;
  });
  return items;
}

// Only the items `wanted` says are kept; every extent is stepped over
// within a budget, so a table of empty extents ends soon.
template <typename Wanted>
std::vector<ItemLocation> ReadItemLocations(Reader& f, const Box& iloc, Wanted wanted) {
  std::vector<ItemLocation> out;
  const bmff::FullBoxHeader h = bmff::ReadFullBoxHeader(f, iloc);
  if (h.version > 2) return out;
  const uint8_t sizes = ReadByte(f);
  const uint8_t more = ReadByte(f);
  const int offset_size = sizes >> 4, length_size = sizes & 15;
  const int base_size = more >> 4, index_size = h.version == 0 ? 0 : (more & 15);
  const uint32_t count = h.version < 2 ? ReadWord(f, false) : ReadLong(f, false);
  uint64_t walked = 0;
  for (uint32_t i = 0; i < count && f.Position() < iloc.end(); ++i) {
    ItemLocation loc;
    loc.id = h.version < 2 ? ReadWord(f, false) : ReadLong(f, false);
    if (h.version != 0) loc.method = ReadWord(f, false) & 15;
    f.Skip(2);  // data reference index
    const uint64_t base_offset = bmff::ReadSized(f, base_size);
    const uint16_t extents = ReadWord(f, false);
    const bool keep = wanted(loc.id);
    for (uint16_t e = 0; e < extents; ++e) {
      if (++walked > kMaxExtentsWalked || f.Position() > iloc.end()) return out;
      bmff::ReadSized(f, index_size);
      const uint64_t offset = bmff::ReadSized(f, offset_size);
      const uint64_t length = bmff::ReadSized(f, length_size);
      if (keep && loc.extents.size() < 64) loc.extents.push_back({base_offset + offset, length});
    }
    if (keep) out.push_back(std::move(loc));
  }
  return out;
}

// The item's extents as runs of the file, in their order, when every one
// lies inside the file (construction method 0) or the idat box (method 1).
// A length of 0 means "to the end of the file" (or of the idat box).
std::optional<std::vector<ItemSpan>> ItemRuns(const ItemLocation& loc, const std::optional<Box>& idat,
                                              uint64_t file_size) {
  if (loc.extents.empty()) return std::nullopt;
  uint64_t origin = 0, limit = file_size;
  if (loc.method == 1) {
    if (!idat) return std::nullopt;
    origin = idat->payload();
    limit = idat->end();
  } else if (loc.method != 0) {
    return std::nullopt;
  }
  std::vector<ItemSpan> runs;
  for (const Extent& e : loc.extents) {
    if (e.offset > limit - origin) return std::nullopt;
    const uint64_t at = origin + e.offset;
    const uint64_t length = e.length == 0 ? limit - at : e.length;
    if (length > limit - at) return std::nullopt;
    runs.push_back({at, length});
  }
  return runs;
}

// The runs as one span of the file, when they follow each other.
std::optional<ItemSpan> OneSpan(const std::vector<ItemSpan>& runs) {
  ItemSpan span{runs.front().offset, 0};
  for (const ItemSpan& run : runs) {
    if (run.offset != span.offset + span.length) return std::nullopt;  // a scattered item
    span.length += run.length;
  }
  return span;
}

// The bytes of runs that do not follow each other, gathered in their
// order; nothing when the whole is larger than kMaxGatheredItem.
std::optional<std::string> GatherRuns(Reader& f, const std::vector<ItemSpan>& runs) {
  uint64_t total = 0;
  for (const ItemSpan& run : runs) {
    if (run.length > kMaxGatheredItem - total) return std::nullopt;
    total += run.length;
  }
  std::string bytes;
  bytes.reserve(static_cast<size_t>(total));
  for (const ItemSpan& run : runs) {
    f.Seek(run.offset);
    bytes += ReadRaw(f, static_cast<int64_t>(run.length));
  }
  return bytes;
}

struct PrimaryProperties {
  uint32_t width = 0, height = 0;
  bool has_size = false;
  int rotation = -1;  // quarter turns anticlockwise
  int mirror = -1;    // 0: about a vertical axis, 1: about a horizontal one
  std::vector<Box> colours;  // its `colr` boxes (coded facts, a profile)
};

// A scattered Exif item: its leading offset field, then the TIFF block.
void GatherExif(Reader& f, const std::vector<ItemSpan>& runs, HeifItems& found, TMakerResult& result) {
  const std::optional<std::string> item = GatherRuns(f, runs);
  if (!item || item->size() < 4) return;
  const auto to_header = static_cast<uint32_t>(static_cast<uint8_t>((*item)[0]) << 24 |
                                               static_cast<uint8_t>((*item)[1]) << 16 |
                                               static_cast<uint8_t>((*item)[2]) << 8 |
                                               static_cast<uint8_t>((*item)[3]));
  if (to_header > item->size() - 4 || item->size() - 4 - to_header < 8) return;
  found.exif_block = item->substr(4 + to_header);
  AddItem(result, "Exif", "Offset:" + std::to_string(runs.front().offset) + "  " + std::to_string(item->size()) +
                              "bytes (" + std::to_string(runs.size()) + " extents)");
}

PrimaryProperties ReadPrimaryProperties(Reader& f, const Box& iprp, uint32_t primary) {
  PrimaryProperties p;
  const std::optional<Box> ipco = bmff::FindChild(f, iprp, FourCC("ipco"));
  const std::optional<Box> ipma = bmff::FindChild(f, iprp, FourCC("ipma"));
  if (!ipco || !ipma) return p;
  std::vector<Box> properties;
  bmff::ForEachBox(f, ipco->payload(), ipco->end(), [&](const Box& b) {
    properties.push_back(b);
    return properties.size() < kMaxProperties;
  });
  const bmff::FullBoxHeader h = bmff::ReadFullBoxHeader(f, *ipma);
  const uint32_t entries = ReadLong(f, false);
  std::vector<uint16_t> indices;
  for (uint32_t i = 0; i < entries && f.Position() < ipma->end(); ++i) {
    const uint32_t id = h.version < 1 ? ReadWord(f, false) : ReadLong(f, false);
    const uint8_t n = ReadByte(f);
    for (uint8_t k = 0; k < n; ++k) {
      const uint16_t index = (h.flags & 1) ? (ReadWord(f, false) & 0x7FFF)
                                           : static_cast<uint16_t>(ReadByte(f) & 0x7F);
      if (id == primary) indices.push_back(index);
    }
    if (id == primary) break;
  }
  for (uint16_t index : indices) {
    if (index == 0 || index > properties.size()) continue;
    const Box& b = properties[index - 1u];
    if (b.Is(FourCC("ispe")) && b.payload_size() >= 12 && !p.has_size) {
      f.Seek(b.payload() + 4);
      p.width = ReadLong(f, false);
      p.height = ReadLong(f, false);
      p.has_size = true;
    } else if (b.Is(FourCC("irot")) && b.payload_size() >= 1) {
      f.Seek(b.payload());
      p.rotation = ReadByte(f) & 3;
    } else if (b.Is(FourCC("imir")) && b.payload_size() >= 1) {
      f.Seek(b.payload());
      p.mirror = ReadByte(f) & 1;
    } else if (b.Is(FourCC("colr")) && p.colours.size() < 4) {
      p.colours.push_back(b);
    }
  }
  // A grid carries no colour of its own: its tiles carry the colour of the
  // image they make up.
  if (p.colours.empty()) {
    for (const Box& b : properties)
      if (b.Is(FourCC("colr")) && p.colours.size() < 2) p.colours.push_back(b);
  }
  return p;
}

std::string CodecText(uint32_t type, const std::vector<ItemInfo>& items) {
  auto name = [](uint32_t t) -> std::string {
    if (t == FourCC("hvc1")) return "HEVC (hvc1)";
    if (t == FourCC("av01")) return "AV1 (av01)";
    if (t == FourCC("jpeg")) return "JPEG (jpeg)";
    if (t == FourCC("vvc1")) return "VVC (vvc1)";
    return bmff::TypeText(t);
  };
  if (type != FourCC("grid")) return name(type);
  // A grid's tiles are items of their own; the codec is theirs.
  for (const ItemInfo& i : items)
    if (i.type == FourCC("hvc1") || i.type == FourCC("av01")) return name(i.type) + " グリッド";
  return "grid";
}

const char* RotationText(int quarter_turns) {
  switch (quarter_turns) {
    case 0: return "なし";
    case 1: return "反時計回りに90°";
    case 2: return "180°";
    default: return "反時計回りに270°";
  }
}

}  // namespace

bool IsHeifType(const bmff::FileType& t) {
  return std::any_of(std::begin(kHeifBrands), std::end(kHeifBrands),
                     [&](uint32_t b) { return t.major == b; }) ||
         t.Has(FourCC("mif1")) || t.Has(FourCC("heic")) || t.Has(FourCC("avif"));
}

bool IsHeif(Reader& f) {
  const std::optional<bmff::FileType> t = bmff::ReadFileType(f);
  return t && IsHeifType(*t);
}

bool IsAvif(Reader& f) {
  const std::optional<bmff::FileType> t = bmff::ReadFileType(f);
  return t && (t->major == FourCC("avif") || t->major == FourCC("avis") ||
               (t->Has(FourCC("avif")) && !t->Has(FourCC("heic"))));
}

HeifItems ReadHeif(Reader& f, TMakerResult& result) {
  result.Clear();
  HeifItems found;
  if (const auto t = bmff::ReadFileType(f)) {
    AddItem(result, "メジャーブランド", bmff::TypeText(t->major));
    AddItem(result, "互換ブランド", t->brands);
  }
  const std::optional<Box> meta = bmff::FindTopLevel(f, FourCC("meta"));
  if (!meta || meta->payload_size() < 4) return found;
  std::optional<Box> pitm, iinf, iloc, idat, iprp;
  bmff::ForEachBox(f, meta->payload() + 4, meta->end(), [&](const Box& b) {
    if (b.Is(FourCC("pitm")) && !pitm) pitm = b;
    else if (b.Is(FourCC("iinf")) && !iinf) iinf = b;
    else if (b.Is(FourCC("iloc")) && !iloc) iloc = b;
    else if (b.Is(FourCC("idat")) && !idat) idat = b;
    else if (b.Is(FourCC("iprp")) && !iprp) iprp = b;
    return true;
  });
  const std::vector<ItemInfo> items = iinf ? ReadItemInfos(f, *iinf) : std::vector<ItemInfo>{};
  const std::optional<uint32_t> primary =
      pitm ? std::optional<uint32_t>(ReadPrimaryItem(f, *pitm)) : std::nullopt;

  PrimaryProperties p;
  if (primary && iprp) p = ReadPrimaryProperties(f, *iprp, *primary);
  if (p.has_size)
    AddItem(result, "画像サイズ", std::to_string(p.width) + " x " + std::to_string(p.height));
  if (primary) {
    for (const ItemInfo& i : items)
      if (i.id == *primary) AddItem(result, "圧縮形式", CodecText(i.type, items));
  }
  if (p.rotation >= 0) AddItem(result, "回転", RotationText(p.rotation));
  if (p.mirror >= 0) AddItem(result, "反転", p.mirror == 0 ? "左右反転" : "上下反転");
  for (const Box& colr : p.colours)
    ReadColourBox(f, colr.payload(), colr.payload_size(), "", result, found.icc);
  AddItem(result, "項目数", std::to_string(items.size()));

  // The first Exif item and the first XMP item.
  uint32_t exif_id = 0, xmp_id = 0;
  bool has_exif = false, has_xmp = false;
  for (const ItemInfo& i : items) {
    if (i.type == FourCC("Exif") && !has_exif) {
      exif_id = i.id;
      has_exif = true;
    }
    if (i.type == FourCC("mime") && i.content_type == "application/rdf+xml" && !has_xmp) {
      xmp_id = i.id;
      has_xmp = true;
    }
  }
  if (!iloc || (!has_exif && !has_xmp)) return found;
  const std::vector<ItemLocation> locations = ReadItemLocations(f, *iloc, [&](uint32_t id) {
    return (has_exif && id == exif_id) || (has_xmp && id == xmp_id);
  });
  for (const ItemLocation& loc : locations) {
    const std::optional<std::vector<ItemSpan>> runs = ItemRuns(loc, idat, f.Size());
    if (!runs) continue;
    const std::optional<ItemSpan> span = OneSpan(*runs);
    if (!span) {
      if (has_exif && loc.id == exif_id && found.exif_tiff == 0 && found.exif_block.empty())
        GatherExif(f, *runs, found, result);
      continue;
    }
    const std::string where =
        "Offset:" + std::to_string(span->offset) + "  " + std::to_string(span->length) + "bytes";
    if (has_exif && loc.id == exif_id && found.exif_tiff == 0) {
      // The item starts with the offset from behind this field to the TIFF
      // header (usually 6, past "Exif\0\0").
      if (span->length < 4) continue;
      f.Seek(span->offset);
      const uint32_t to_header = ReadLong(f, false);
      if (to_header > span->length - 4 || span->length - 4 - to_header < 8) continue;
      found.exif_tiff = span->offset + 4 + to_header;
      AddItem(result, "Exif", where);
    } else if (has_xmp && loc.id == xmp_id && found.xmp.length == 0) {
      found.xmp = *span;
      AddItem(result, "XMP", where);
    }
  }
  return found;
}

}  // namespace kelvane
