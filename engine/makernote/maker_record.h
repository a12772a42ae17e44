// Binary records of a maker note: a block of bytes whose fields lie at
// fixed offsets, named by a table (one RecordField per field) and read by
// one reader. A record may be enciphered (deciphered first, from a copy)
// and may come in several layouts, chosen by its first bytes or by what
// the note said before (its model, version).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "engine/makernote/lens_table.h"
#include "engine/reader/records.h"
#include "engine/text/vocabulary.h"

namespace kelvane::maker {

// What a note said of itself, kept as its tags and records are read, for
// the ciphers, the choice of a record's layout and the lens lookup.
struct NoteFacts {
  std::string serial;          // the body's serial number, as its row shows it
  uint32_t shutter_count = 0;  // 0: not read
  std::string model;           // the model text or number the note holds
  std::string date_time;       // the note's own date and time text
  uint32_t model_id = 0;       // the maker's model number (Sony 0xB001), 0: not read
  LensClues lens;              // focal range and largest aperture the note records
};

// A fact a tag or a field feeds (its number, or for kSerial/kModel/
// kDateTime its row's text).
enum class Fact : uint8_t {
  kNone,
  kSerial,
  kShutterCount,
  kModel,
  kDateTime,
  kModelId,
  kFocalMin,     // millimetres
  kFocalMax,
  kApertureMax,  // F-number
};

enum class FieldType : uint8_t {
  kU8, kS8, kU16, kS16, kU32, kS32, kU16BE, kU32BE,
  kText,      // `count` bytes, up to the first NUL, trailing blanks trimmed
  kHex,       // `count` bytes as hexadecimal digits
  kU8Array,   // `count` bytes in decimal, joined by " "
  kU16Array,  // `count` 16-bit words in decimal, joined by " "
};

// A value rule as a plain function: the field's number to its text.
using FieldText = std::string (*)(int64_t value);

struct RecordField {
  uint32_t offset;                          // byte offset in the record
  FieldType type;
  const char* name;                         // the row's caption
  std::span<const CodeText> values = {};    // vocabulary (a null text: no row)
  uint16_t count = 1;                       // kText/kHex/arrays: bytes or values
  FieldText text = nullptr;                 // a rule instead of the number
  std::span<const LensId> lenses = {};      // the value is a lens ID of this list
  RowStyle style = kStyleDetail;
  const char* unit = "";                    // appended to the number ("mm")
  Fact fact = Fact::kNone;                  // the value also feeds this fact
};

// Deciphers a copy of the record's bytes in place.
using Decipher = void (*)(std::span<uint8_t> block, const NoteFacts& facts);

struct MakerRecord {
  const char* caption;
  std::span<const RecordField> fields = {};
  Decipher decipher = nullptr;  // null: stored plain
  bool big_endian = false;      // else the note's byte order
  // A record whose layout depends on its first bytes or on the note's
  // facts: answers the layout to use (whose own decipher then applies), or
  // null for none. Gets the bytes as stored, before deciphering.
  const MakerRecord* (*choose)(std::span<const uint8_t> bytes, const NoteFacts& facts) = nullptr;
};

// The largest block a record is read from (longer blocks are cut there).
inline constexpr uint32_t kMaxRecordBytes = 64 * 1024;

// Reads `bytes` (already deciphered) into rows of `out`, keyed by
// `key_base` plus the field's offset; a field past the end of the bytes
// gives no row (a record cut short shows what it holds). Fields with a
// fact feed `facts`; lens IDs are named with `facts.lens` as clues.
void ReadRecord(std::span<const uint8_t> bytes, bool intel, const MakerRecord& record,
                int32_t key_base, NoteFacts& facts, TMakerResult& out);
// The same without facts to feed.
void ReadRecord(std::span<const uint8_t> bytes, bool intel, const MakerRecord& record,
                int32_t key_base, const LensClues& clues, TMakerResult& out);

// Stores a number a tag or field read into the fact it feeds.
void StoreFact(Fact fact, int64_t number, NoteFacts& facts);
void StoreFact(Fact fact, const std::string& text, NoteFacts& facts);

}  // namespace kelvane::maker
