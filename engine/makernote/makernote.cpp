#include "engine/makernote/makernote.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/makernote/apple_plist.h"
#include "engine/makernote/canon_serial.h"
#include "engine/makernote/canon_settings.h"
#include "engine/makernote/maker_groups.h"
#include "engine/makernote/maker_layouts.h"
#include "engine/makernote/maker_note_reader.h"
#include "engine/makernote/maker_record.h"
#include "engine/makernote/maker_subdecoders.h"
#include "engine/makernote/maker_table.h"
#include "engine/makernote/minolta_settings.h"
#include "engine/reader/primitives.h"
#include "engine/text/number_text.h"
#include "engine/text/text_list.h"
#include "engine/tiff/directory_walk.h"
#include "engine/tiff/ifd_entry.h"

namespace kelvane {

namespace {

using maker::MakerTag;
using maker::NoteFacts;
using maker::Rule;
using maker::Text;

// Arrays longer than this are shown by their byte size.
constexpr uint64_t kMaxArrayValues = 1000;
// Property lists longer than this are shown by their offset.
constexpr uint64_t kMaxPropertyList = 64 * 1024;
// Canon SHORT arrays longer than this are shown by their offset.
constexpr uint64_t kMaxCanonShortValues = 100;

constexpr int32_t kCanon = Code(MakerCode::kCanon);
constexpr int32_t kRicohCameraInfo = Code(MakerCode::kRicohCameraInfo);

constexpr int kByte = kTypeByte, kAscii = kTypeAscii, kShort = kTypeShort, kLong = kTypeLong,
              kRational = kTypeRational, kSByte = kTypeSByte, kUndefined = kTypeUndefined,
              kSShort = kTypeSShort, kSLong = kTypeSLong, kSRational = kTypeSRational,
              kFloat = kTypeFloat, kDouble = kTypeDouble;
// BigTIFF's 64-bit whole numbers, which iPhones write into their notes.
constexpr int kLong8 = 16, kSLong8 = 17;

// Notes of a code without a layout read as an unnamed IFD.
constexpr maker::MakerLayout kPlainLayout{};

constexpr std::string_view kRicohCameraInfoSignature = "[Ricoh Camera Info]";
constexpr uint32_t kRicohCameraInfoHeader = 20;
// Fujifilm notes start with "FUJIFILM" and the IFD's offset inside the note.
constexpr std::string_view kFujifilmSignature = "FUJIF";
constexpr uint64_t kFujifilmUsualHeader = 12;
constexpr uint64_t kFujifilmLongestHeader = 29;

// `v` in a printf format of one unsigned number, such as "%05u".
std::string Formatted(uint32_t v, const char* format) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

// The shortest general floating-point form; an infinite or NaN value has
// no text.
std::string General(double v) {
  return std::isfinite(v) ? FormatGeneral(v) : std::string();
}

// The text after a trailing run of blanks is cut: "SX552 " is the type
// SX552 whose NUL was read as a space.
std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Sub-directories and records deeper than this are not read.
constexpr int kMaxGroupDepth = 4;

// What one note's walks share: its facts, the groups its sub-directories
// and records fill, and the sub-directories already read (a loop reads
// each once).
struct NoteContext {
  NoteFacts facts;
  MakerGroups* groups = nullptr;
  std::vector<uint64_t> directories;
};

// How a sub-directory is walked: from where its offsets count, at what
// depth.
struct NestedWalk {
  int64_t anchor = 0;
  int depth = 0;
};

// The old rule for the rows a value rule's own decoder adds (Canon
// settings, custom functions, Olympus special mode, picture info, Minolta
// settings): named rows are key rows, "Unknown" ones details.
RowStyle DecoderRowStyle(const TIFDItem& item) {
  return item.Name.find("Unknown") != std::string::npos ? kStyleDetail : kStyleKey;
}

// One entry of the note as its value rules read it.
struct Entry {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  uint32_t field = 0;         // the four value bytes as one number in the note's order
  int64_t value_position = 0; // absolute position of the value
  uint64_t size = 0;          // count x type size
  int32_t key = 0;
};

class MakerNoteReader {
 public:
  MakerNoteReader(Reader& f, bool intel, int64_t base, uint64_t position, int32_t maker_code,
                  TMakerResult& result, MakerNoteExtent note, NoteContext& context,
                  const maker::MakerLayout& layout, std::optional<NestedWalk> nested = {})
      : f_(f), intel_(intel), base_(base), position_(position), note_(note), code_(maker_code),
        layout_(layout),
        key_base_(static_cast<uint32_t>(layout_.key == MakerCode::kNone ? maker_code
                                                                         : Code(layout_.key))
                  << 16),
        result_(result), context_(context), nested_(nested) {}

  static const maker::MakerLayout& Layout(int32_t code) {
    const maker::MakerLayout* layout = maker::FindLayout(code);
    return layout ? *layout : kPlainLayout;
  }

