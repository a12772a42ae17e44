// The shape of a maker's tag table: for each tag its caption and how its
// value is turned into text. The tables themselves are data (tags_*.h);
// each maker-note layout (maker_layouts.h) names its table, and
// ReadMakerNote looks a tag up through FindMakerTag.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/makernote/lens_table.h"
#include "engine/makernote/maker_record.h"
#include "engine/reader/records.h"
#include "engine/text/vocabulary.h"

namespace kelvane::maker {

// A text mapped to another text (Nikon's finish settings).
struct TextLabel {
  std::string_view from;
  const char* text;
};

// TIFF value types an enumeration applies to.
enum TypeMask : uint8_t {
  kAnyType = 0,
  kByte = 1 << 0,
  kShort = 1 << 1,
  kLong = 1 << 2,
};

// How a text (ASCII, or an UNDEFINED block read as text) is read. An ASCII
// value always ends at its terminating NUL: what follows it is padding or
// left-overs, never part of the value (see ReadAsciiValue).
enum class Text : uint8_t {
  kMakerDefault,  // ASCII: the maker's rule; UNDEFINED: not a text
  kAsciiValue,    // up to the first NUL, trailing blanks trimmed; spaces kept
  kRaw,           // every byte, NULs included (ASCII: up to the first NUL)
  kSkipNul,       // NULs dropped
  kSkipNulSpace,  // NULs and spaces dropped
  kNulAsSpace,    // several NUL-separated parts, joined by spaces
  kToNul,         // up to the first NUL
};

// Value rules beyond the type defaults and the enumeration.
enum class Rule : uint8_t {
  kPlain,
  kSpecialMode,          // LONG array: Olympus special mode; no row of its own
  kCanonSettings,        // SHORT array: Canon settings arrays; no row of its own
  kCanonSettingsAndRow,  // SHORT array: Canon settings arrays, and the entry's row
  kCanonCustomFunctions, // SHORT array: words in hex, then the custom functions
  kCanonSerial,          // LONG: "%04X-%05d" of the two halves
  kDecimalUnit,          // SHORT/LONG: the decimal number followed by `unit`
  kIsoNumber,            // SHORT: the ISO number (the last value of the pair)
  kCasioZoom,            // LONG: "x" + whole part + "." + hundredths
  kUpperHex,             // LONG: upper-case hexadecimal
  kPreview,              // BYTE block: an embedded preview image
  kNikonThumbnailIFD,    // LONG: Nikon's thumbnail IFD or JPEG
  kPrintIM,              // UNDEFINED: where the PrintIM block lies
  kHexDump,              // UNDEFINED: every byte as two hex digits
  kRicohCameraInfo,      // UNDEFINED: Ricoh's camera-info IFD
  kMinoltaSettings,      // UNDEFINED: Minolta's camera-settings words
  kNikonFinish,          // ASCII: Nikon's finish setting, mapped through `finish`
  kNikonProgram,         // ASCII: Nikon's digital image program, "オフ" when empty
  kDecimalBytes,         // BYTE/UNDEFINED: each byte in decimal, joined by ","
  kVersion,              // UNDEFINED: a version, text when printable, else its bytes
};

struct MakerDirectory;

// A maker's own value text: the value's bytes as stored (at most
// kMaxRecordBytes), read in the note's byte order (`intel`), to the row's
// text; it may note facts. Answers nothing for "no row".
using ValueFormat = std::optional<std::string> (*)(std::span<const uint8_t> bytes, bool intel,
                                                   uint16_t type, NoteFacts& facts);

struct MakerTag {
  uint16_t tag = 0;
  // The caption; null keeps the "Unknown (" name of an unnamed tag.
  const char* name = nullptr;
  Rule rule = Rule::kPlain;
  // How an ASCII value, and an UNDEFINED block that is a text, are read.
  Text ascii = Text::kMakerDefault;
  Text block = Text::kMakerDefault;
  // The enumeration and the value types it applies to. A value listed with
  // a null text gives no row at all; an empty text gives an empty value.
  std::span<const CodeText> values = {};
  uint8_t types = kAnyType;
  const char* unit = "";
  // The value text is kept as the note's camera-type text for later entries.
  bool camera_type = false;
  std::span<const TextLabel> finish = {};
  // The row's style; none: the layout's style for named rows.
  std::optional<RowStyle> style = std::nullopt;
  // The entry opens a sub-IFD (a LONG or IFD offset, or an UNDEFINED block
  // that is an IFD), or its bytes are a binary record: read after the main
  // directory, as a group of its own; the entry keeps its own row.
  const MakerDirectory* directory = nullptr;
  const MakerRecord* record = nullptr;
  // The value (SHORT or LONG) is a lens ID of this list.
  std::span<const LensId> lenses = {};
  // The maker's own value text, in place of the type's.
  ValueFormat format = nullptr;
  // The value (its number, or its row's text) also feeds this fact.
  Fact fact = Fact::kNone;
};

// What a sub-IFD's value offsets count from.
enum class DirectoryAnchor : uint8_t {
  kNote,   // as the note's own offsets do
  kBlock,  // from the sub-IFD's own first byte
};

struct MakerDirectory {
  const char* caption;
  std::span<const MakerTag> tags;
  DirectoryAnchor anchor = DirectoryAnchor::kNote;
};

// The entry of `tag` in a maker's table, or null when it does not hold it.
const MakerTag* FindMakerTag(std::span<const MakerTag> tags, uint16_t tag);

}  // namespace kelvane::maker
