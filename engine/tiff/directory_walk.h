// The one directory walker: the entry count, the entry table, each entry
// decoded and turned into a row through the directory's tag table. Every
// directory the engine reads (IFD0, Exif, GPS, Interop, the maker notes,
// the Kodak IFDs) goes through WalkDirectory; what differs between them is
// data: a DirectoryRules value, and the directory's tag table and value
// rules, which its Kind class looks up.
#pragma once

#include <cstdint>
#include <string>

#include "engine/reader/primitives.h"
#include "engine/reader/reader.h"
#include "engine/text/number_text.h"
#include "engine/tiff/ifd_entry.h"

namespace kelvane {

// How one kind of directory is walked.
struct DirectoryRules {
  // A count above this gives no rows at all (maker notes: 500).
  uint32_t max_entries = 0xFFFF;
  // The walk ends once the directory's rows number this many (0: no limit).
  int32_t max_rows = 0;
  // An entry whose type is above this ends the walk (Sony: 30; 0: never).
  uint16_t last_type = 0;
  // A value that does not compute (a zero divisor) costs that value only;
  // otherwise it ends the run like a read error outside the values.
  bool float_error_costs_value = true;
  // A value past the end of the file costs that value only; otherwise the
  // walk ends there, with the rows read so far.
  bool read_error_costs_value = true;
  // The entry table is read in one piece: a table that runs past the end of
  // the file is a ReadError before any entry is read. Otherwise entries are
  // read as the walk reaches them, and the walk ends at the first one the
  // file does not hold.
  bool whole_table = true;
};

// Why a walk ended.
enum class WalkEnd {
  kDone,           // every entry was read
  kRowLimit,       // max_rows was reached
  kTooManyEntries, // the count was above max_entries; no entry was read
  kStopType,       // an entry of a type above last_type
  kCutShort,       // an entry, or a value, ran past the end of the file (see
                   // DirectoryRules::whole_table and read_error_costs_value)
};

// What a walk leaves: why it ended, the entry count and where the next-IFD
// offset stands (behind the table).
struct WalkResult {
  WalkEnd end = WalkEnd::kDone;
  uint16_t count = 0;
  uint64_t next_ifd_pos = 0;
};

// Walks the directory whose entry count stands at the absolute `position`.
// `anchor` is what the directory's value offsets count from. The count
// itself must be in the file (ReadError otherwise). `Kind` supplies, for
// one entry e:
//   const Row* Find(const IfdEntry& e)       its row of the tag table, or null
//   uint64_t Cost(const Row*, const IfdEntry&)  the value bytes its text reads
//   std::string Value(const Row*, const IfdEntry&)  its value text (may throw)
//   void Add(const Row*, const IfdEntry&, std::string value)  its row
//   int32_t Rows() const                      the rows held so far
template <typename Kind>
WalkResult WalkDirectory(Reader& f, bool intel, int64_t anchor, uint64_t position,
                         const DirectoryRules& rules, Kind& kind) {
  WalkResult walk;
  f.Seek(position);
  walk.count = ReadWord(f, intel);
  const uint64_t table_pos = position + 2;
  walk.next_ifd_pos = table_pos + 12 * uint64_t{walk.count};
  if (walk.count > rules.max_entries) {
    walk.end = WalkEnd::kTooManyEntries;
    return walk;
  }
  // One block read for the table; tables of up to 64 entries (nearly all)
  // are read onto the stack.
  const uint64_t held = std::min<uint64_t>(walk.count, f.Remaining() / 12);
  if (rules.whole_table && held < walk.count) throw ReadError("entry table past the end of the file");
  unsigned char small_table[12 * 64];
  std::string large_table;
  const unsigned char* bytes = small_table;
  if (held <= 64) {
    f.Read(small_table, 12 * static_cast<size_t>(held));
  } else {
    large_table = f.ReadString(12 * held);
    bytes = reinterpret_cast<const unsigned char*>(large_table.data());
  }

  ValueBudget budget;
  for (uint32_t i = 0; i < walk.count; ++i) {
    if (rules.max_rows != 0 && kind.Rows() >= rules.max_rows) {
      walk.end = WalkEnd::kRowLimit;
      return walk;
    }
    if (i >= held) {
      walk.end = WalkEnd::kCutShort;
      return walk;
    }
    const uint64_t entry_pos = table_pos + 12 * uint64_t{i};
    const IfdEntry e = DecodeEntry(bytes + 12 * size_t{i}, intel, anchor, entry_pos);
    if (rules.last_type != 0 && e.type > rules.last_type) {
      walk.end = WalkEnd::kStopType;
      return walk;
    }
    const auto* row = kind.Find(e);
    std::string value;
    try {
      if (budget.Take(kind.Cost(row, e))) value = kind.Value(row, e);
    } catch (const ReadError&) {
      if (!rules.read_error_costs_value) {
        walk.end = WalkEnd::kCutShort;
        return walk;
      }
      value.clear();
    } catch (const FloatError&) {
      if (!rules.float_error_costs_value) throw;
      value.clear();
    }
    kind.Add(row, e, std::move(value));
  }
  return walk;
}

}  // namespace kelvane