  void Run() {
    result_.Clear();
    if (nested_) {
      anchor_ = nested_->anchor;
      WalkDirectory(f_, intel_, anchor_, position_, layout_.walk, *this);
      ReadGroups();
      NameLenses();
      return;
    }
    if (auto header = FindEmbeddedTiffHeader(f_, code_, position_)) intel_ = header->intel;
    anchor_ = base_;
    switch (layout_.anchor) {
      case maker::Anchor::kTiffHeader: break;
      // Offsets count from the TIFF header the note embeds before its IFD.
      case maker::Anchor::kEmbeddedHeader: anchor_ = static_cast<int64_t>(position_) - 8; break;
      case maker::Anchor::kFujifilmStart: anchor_ = FujifilmStart(); break;
      case maker::Anchor::kNoteStart:
        if (note_.size != 0) anchor_ = static_cast<int64_t>(note_.start);
        break;
    }
    if (Mendable()) {
      // A note that takes the file's order can have been written in the
      // other; one that names its order may name the wrong one (Pentax's
      // DNG files keep an Intel note behind "MM").
      if (layout_.order == maker::Order::kFile || layout_.order == maker::Order::kSignature)
        intel_ = PlausibleOrder();
      // Offsets counted from the note itself survive a move; those counted
      // from the TIFF header do not.
      if (layout_.anchor == maker::Anchor::kTiffHeader) anchor_ = FittedAnchor();
    }
    WalkDirectory(f_, intel_, anchor_, position_, layout_.walk, *this);
    ReadGroups();
    NameLenses();
  }

  // The walker's questions about one entry (see WalkDirectory).
  const MakerTag* Find(const IfdEntry& x) {
    entry_ = Entry{x.tag, x.type, x.count, FieldLong(x, intel_), x.value_pos, x.ByteSize(),
                   static_cast<int32_t>(key_base_ + x.tag)};
    const MakerTag* tag = maker::FindMakerTag(layout_.tags, x.tag);
    // Names come from the tables; only an unnamed tag makes one.
    if (tag && tag->name) {
      name_ = tag->name;
    } else {
      name_ = unnamed_.emplace(x.tag, x.type, x.count).view();
    }
    return tag;
  }
  // Values are capped by kMaxArrayValues rather than by a byte budget.
  uint64_t Cost(const MakerTag*, const IfdEntry&) const { return 0; }
  std::string Value(const MakerTag* tag, const IfdEntry&) {
    const int32_t before = result_.Count;
    lens_id_.reset();
    std::string text;
    if (tag && tag->format) {
      text = FormatValue(entry_, tag);
    } else if (tag && !tag->lenses.empty() && (entry_.type == kShort || entry_.type == kLong) &&
               entry_.count >= 1) {
      lens_id_ = First(entry_);
      text = maker::LensText(tag->lenses, *lens_id_, context_.facts.lens);
    } else {
      text = ValueText(entry_, tag, name_);
    }
    for (int32_t i = before; i < result_.Count; ++i) {
      TIFDItem& item = result_.Items[static_cast<size_t>(i)];
      item.Style = DecoderRowStyle(item);
    }
    return text;
  }
  void Add(const MakerTag* tag, const IfdEntry&, std::string value) {
    if (tag && tag->camera_type) camera_type_ = value;
    KeepFacts(tag, value);
    if (tag && (tag->directory || tag->record) && pending_.size() < MakerGroups::kMaxGroups)
      pending_.push_back({entry_, tag});
    if (name_.empty()) return;
    const RowStyle style = RowStyleOf(tag);
    // The table's own name, unless a value rule put another in its place.
    const bool added = tag && name_.data() == tag->name
                           ? result_.Add(entry_.key, TableName{name_}, std::move(value), style)
                           : result_.Add(entry_.key, name_, std::move(value), style);
    if (added && lens_id_) lens_rows_.push_back({result_.Count - 1, *lens_id_, tag});
  }
  int32_t Rows() const { return result_.Count; }

 private:
  uint64_t NoteEnd() const { return note_.start + note_.size; }

  // An unnamed tag's row is a detail; a named one takes its tag's style,
  // else the layout's. Nikon's thumbnail entry has always been a detail.
  RowStyle RowStyleOf(const MakerTag* tag) const {
    if (!tag || !tag->name) return kStyleDetail;
    if (tag->style) return *tag->style;
    if (tag->rule == Rule::kNikonThumbnailIFD) return kStyleDetail;
    return layout_.named_style;
  }

  // The facts the entry's value gives.
  void KeepFacts(const MakerTag* tag, const std::string& value) {
    if (!nested_) {
      if (layout_.serial_tag != 0 && entry_.tag == layout_.serial_tag)
        maker::StoreFact(maker::Fact::kSerial, value, context_.facts);
      if (layout_.shutter_count_tag != 0 && entry_.tag == layout_.shutter_count_tag)
        maker::StoreFact(maker::Fact::kShutterCount, value, context_.facts);
    }
    if (tag && tag->fact != maker::Fact::kNone) maker::StoreFact(tag->fact, value, context_.facts);
  }

  // The value's bytes as stored, at most kMaxRecordBytes of them, as far
  // as the file holds them.
  std::vector<uint8_t> ValueBytes(const Entry& e) {
    SeekValue(e);
    const uint64_t n = std::min<uint64_t>({e.size, maker::kMaxRecordBytes, f_.Remaining()});
    std::vector<uint8_t> bytes(static_cast<size_t>(n));
    if (n != 0) f_.Read(bytes.data(), bytes.size());
    return bytes;
  }

