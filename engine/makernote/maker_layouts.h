// The maker-note layouts: one row per maker code that has a decodable note,
// saying what the note's value offsets count from, its byte order, how its
// IFD is walked, its tag table and how its ASCII values read by default.
// Where the note's IFD starts is found by the locator (maker_dispatch.cpp),
// which recognises the maker from Make, Model and the note's signature.
#pragma once

#include <cstdint>
#include <span>

#include "engine/makernote/maker_code.h"
#include "engine/makernote/maker_table.h"
#include "engine/tiff/directory_walk.h"

namespace kelvane::maker {

// What a note's value offsets count from.
enum class Anchor : uint8_t {
  kTiffHeader,      // the file's TIFF header (most makers)
  kEmbeddedHeader,  // the TIFF header the note holds 8 bytes before its IFD
  kFujifilmStart,   // the note's own start, its "FUJIFILM" text
  kNoteStart,       // the note's first byte, as the loader hands it over
};

// The note's byte order.
enum class Order : uint8_t {
  kFile,            // the file's
  kIntel,           // always least significant byte first
  kSignature,       // what the locator read from the note: "MM" Motorola,
                    // "II" Intel (Sigma writes "MM" only), else the file's
  kEmbeddedHeader,  // that of the embedded TIFF header, when there is one
};

struct MakerLayout {
  MakerCode code = MakerCode::kNone;
  std::span<const MakerTag> tags = {};  // empty: every entry is an "Unknown (" row
  Anchor anchor = Anchor::kTiffHeader;
  Order order = Order::kFile;
  // The code in the rows' keys (Nikon's embedded layout keys as code 6).
  MakerCode key = MakerCode::kNone;
  // How an ASCII value without a reading of its own is read.
  Text ascii = Text::kAsciiValue;
  DirectoryRules walk = kMakerWalk;
  // The note can be an Exif MakerNote; false for the IFDs reached only from
  // another note or from a Kodak Meta IFD.
  bool exif_note = true;
  // The style of a named row whose tag sets none. The older layouts show
  // every named row as a key row; newer ones show details, and mark their
  // key facts (lens, serial numbers, shutter count, firmware).
  RowStyle named_style = kStyleKey;
  // The tags whose values are the body's serial number and its shutter
  // count, kept as facts for the ciphers and records (0: none).
  uint16_t serial_tag = 0, shutter_count_tag = 0;

  // Notes are walked whole: a table of more than 500 entries is no note; a
  // value the file does not hold costs that value only.
  static constexpr DirectoryRules kMakerWalk{.max_entries = 500,
                                             .float_error_costs_value = false};
};

// The layout of `code`, or null when its notes are not decoded.
const MakerLayout* FindLayout(int32_t code);

}  // namespace kelvane::maker
