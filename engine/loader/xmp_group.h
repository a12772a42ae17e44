// The XMP group: the packet the loader's steps found (the first one), and
// a JPEG's Extended XMP segments, read from the file and shown as rows.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/loader/info_tree.h"
#include "engine/reader/reader.h"

namespace kelvane {

struct XmpPlaces {
  enum class Coding { kPlain, kZlib, kBrotli };
  struct Place {
    uint64_t pos = 0;  // absolute
    uint64_t length = 0;
  };
  Place packet;
  Coding coding = Coding::kPlain;
  // The data of each Extended XMP segment behind its signature.
  std::vector<Place> extension;

  bool Found() const { return packet.length != 0; }
  // Keeps the first packet found.
  void Note(uint64_t pos, uint64_t length, Coding how = Coding::kPlain) {
    if (Found() || pos == 0 || length == 0) return;
    packet = {pos, length};
    coding = how;
  }
};

// The largest packet read; the rest of a larger one is left, as for a
// packet cut short.
inline constexpr uint64_t kMaxXmpPacket = uint64_t{32} << 20;

// Adds the XMP group's caption and rows, when a packet was found.
void AddXmpGroup(Reader& f, const XmpPlaces& places, bool abbreviated, InfoTree& tree);

}  // namespace kelvane