  std::string FormatValue(const Entry& e, const MakerTag* tag) {
    const std::vector<uint8_t> bytes = ValueBytes(e);
    auto text = tag->format(bytes, intel_, e.type, context_.facts);
    if (!text) {
      name_ = {};
      return {};
    }
    return std::move(*text);
  }

  // The sub-directories and records the main walk met, in tag order. A
  // group that cannot be read leaves the others and the main rows.
  void ReadGroups() {
    if (!context_.groups) return;
    const int depth = nested_ ? nested_->depth : 0;
    if (depth >= kMaxGroupDepth) return;
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Pending& a, const Pending& b) { return a.entry.tag < b.entry.tag; });
    for (const Pending& p : pending_) {
      try {
        if (p.tag->record) ReadRecordGroup(p.entry, *p.tag->record);
        if (p.tag->directory) ReadDirectoryGroup(p.entry, *p.tag->directory, depth + 1);
      } catch (const ReadError&) {
      }
    }
  }

  void ReadRecordGroup(const Entry& e, const maker::MakerRecord& record) {
    if (e.value_position < 0 || e.size == 0) return;
    if (note_.size != 0 && !Inside(static_cast<uint64_t>(e.value_position), 1)) return;
    std::vector<uint8_t> bytes = ValueBytes(e);
    const maker::MakerRecord* chosen = &record;
    if (record.choose) chosen = record.choose(bytes, context_.facts);
    if (!chosen) return;
    if (chosen->decipher) chosen->decipher(bytes, context_.facts);
    TMakerResult& out = context_.groups->Open(chosen->caption);
    maker::ReadRecord(bytes, intel_, *chosen, static_cast<int32_t>(key_base_), context_.facts, out);
  }

  void ReadDirectoryGroup(const Entry& e, const maker::MakerDirectory& directory, int depth) {
    // An offset (LONG or IFD) to the sub-IFD, or the sub-IFD's own bytes.
    uint64_t position = 0;
    if ((e.type == kLong || e.type == kTypeIfd) && e.count == 1) {
      const int64_t at = anchor_ + int64_t{e.field};
      if (at < 0) return;
      position = static_cast<uint64_t>(at);
    } else if (e.type == kUndefined || e.type == kByte) {
      if (e.value_position < 0 || e.size < 2) return;
      position = static_cast<uint64_t>(e.value_position);
    } else {
      return;
    }
    if (position + 2 > f_.Size()) return;
    if (note_.size != 0 && !Inside(position, 2)) return;
    auto& seen = context_.directories;
    if (std::find(seen.begin(), seen.end(), position) != seen.end()) return;
    seen.push_back(position);
    maker::MakerLayout layout = layout_;
    layout.tags = directory.tags;
    layout.named_style = kStyleDetail;
    layout.serial_tag = layout.shutter_count_tag = 0;
    const int64_t anchor = directory.anchor == maker::DirectoryAnchor::kBlock
                               ? static_cast<int64_t>(position)
                               : anchor_;
    TMakerResult& out = context_.groups->Open(directory.caption);
    MakerNoteReader(f_, intel_, base_, position, code_, out, note_, context_, layout,
                    NestedWalk{anchor, depth})
        .Run();
  }

  // `n` bytes at `position` lie inside the note.
  bool Inside(uint64_t position, uint64_t n) const {
    return position >= note_.start && position <= NoteEnd() && n <= NoteEnd() - position;
  }

  // Lens rows are named once every fact of the note is known: a record
  // read after the main walk may hold the focal range that tells lenses
  // sharing an ID apart.
  void NameLenses() {
    for (const LensRow& row : lens_rows_) {
      TIFDItem& item = result_.Items[static_cast<size_t>(row.index)];
      item.Value = maker::LensText(row.tag->lenses, row.id, context_.facts.lens);
    }
  }

  // A note is mended only when its extent is known, its directory starts
  // inside it and its byte order is not given by a TIFF header of its own.
  bool Mendable() const {
    return note_.size != 0 && layout_.anchor != maker::Anchor::kEmbeddedHeader &&
           position_ >= note_.start && position_ + 2 <= NoteEnd() && NoteEnd() <= f_.Size();
  }

  // An entry count that the note can hold: not 0, within the layout's
  // limit, its table inside the note.
  bool PlausibleCount(bool intel) {
    f_.Seek(position_);
    const uint16_t n = ReadWord(f_, intel);
    return n != 0 && n <= layout_.walk.max_entries && position_ + 2 + 12 * uint64_t{n} <= NoteEnd();
  }

  // A note rewritten in the other byte order than the file's (or copied
  // into a file of the other order) has a count that only reads in its own.
  bool PlausibleOrder() {
    if (!PlausibleCount(intel_) && PlausibleCount(!intel_)) return !intel_;
    return intel_;
  }

