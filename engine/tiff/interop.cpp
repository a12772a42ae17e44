#include "engine/tiff/interop.h"

#include <bit>

#include "engine/reader/primitives.h"
#include "engine/text/number_text.h"
#include "engine/tiff/tag_table.h"

namespace kelvane {

namespace {

// The walk at work, handed to the rules of the interoperability table.
struct InteropWalk {
  Reader& f;
  bool intel;
  TMakerResult& result;
};

std::string PlainInteropText(InteropWalk& w, const IfdEntry& e) {
  w.f.Seek(ValuePos(e));
  switch (e.type) {
    case kTypeAscii:
      return ReadRaw(w.f, e.count);
    case kTypeShort:
      return std::to_string(ReadWord(w.f, w.intel));
    case kTypeLong:
      return std::to_string(ReadLong(w.f, w.intel));
    case kTypeRational: {
      uint32_t n = 0, d = 0;
      ReadRational(w.f, w.intel, n, d);
      return std::to_string(n) + "/" + std::to_string(d);
    }
    // The signed twins of SHORT and LONG, and IFD, as those are: the first
    // value; FLOAT and DOUBLE, like a RATIONAL, their first value too.
    case kTypeSShort:
    case kTypeSLong:
    case kTypeIfd:
      return std::to_string(FirstInteger(w.f, w.intel, e));
    case kTypeFloat:
      return FormatShortest(std::bit_cast<float>(ReadLong(w.f, w.intel)));
    case kTypeDouble:
      return FormatGeneral(ReadDouble(w.f, w.intel));
    default:
      return {};
  }
}

// The version: four characters ("0100").
std::string InteropVersion(InteropWalk& w, const IfdEntry& e) {
  w.f.Seek(ValuePos(e));
  return ReadRaw(w.f, 4);
}

using InteropTag = TagRow<InteropWalk>;

constexpr InteropTag kInteropTags[] = {
    {.tag = 1, .name = "互換性識別子"},
    {.tag = 2, .name = "バージョン", .rule = Rule<InteropWalk>(Types({kTypeUndefined}), InteropVersion)},
};
static_assert(IsWellFormedTable<InteropWalk>(kInteropTags));

// Every value is read whole; a value the file does not hold ends the walk.
constexpr DirectoryRules kInteropRules{.max_entries = kInteropEntryLimit,
                                       .read_error_costs_value = false,
                                       .whole_table = false};

class InteropKind {
 public:
  explicit InteropKind(InteropWalk& w) : w_(w) {}

  const InteropTag* Find(const IfdEntry& e) const {
    return FindTagRow<InteropWalk>(kInteropTags, e.tag);
  }
  uint64_t Cost(const InteropTag*, const IfdEntry& e) const { return e.is_inline ? 0 : e.ByteSize(); }
  std::string Value(const InteropTag* row, const IfdEntry& e) {
    if (row && row->rule.AppliesTo(e.type)) return row->rule.text(w_, e);
    return PlainInteropText(w_, e);
  }
  void Add(const InteropTag* row, const IfdEntry& e, std::string value) {
    if (row)
      w_.result.Add(e.tag, TableName{row->name}, std::move(value));
    else
      w_.result.Add(e.tag, UnknownText(e.tag), std::move(value));
  }
  int32_t Rows() const { return w_.result.Count; }

 private:
  InteropWalk& w_;
};

}  // namespace

WalkEnd ReadInterop(Reader& f, bool intel, uint32_t base, uint64_t position,
                    TMakerResult& result) {
  result.Count = 0;
  InteropWalk w{f, intel, result};
  InteropKind kind(w);
  return WalkDirectory(f, intel, base, position, kInteropRules, kind).end;
}

}  // namespace kelvane
