#include "engine/xmp/xmp_rows.h"

#include <optional>
#include <string>
#include <utility>

#include "engine/xmp/xmp_captions.h"
#include "engine/xmp/xmp_packet.h"
#include "engine/xmp/xmp_value_rules.h"

namespace kelvane::xmp {

namespace {

constexpr const char* kDamaged = "情報が破損";

}  // namespace

std::vector<XmpRow> MakeXmpRows(std::string_view packet, std::span<const ExtendedChunk> chunks,
                                bool abbreviated) {
  XmpProperties properties;
  const bool packet_whole = properties.Read(packet);
  bool extension_whole = true;
  // The extension's GUID as the main packet names it (a damaged main packet
  // may still have named it before the damage).
  const std::string guid(properties.Value(ns::kXmpNote, "HasExtendedXMP"));
  if (!guid.empty()) {
    const JoinedExtension joined = JoinExtendedXmp(chunks, guid);
    extension_whole = joined.end == JoinEnd::kJoined && properties.Read(joined.packet);
  }
  std::vector<XmpRow> rows;
  rows.reserve(properties.List().size() + 2);
  // One row per property; its texts move into the row.
  for (XmpProperty& p : properties.Edit()) {
    if (abbreviated && !p.key) continue;
    // A property whose stored value is a code shows the text a person reads.
    const XmpStep step = properties.Step(p);
    std::optional<std::string> text = XmpValueText(step.uri, step.local, p.value);
    rows.push_back({p.key ? kStyleKey : kStyleDetail, std::move(p.shown),
                    text ? std::move(*text) : std::move(p.value)});
  }
  if (!packet_whole) rows.push_back({kStylePlain, "XMP", kDamaged});
  if (!extension_whole) rows.push_back({kStylePlain, "拡張XMP", kDamaged});
  return rows;
}

}  // namespace kelvane::xmp