  // The anchor that makes the note's offsets fit: its first value outside
  // the entries starts right after the directory and its next-IFD word
  // (or right after the directory, for notes written without that word).
  // A note that an editor moved keeps the offsets of its old place; they
  // all move by the same amount, which is taken back when the shifted
  // values then all lie inside the note.
  int64_t FittedAnchor() {
    f_.Seek(position_);
    const uint16_t n = ReadWord(f_, intel_);
    const uint64_t directory_end = position_ + 2 + 12 * uint64_t{n};
    if (directory_end > NoteEnd()) return anchor_;
    const std::string table = ReadRaw(f_, 12 * int64_t{n});
    struct Value {
      uint64_t offset, size;
    };
    std::vector<Value> values;
    for (uint16_t i = 0; i < n; ++i) {
      const auto* p = reinterpret_cast<const unsigned char*>(table.data()) + 12 * size_t{i};
      const uint64_t size = uint64_t{LongAt(p + 4, intel_)} *
                            static_cast<uint64_t>(TypeSize(WordAt(p + 2, intel_)));
      if (size > 4) values.push_back({LongAt(p + 8, intel_), size});
    }
    if (values.empty()) return anchor_;
    uint64_t first = UINT64_MAX;
    for (const Value& v : values) first = std::min(first, v.offset);
    const auto at = [&](int64_t anchor) { return anchor + static_cast<int64_t>(first); };
    const auto end = static_cast<int64_t>(directory_end);
    if (at(anchor_) == end || at(anchor_) == end + 4) return anchor_;
    const int64_t fitted = end + 4 - static_cast<int64_t>(first);
    const auto start = static_cast<int64_t>(note_.start);
    const auto note_end = static_cast<int64_t>(NoteEnd());
    for (const Value& v : values) {
      const int64_t value_start = fitted + static_cast<int64_t>(v.offset);
      if (value_start < start || v.size > static_cast<uint64_t>(note_end - value_start))
        return anchor_;
    }
    return fitted;
  }

  // Fujifilm offsets count from the note's own start, the "FUJIFILM" text
  // that lies a few bytes before the IFD (usually 12).
  int64_t FujifilmStart() {
    const auto position = static_cast<int64_t>(position_);
    for (uint64_t back = kFujifilmUsualHeader; back <= kFujifilmLongestHeader; ++back) {
      if (static_cast<uint64_t>(position) < back) break;
      f_.Seek(position_ - back);
      if (f_.Remaining() >= kFujifilmSignature.size() &&
          ReadRaw(f_, kFujifilmSignature.size()) == kFujifilmSignature)
        return position - static_cast<int64_t>(back);
    }
    return position - static_cast<int64_t>(kFujifilmUsualHeader);
  }

  // Positions the file at the value; a position before the file's start is
  // a value the file does not hold.
  void SeekValue(const Entry& e) {
    if (e.value_position < 0) throw ReadError("value before the start of the file");
    f_.Seek(static_cast<uint64_t>(e.value_position));
  }

  // The value's position relative to the base, as the rows show it.
  int64_t Relative(const Entry& e) const { return e.value_position - base_; }

  // `n` unsigned values of `width` bytes at the value.
  ValueNumbers Numbers(const Entry& e, uint64_t n, int width) {
    SeekValue(e);
    return ReadNumbers(f_, intel_, f_.Position(), n, width);
  }

  // The first SHORT or LONG: from the entry when it is the only one,
  // otherwise from the value's position.
  uint32_t First(const Entry& e) {
    const int width = e.type == kShort ? 2 : 4;
    if (e.count == 1) {
      if (width == 4) return e.field;
      return intel_ ? (e.field & 0xFFFF) : (e.field >> 16);
    }
    return Numbers(e, 1, width)[0];
  }


  static std::string TooLong(const Entry& e) { return std::to_string(e.size) + "Bytes"; }

  // The enumeration's text when the tag has one for this type. A value the
  // enumeration marks as giving no row clears the name.
  std::optional<std::string> Enumerated(const MakerTag* tag, uint8_t type_mask, int64_t v,
                                        std::string_view& name) const {
    if (!tag || tag->values.empty() || !(tag->types & type_mask)) return std::nullopt;
    const CodeText* label = FindCode(tag->values, v);
    if (!label) return UnknownText(v);
    if (!label->text) {
      name = {};
      return std::string();
    }
    return std::string(label->text);
  }

  std::string ValueText(const Entry& e, const MakerTag* tag, std::string_view& name) {
    switch (e.type) {
      case kByte: return ByteText(e, tag, name);
      case kAscii: return AsciiText(e, tag);
      case kShort:
      case kLong: return NumberText(e, tag, name);
      case kRational:
      case kSRational: return RationalText(e, tag);
      case kUndefined: return UndefinedText(e, tag);
      case kSByte:
      case kSShort:
      case kSLong: return SignedText(e, tag, name);
      case kLong8:
      case kSLong8: return Long8Text(e);
      case kFloat:
      case kDouble: return FloatText(e);
      default: return {};
    }
  }

