#include "engine/loader/xmp_group.h"

#include <algorithm>
#include <string>

#include "engine/containers/decompress.h"
#include "engine/xmp/extended_xmp.h"
#include "engine/xmp/xmp_rows.h"

namespace kelvane {

namespace {

std::string ReadPacket(Reader& f, const XmpPlaces& places) {
  const XmpPlaces::Place& p = places.packet;
  switch (places.coding) {
    case XmpPlaces::Coding::kZlib:
      return InflateZlib(f, p.pos, p.length).bytes;
    case XmpPlaces::Coding::kBrotli:
      return DecompressBrotli(f, p.pos, p.length).bytes;
    case XmpPlaces::Coding::kPlain:
      break;
  }
  f.Seek(p.pos);
  return f.ReadString(std::min({p.length, f.Remaining(), kMaxXmpPacket}));
}

}  // namespace

void AddXmpGroup(Reader& f, const XmpPlaces& places, bool abbreviated, InfoTree& tree) {
  if (!places.Found()) return;
  tree.AddRow(kStyleCaption, xmp::kXmpCaption, "");
  std::string packet;
  std::vector<std::string> segments;
  try {
    packet = ReadPacket(f, places);
    for (const XmpPlaces::Place& s : places.extension) {
      f.Seek(s.pos);
      segments.push_back(f.ReadString(std::min(s.length, f.Remaining())));
    }
  } catch (const ReadError&) {
    // What could not be read is missing from the packet, which then shows
    // as damaged.
  }
  std::vector<xmp::ExtendedChunk> chunks;
  for (const std::string& s : segments)
    if (auto chunk = xmp::ParseExtendedChunk(s)) chunks.push_back(*chunk);
  for (const xmp::XmpRow& row : xmp::MakeXmpRows(packet, chunks, abbreviated))
    tree.AddRow(row.style, row.name, row.value);
}

}  // namespace kelvane