  std::string ByteText(const Entry& e, const MakerTag* tag, std::string_view& name) {
    const Rule rule = tag ? tag->rule : Rule::kPlain;
    if (rule == Rule::kPreview) {
      // An embedded preview image: its place becomes the result's preview.
      result_.ThumbOffset = static_cast<uint32_t>(e.value_position);
      result_.ThumbLength = e.count;
      return "Offset:" + std::to_string(e.value_position) + " (" + std::to_string(e.count) +
             "byte)";
    }
    if (e.count == 0) return {};
    if (e.count > kMaxArrayValues) return TooLong(e);
    const ValueNumbers bytes = Numbers(e, e.count, 1);
    if (rule == Rule::kDecimalBytes) return DecimalBytes(bytes);
    if (auto text = Enumerated(tag, maker::kByte, bytes[0], name)) return *text;
    if (e.count == 1) return std::to_string(bytes[0]);
    TextList list(".");
    for (uint32_t b : bytes) list.AddHex(b, 1);
    return list.Take();
  }

  static std::string DecimalBytes(const ValueNumbers& bytes) {
    TextList list(",");
    for (uint32_t b : bytes) list.AddNumber(b);
    return list.Take();
  }

  Text AsciiReading(const MakerTag* tag) const {
    if (tag && tag->ascii != Text::kMakerDefault) return tag->ascii;
    return layout_.ascii;
  }

  std::string ReadText(const Entry& e, Text how) {
    if (e.count > kMaxArrayValues) return TooLong(e);
    SeekValue(e);
    const auto n = static_cast<int64_t>(e.count);
    switch (how) {
      case Text::kSkipNul: return ReadTextSkipNul(f_, n);
      case Text::kSkipNulSpace: return ReadTextSkipNulSpace(f_, n);
      case Text::kNulAsSpace: return ReadTextNulAsSpace(f_, n);
      case Text::kToNul: return ReadTextZ(f_, n);
      case Text::kAsciiValue: return ReadAsciiValue(f_, n);
      case Text::kRaw:
      case Text::kMakerDefault: return ReadRaw(f_, n);
    }
    return {};
  }

  // An ASCII value ends at its terminating NUL whatever the reading; only
  // the notes that keep several parts in one value join them.
  std::string ReadAscii(const Entry& e, Text how) {
    if (e.count > kMaxArrayValues) return TooLong(e);
    SeekValue(e);
    const std::string bytes = ReadRaw(f_, e.count);
    const std::string_view text = std::string_view(bytes).substr(0, bytes.find('\0'));
    switch (how) {
      case Text::kNulAsSpace: return AsciiParts(bytes);
      case Text::kSkipNulSpace: {
        std::string compact;
        for (char c : text)
          if (c != ' ') compact.push_back(c);
        return compact;
      }
      case Text::kRaw:
      case Text::kSkipNul:
      case Text::kToNul: return std::string(text);
      case Text::kAsciiValue:
      case Text::kMakerDefault: return AsciiValue(text);
    }
    return {};
  }

  std::string AsciiText(const Entry& e, const MakerTag* tag) {
    std::string text = ReadAscii(e, AsciiReading(tag));
    const Rule rule = tag ? tag->rule : Rule::kPlain;
    if (rule == Rule::kNikonProgram && text.empty()) return "オフ";
    if (rule == Rule::kNikonFinish) {
      for (const maker::TextLabel& label : tag->finish)
        if (label.from == text) return label.text;
    }
    return text;
  }

  std::string NumberText(const Entry& e, const MakerTag* tag, std::string_view& name) {
    const bool is_short = e.type == kShort;
    const int width = is_short ? 2 : 4;
    const Rule rule = tag ? tag->rule : Rule::kPlain;
    if (e.count == 0) return {};

    if (is_short) {
      switch (rule) {
        case Rule::kCanonSettings:
          ReadCanonSettings(f_, intel_, static_cast<uint64_t>(e.value_position), e.key, e.count,
                            result_);
          name = {};
          return {};
        case Rule::kCanonSettingsAndRow:
          ReadCanonSettings(f_, intel_, static_cast<uint64_t>(e.value_position), e.key, e.count,
                            result_);
          break;
        case Rule::kCanonCustomFunctions: {
          std::string words = e.count > kMaxArrayValues ? TooLong(e) : WordsInHex(e);
          ReadCanonCustomFunctions(f_, intel_, static_cast<uint64_t>(e.value_position), e.count,
                                   camera_type_, result_);
          return words;
        }
        case Rule::kIsoNumber:
          // Nikon stores the pair (0, ISO).
          if (e.count >= 2 && e.count <= kMaxArrayValues)
            return std::to_string(Numbers(e, e.count, width).back());
          break;
        default: break;
      }
    } else {
      switch (rule) {
        case Rule::kSpecialMode:
          SeekValue(e);
          ReadSpecialMode(f_, intel_, static_cast<uint64_t>(e.value_position), e.count, e.key,
                          result_);
          name = {};
          return {};
        case Rule::kUpperHex: return HexDigits(First(e), 1);
        case Rule::kCanonSerial:
          return canon::SerialText(First(e), canon::FindModelId(f_, intel_, position_));
        case Rule::kCasioZoom: return CasioZoom(First(e));
        case Rule::kNikonThumbnailIFD: return NikonThumbnail(e, name);
        default: break;
      }
    }
    if (rule == Rule::kDecimalUnit) return std::to_string(First(e)) + tag->unit;
    if (auto text = Enumerated(tag, is_short ? maker::kShort : maker::kLong, First(e), name))
      return *text;
    if (is_short && code_ == kCanon && e.count > kMaxCanonShortValues)
      return "Offset:" + std::to_string(Relative(e));
    if (e.count > kMaxArrayValues) return TooLong(e);
    if (e.count == 1) return std::to_string(First(e));
    TextList list(",", e.count);
    for (uint32_t v : Numbers(e, e.count, width)) list.AddNumber(v);
    return list.Take();
  }

  std::string WordsInHex(const Entry& e) {
    TextList list(" ");
    for (uint32_t v : Numbers(e, e.count, 2)) list.AddHex(v, 4);
    return list.Take();
  }

  // The high half is the whole zoom factor, the low half its fraction in
  // 1/65535; shown with two decimals ("x1.60"), a whole factor as "x2.0".
  static std::string CasioZoom(uint32_t v) {
    const uint32_t hundredths =
        (v >> 16) * 100 + static_cast<uint32_t>(std::lround((v & 0xFFFF) / 13107.0 * 20));
    const uint32_t whole = hundredths / 100, fraction = hundredths % 100;
    if (fraction == 0) return "x" + std::to_string(whole) + ".0";
    return "x" + std::to_string(whole) + "." + Formatted(fraction, "%02u");
  }

  // Nikon's thumbnail: an IFD the loader walks (data versions 0200 and
  // 0101) or a JPEG (data version 0100).
  std::string NikonThumbnail(const Entry& e, std::string_view& name) {
    // Relative to the TIFF header: from the note's own header, or shifted
    // with a moved note's offsets.
    const int64_t offset = anchor_ - base_ + First(e);
    std::string text = "Offset:" + std::to_string(offset);
    const std::string_view version = camera_type_;
    if ((version == "0200" || version == "0101") && offset > 0 && offset <= UINT32_MAX) {
      result_.InnerIFD = static_cast<uint32_t>(offset);
    } else if (version == "0100") {
      name = "サムネイル画像";
      text += " (" + std::to_string(e.size) + "byte) JPEG形式";
    }
    return text;
  }

  std::string RationalText(const Entry& e, const MakerTag* tag) {
    if (e.count == 0) return {};
    if (e.count > kMaxArrayValues) return TooLong(e);
    const ValueNumbers words = Numbers(e, uint64_t{e.count} * 2, 4);
    TextList list(",", e.count);
    const bool decimal = tag && tag->rule == Rule::kDecimalRationals;
    for (size_t i = 0; i + 1 < words.size() && !list.Full(); i += 2) {
      if (decimal) {
        list.Add(e.type == kSRational ? DecimalFraction(static_cast<int32_t>(words[i]),
                                                        static_cast<int32_t>(words[i + 1]))
                                      : DecimalFraction(words[i], words[i + 1]));
      } else if (e.type == kSRational)
        list.AddFraction(static_cast<int32_t>(words[i]), static_cast<int32_t>(words[i + 1]));
      else
        list.AddFraction(words[i], words[i + 1]);
    }
    return list.Take();
  }

  std::string SignedText(const Entry& e, const MakerTag* tag, std::string_view& name) {
    if (e.count == 0) return {};
    if (e.count > kMaxArrayValues) return TooLong(e);
    const int width = TypeSize(e.type);
    TextList list(",", e.count);
    std::optional<int64_t> first;
    for (uint32_t v : Numbers(e, e.count, width)) {
      int64_t s = width == 1 ? int64_t{static_cast<int8_t>(v)}
                  : width == 2 ? int64_t{static_cast<int16_t>(v)}
                               : int64_t{static_cast<int32_t>(v)};
      if (!first) first = s;
      list.AddNumber(s);
    }
    if (e.count == 1 && first) {
      if (tag && tag->rule == Rule::kDecimalUnit) return std::to_string(*first) + tag->unit;
      if (auto text = Enumerated(tag, maker::kSigned, *first, name)) return *text;
    }
    return list.Take();
  }

  // A fraction as a decimal number of at most six decimals ("-0.648584");
  // a zero denominator has no text.
  static std::string DecimalFraction(double numerator, double denominator) {
    if (denominator == 0) return {};
    std::string text = FormatFixed(numerator / denominator, 6);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return text;
  }

  // 64-bit whole numbers (types 16 and 17), always stored outside the entry
  // at an offset from the note's anchor.
  std::string Long8Text(const Entry& e) {
    if (e.count == 0) return {};
    if (e.count > kMaxArrayValues) return TooLong(e);
    const int64_t position = anchor_ + int64_t{e.field};
    if (position < 0) throw ReadError("value before the start of the file");
    f_.Seek(static_cast<uint64_t>(position));
    TextList list(",");
    for (uint32_t i = 0; i < e.count; ++i) {
      const uint64_t hi = ReadLong(f_, intel_), lo = ReadLong(f_, intel_);
      const uint64_t v = intel_ ? (lo << 32) | hi : (hi << 32) | lo;
      if (e.type == kSLong8) list.AddNumber(static_cast<int64_t>(v));
      else list.Add(std::to_string(v));
    }
    return list.Take();
  }

  // A property list kept in an UNDEFINED block, read into memory whole.
  std::optional<std::string> BlockBytes(const Entry& e) {
    if (e.count > kMaxPropertyList) return std::nullopt;
    SeekValue(e);
    return ReadRaw(f_, e.count);
  }

  static std::span<const uint8_t> AsBytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
  }

  std::string PropertyListText(const Entry& e, const std::string& offset_text) {
    const auto bytes = BlockBytes(e);
    if (!bytes) return offset_text;
    const auto list = maker::BinaryPlist::Parse(AsBytes(*bytes));
    return list ? list->Text() : offset_text;
  }

  // Apple's run-time clock: a CMTime (value / timescale seconds since the
  // phone was started, standby not counted).
  std::string AppleRunTime(const Entry& e, const std::string& offset_text) {
    const auto bytes = BlockBytes(e);
    if (!bytes) return offset_text;
    const auto list = maker::BinaryPlist::Parse(AsBytes(*bytes));
    if (!list) return offset_text;
    const auto value = list->Integer("value");
    const auto scale = list->Integer("timescale");
    const auto flags = list->Integer("flags");
    if (!value || !scale || *scale <= 0) return list->Text();
    // Bit 0 of the flags marks a valid time.
    if (flags && (*flags & 1) == 0) return list->Text();
    const double seconds = static_cast<double>(*value) / static_cast<double>(*scale);
    std::string text = FormatFixed(seconds, 3) + "秒";
    if (seconds >= 0 && seconds < 1e9) {
      const auto whole = static_cast<uint64_t>(seconds);
      const uint64_t days = whole / 86400;
      char clock[48];
      std::snprintf(clock, sizeof clock, "%02u:%02u:%02u", static_cast<unsigned>(whole / 3600 % 24),
                    static_cast<unsigned>(whole / 60 % 60), static_cast<unsigned>(whole % 60));
      text += " (" + (days > 0 ? std::to_string(days) + "日 " : std::string()) + clock + ")";
    }
    return text;
  }

  std::string FloatText(const Entry& e) {
    if (e.count == 0) return {};
    if (e.count > kMaxArrayValues) return TooLong(e);
    // A value with no text (not a finite number) leaves the whole row empty.
    TextList list(",", e.count);
    bool all_numbers = true;
    auto add = [&](const std::string& text) {
      list.Add(text);
      all_numbers = all_numbers && !text.empty();
    };
    if (e.type == kFloat) {
      for (uint32_t v : Numbers(e, e.count, 4)) {
        float x;
        std::memcpy(&x, &v, 4);
        // The fewest digits that read back as the same FLOAT, as an IFD's
        // FLOAT shows ("0.1", not 0.100000001490116).
        add(std::isfinite(x) ? FormatShortest(x) : std::string());
      }
    } else {
      SeekValue(e);
      for (uint32_t i = 0; i < e.count; ++i) add(General(ReadDouble(f_, intel_)));
    }
    return all_numbers ? list.Take() : std::string();
  }

  std::string UndefinedText(const Entry& e, const MakerTag* tag) {
    const Rule rule = tag ? tag->rule : Rule::kPlain;
    if (tag && tag->block != Text::kMakerDefault) return ReadText(e, tag->block);
    const std::string offset_text =
        "Offset:" + std::to_string(Relative(e)) + " (" + std::to_string(e.count) + "byte)";
    switch (rule) {
      case Rule::kPrintIM:
        // The loader reads the block at the base plus this offset.
        if (Relative(e) > 0 && Relative(e) <= UINT32_MAX) result_.PrintIMOffset = Relative(e);
        return offset_text;
      case Rule::kHexDump: return HexDump(e);
      case Rule::kRicohCameraInfo: return RicohCameraInfo(e, offset_text);
      case Rule::kMinoltaSettings: return MinoltaWords(e);
      case Rule::kDecimalBytes:
        if (e.count > kMaxArrayValues) return TooLong(e);
        return DecimalBytes(Numbers(e, e.count, 1));
      case Rule::kVersion: return VersionText(e);
      case Rule::kPropertyList: return PropertyListText(e, offset_text);
      case Rule::kAppleRunTime: return AppleRunTime(e, offset_text);
      default: return offset_text;
    }
  }

  // "0210" as text; bytes that are no text (00 01 00 00) as a byte array.
  std::string VersionText(const Entry& e) {
    if (e.count > kMaxArrayValues) return TooLong(e);
    SeekValue(e);
    const std::string bytes = ReadRaw(f_, e.count);
    bool printable = true;
    for (char c : bytes) printable = printable && c >= 0x20 && c < 0x7F;
    if (printable) return bytes;
    TextList list(".");
    for (char c : bytes) list.AddHex(static_cast<unsigned char>(c), 1);
    return list.Take();
  }

  std::string HexDump(const Entry& e) {
    std::string text;
    if (e.count > kMaxArrayValues) {
      text = TooLong(e);
    } else {
      SeekValue(e);
      text = HexBytes(ReadRaw(f_, e.count));
    }
    const std::string_view type = TrimBlanks(camera_type_);
    const auto position = static_cast<uint64_t>(e.value_position);
    if (type == "SX552") ReadPictInfoSX552(f_, position, e.count, result_);
    if (type == "SX553") ReadPictInfoSX553(f_, position, e.count, result_);
    return text;
  }

  std::string RicohCameraInfo(const Entry& e, const std::string& offset_text) {
    // A long block is only looked at for its title.
    SeekValue(e);
    const std::string head = ReadTextSkipNul(f_, static_cast<int64_t>(std::min<uint64_t>(e.count, kMaxArrayValues)));
    if (head.rfind(kRicohCameraInfoSignature, 0) != 0)
      return e.count > kMaxArrayValues ? TooLong(e) : head;
    const int64_t link = Relative(e) + kRicohCameraInfoHeader;
    if (link > 0 && link <= UINT32_MAX) {
      result_.LinkOffset = static_cast<uint32_t>(link);
      result_.LinkSize = kRicohCameraInfo;
    }
    return offset_text;
  }

  // Minolta's settings block: 32-bit words, always most significant byte
  // first, then the settings decoder.
  std::string MinoltaWords(const Entry& e) {
    std::string text;
    const uint64_t words = e.count / 4;
    if (words > kMaxArrayValues) {
      text = TooLong(e);
    } else {
      SeekValue(e);
      TextList list(",");
      for (uint64_t i = 0; i < words; ++i) list.AddHex(ReadBigEndian(f_, 4), 8);
      text = list.Take();
    }
    ReadMinoltaSettings(f_, intel_, static_cast<uint64_t>(e.value_position), result_, e.count,
                        e.key);
    return text;
  }

  Reader& f_;
  bool intel_;
  const int64_t base_;
  const uint64_t position_;
  const MakerNoteExtent note_;
  // What the note's value offsets count from (absolute).
  int64_t anchor_ = 0;
  const int32_t code_;
  const maker::MakerLayout layout_;
  const uint32_t key_base_;
  TMakerResult& result_;
  NoteContext& context_;
  const std::optional<NestedWalk> nested_;
  // The entries that open a sub-directory or a record, read after the walk.
  struct Pending {
    Entry entry;
    const MakerTag* tag;
  };
  std::vector<Pending> pending_;
  // The lens ID of the entry at work, and the rows that show one.
  std::optional<uint32_t> lens_id_;
  struct LensRow {
    int32_t index;
    uint32_t id;
    const MakerTag* tag;
  };
  std::vector<LensRow> lens_rows_;
  // The entry at work, its name, and the text an unnamed tag's name is made in.
  Entry entry_;
  std::string_view name_;
  std::optional<UnknownTagName> unnamed_;
  // Olympus' hardware type, Canon's image type or Nikon's data version,
  // as read so far from this note.
  std::string camera_type_;
};

}  // namespace

bool IsMakerNoteDecodable(int32_t maker_code) {
  const maker::MakerLayout* layout = maker::FindLayout(maker_code);
  return layout && layout->exif_note;
}

bool MakerNoteIntel(int32_t maker_code, bool file_intel, const std::string& note_text) {
  const maker::MakerLayout* layout = maker::FindLayout(maker_code);
  if (!layout) return file_intel;
  switch (layout->order) {
    case maker::Order::kIntel: return true;
    case maker::Order::kSignature:
      if (note_text == "MM") return false;
      if (note_text == "II") return true;
      return file_intel;
    case maker::Order::kFile:
    case maker::Order::kEmbeddedHeader: break;
  }
  return file_intel;
}

std::optional<EmbeddedTiffHeader> FindEmbeddedTiffHeader(Reader& f, int32_t maker_code,
                                                         uint64_t ifd_position) {
  const maker::MakerLayout* layout = maker::FindLayout(maker_code);
  if (!layout || layout->order != maker::Order::kEmbeddedHeader) return std::nullopt;
  if (ifd_position < 8) return std::nullopt;
  f.Seek(ifd_position - 8);
  if (f.Remaining() < 2) return std::nullopt;
  const std::string order = ReadRaw(f, 2);
  if (order != "II" && order != "MM") return std::nullopt;
  return EmbeddedTiffHeader{ifd_position - 8, order == "II"};
}

void ReadMakerNote(Reader& f, bool intel, int64_t base, uint64_t position, int32_t maker_code,
                   TMakerResult& result, MakerNoteExtent note, MakerGroups* groups) {
  NoteContext context;
  context.groups = groups;
  if (groups) groups->Reset();
  MakerNoteReader(f, intel, base, position, maker_code, result, note, context,
                  MakerNoteReader::Layout(maker_code))
      .Run();
}

void ReadMakerNoteAs(const maker::MakerLayout& layout, Reader& f, bool intel, int64_t base,
                     uint64_t position, TMakerResult& result, MakerNoteExtent note,
                     MakerGroups* groups) {
  NoteContext context;
  context.groups = groups;
  if (groups) groups->Reset();
  MakerNoteReader(f, intel, base, position, Code(layout.code), result, note, context, layout)
      .Run();
}

}  // namespace kelvane
