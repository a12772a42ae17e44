// The notes of phones and drones: Apple, Samsung (second layout), Huawei,
// Motorola, DJI and the notes that are plain text; recognised by the
// locator and read as the loader reads an Exif MakerNote.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/makernote/maker_code.h"
#include "engine/makernote/maker_dispatch.h"
#include "engine/makernote/makernote.h"
#include "engine/reader/primitives.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_rows.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::BE32;
using fixtures::Bytes;
using fixtures::Ifd;
using testing_rows::FindRow;
using testing_rows::RowValue;
using testing_rows::RowsText;

constexpr uint32_t kNoteAt = 100;  // the note's offset from the TIFF header

struct Note {
  int32_t code = 0;
  std::string text;  // the MakerNote row's value
  TMakerResult rows;
};

// A file with the note `kNoteAt` bytes after its TIFF header (at 0), read as
// the loader reads it: located with the provisional `code`, then walked
// with its extent known.
Note ReadNote(const std::string& note, int32_t code, bool intel) {
  MemoryReader f(std::string(kNoteAt, '\0') + note + std::string(16, '\0'));
  Note out;
  TSubIFDResult sub;
  out.code = code;
  out.text = LocateMakerNote(f, intel, 0, kNoteAt, static_cast<uint32_t>(note.size()), out.code, sub);
  if (sub.MakerNoteIFD != 0 && IsMakerNoteDecodable(out.code)) {
    ReadMakerNote(f, MakerNoteIntel(out.code, intel, sub.MakerNoteText), 0, sub.MakerNoteIFD,
                  out.code, out.rows, MakerNoteExtent{kNoteAt, note.size()});
  }
  return out;
}

int32_t Key(MakerCode code, uint16_t tag) { return (Code(code) << 16) + tag; }

// An iPhone's RunTime list (value 39772089846958 in 1/1000000000 s, valid).
std::string RunTimeList(bool refers_to_itself = false) {
  std::string out = "bplist00";
  const std::string objects[] = {
      // dict: keys 1..4, values 5..8; the damaged one holds itself as "epoch".
      Bytes({0xD4, 1, 2, 3, 4, 5, 6, 7, refers_to_itself ? 0 : 8}),
      "\x55" "flags", "\x55" "value", "\x59" "timescale", "\x55" "epoch",
      Bytes({0x10, 1}), Bytes({0x13, 0, 0, 0x24, 0x2C, 0x29, 0x49, 0x8C, 0xAE}),
      Bytes({0x12, 0x3B, 0x9A, 0xCA, 0x00}), Bytes({0x10, 0})};
  std::string table;
  for (const std::string& o : objects) {
    table.push_back(static_cast<char>(out.size()));
    out += o;
  }
  const auto table_at = static_cast<char>(out.size());
  out += table + std::string(6, '\0') + Bytes({1, 1}) + std::string(7, '\0') + '\x09' +
         std::string(8, '\0') + std::string(7, '\0') + table_at;
  return out;
}

std::string AppleNote(const Ifd& ifd) {
  // Offsets count from the note's first byte; the IFD is 14 bytes in.
  return std::string("Apple iOS\0\0\x01MM", 14) + ifd.Build(false, 14);
}

std::string SRationals(std::initializer_list<std::pair<int32_t, int32_t>> values) {
  std::string out;
  for (auto [n, d] : values) out += BE32(static_cast<uint32_t>(n)) + BE32(static_cast<uint32_t>(d));
  return out;
}

TEST(AppleNote, NamesTheDocumentedTags) {
  Ifd ifd;
  ifd.SLong(0x0001, {14})
      .Undefined(0x0002, std::string(12, '\x01'))
      .Undefined(0x0003, RunTimeList())
      .SLong(0x0004, {1})
      .SLong(0x0007, {0})
      .Raw(0x0008, 10, 3, SRationals({{-1213, 1871}, {107, 47259}, {-2443, 3257}}))
      .SLong(0x000A, {3})
      .Ascii(0x0011, "609DFDB4-F4B4-4761-9F84-204A968ECF1B")
      .SLong(0x0014, {99})
      .Raw(0x0017, 16, 1, BE32(0) + BE32(1112709120))
      .Raw(0x0021, 10, 1, SRationals({{22307, 25388}}))
      .Raw(0x0027, 10, 1, SRationals({{1, 0}}))
      .SLong(0x002D, {3577})
      .SLong(0x002E, {6});
  const Note n = ReadNote(AppleNote(ifd), 0, true);
  EXPECT_EQ(n.code, Code(MakerCode::kApple));
  EXPECT_EQ(n.text, BlockText("Apple iOS", static_cast<int64_t>(AppleNote(ifd).size()), kNoteAt + 14));
  const auto row = [&](uint16_t tag) { return RowValue(n.rows, Key(MakerCode::kApple, tag)); };
  EXPECT_EQ(row(0x0001), "14") << RowsText(n.rows);
  EXPECT_EQ(row(0x0003), "39772.090秒 (11:02:52)");
  EXPECT_EQ(row(0x0004), "はい");
  EXPECT_EQ(row(0x0007), "いいえ");
  EXPECT_EQ(row(0x0008), "-0.648316,0.002264,-0.750077");
  EXPECT_EQ(row(0x000A), "HDR画像");
  EXPECT_EQ(row(0x0011), "609DFDB4-F4B4-4761-9F84-204A968ECF1B");
  EXPECT_EQ(row(0x0014), "Unknown (99)");
  EXPECT_EQ(row(0x0017), "1112709120");
  EXPECT_EQ(row(0x0021), "0.878643");
  EXPECT_EQ(row(0x0027), "");  // a zero denominator has no text
  EXPECT_EQ(row(0x002D), "3577K");
  EXPECT_EQ(row(0x002E), "前面");
  // A tag the public list does not understand stays unnamed.
  const TIFDItem* unknown = FindRow(n.rows, Key(MakerCode::kApple, 0x0002));
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->Name, "Unknown (0002)7,12");
}

TEST(AppleNote, HostileNotes) {
  {
    // A RunTime list that holds itself is shown as far as it goes.
    Ifd ifd;
    ifd.Undefined(0x0003, RunTimeList(true));
    const Note n = ReadNote(AppleNote(ifd), 0, true);
    const std::string v = RowValue(n.rows, Key(MakerCode::kApple, 0x0003));
    EXPECT_EQ(v, "39772.090秒 (11:02:52)");
  }
  {
    // A block that is no property list keeps the offset text.
    Ifd ifd;
    ifd.Undefined(0x0003, "bplist00" + std::string(40, '\xFF'));
    const Note n = ReadNote(AppleNote(ifd), 0, true);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kApple, 0x0003)).rfind("Offset:", 0), 0u);
  }
  {
    // An entry count above 500 gives no rows.
    const std::string note = std::string("Apple iOS\0\0\x01MM", 14) + BE16(0xFFFF) + std::string(24, '\0');
    const Note n = ReadNote(note, 0, true);
    EXPECT_EQ(n.code, Code(MakerCode::kApple));
    EXPECT_EQ(n.rows.Count, 0);
  }
  {
    // A value whose offset lies past the file costs that value only.
    std::string note = AppleNote(Ifd().Ascii(0x000B, "burst-0123456789").SLong(0x0004, {0}));
    note.replace(14 + 2 + 8, 4, BE32(0x7FFFFFF0));
    const Note n = ReadNote(note, 0, true);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kApple, 0x000B)), "");
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kApple, 0x0004)), "いいえ");
  }
}

TEST(PhoneNotes, Recognised) {
  const std::string plain_ifd = Ifd().Long(0x0002, {0x12000}).Build(true, 0);
  struct Case {
    const char* what;
    int32_t provisional;
    std::string note;
    bool intel;
    MakerCode code;
    std::string text;
  } cases[] = {
      {"Apple, no byte order", 0, std::string("Apple iOS\0\0\x01XX", 14) + std::string(20, '\0'),
       false, MakerCode::kNone, BlockText("Unknown", 34, kNoteAt)},
      {"Motorola", 0, std::string("MOT\0\1\1\1\1", 8) + Ifd().Ascii(0x5501, "NX0A3S0075").Build(false, 8),
       false, MakerCode::kMotorola, ""},
      {"Huawei", 0, std::string("HUAWEI\0\0II*\0\x08\0\0\0", 16) + std::string(20, '\0'), true,
       MakerCode::kHuawei, BlockText("HUAWEI", 36, kNoteAt + 16)},
      {"Huawei without its header", 0, std::string("HUAWEI\0\0", 8) + std::string(20, '\x01'), true,
       MakerCode::kNone, BlockText("Unknown", 28, kNoteAt)},
      {"Samsung", Code(MakerCode::kSamsung), plain_ifd, true, MakerCode::kSamsung,
       BlockText("SAMSUNG", static_cast<int64_t>(plain_ifd.size()), kNoteAt)},
      {"Samsung, no IFD at the start", Code(MakerCode::kSamsung), std::string(20, '\0'), true,
       MakerCode::kNone, BlockText("Unknown", 20, kNoteAt)},
      {"Samsung, a note of another maker", Code(MakerCode::kSamsung), "SANYO" + std::string(20, '\0'),
       true, MakerCode::kSanyo, BlockText("SANYO", 25, kNoteAt)},
      {"DJI", Code(MakerCode::kDji), plain_ifd, true, MakerCode::kDji,
       BlockText("DJI", static_cast<int64_t>(plain_ifd.size()), kNoteAt)},
      {"text note", 0, std::string("vivo X60 mode=night hdr=1\0\0\0", 29), true, MakerCode::kTextNote,
       "Text Format : vivo X60 mode=night hdr=1"},
      {"text followed by bytes is no text note", 0, std::string("abcdef\0\x05", 8), true,
       MakerCode::kNone, BlockText("Unknown", 8, kNoteAt)},
      {"binary is no text note", 0, std::string("abcdefghij\x01klmnopqrstu", 22), true,
       MakerCode::kNone, BlockText("Unknown", 22, kNoteAt)},
      {"a name padded with NULs is no text note", 0, std::string("SOMEPHONE\0\0\0\0\0\0\0", 16),
       true, MakerCode::kNone, BlockText("Unknown", 16, kNoteAt)},
  };
  for (const Case& c : cases) {
    const Note n = ReadNote(c.note, c.provisional, c.intel);
    EXPECT_EQ(n.code, Code(c.code)) << c.what;
    if (!c.text.empty()) {
      EXPECT_EQ(n.text, c.text) << c.what;
    }
  }
}

TEST(PhoneNotes, RowsOfEachLayout) {
  {
    const std::string note = std::string("MOT\0\1\1\1\1", 8) +
                             Ifd().Ascii(0x5500, "LPH23.116-18").Ascii(0x5501, "NX0A3S0075").Build(false, 8);
    const Note n = ReadNote(note, 0, false);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kMotorola, 0x5500)), "LPH23.116-18") << RowsText(n.rows);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kMotorola, 0x5501)), "NX0A3S0075");
  }
  {
    // Samsung's offsets count from the TIFF header.
    Ifd ifd;
    ifd.Undefined(0x0001, "0100").Long(0x0002, {0x12000}).Short(0xA003, {2, 0}).Ascii(0xA002, "R58M1234");
    const std::string note = ifd.Build(true, kNoteAt);
    const Note n = ReadNote(note, Code(MakerCode::kSamsung), true);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kSamsung, 0x0001)), "0100") << RowsText(n.rows);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kSamsung, 0x0002)), "携帯電話");
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kSamsung, 0xA002)), "R58M1234");
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kSamsung, 0xA003)), "Samsung NX 18-55mm F3.5-5.6 OIS");
    // The lens and the serial number are key rows; the others detail.
    EXPECT_EQ(FindRow(n.rows, Key(MakerCode::kSamsung, 0xA002))->Style, kStyleKey);
    EXPECT_EQ(FindRow(n.rows, Key(MakerCode::kSamsung, 0xA003))->Style, kStyleKey);
    EXPECT_EQ(FindRow(n.rows, Key(MakerCode::kSamsung, 0x0002))->Style, kStyleDetail);
  }
  {
    const auto f = [](float v) {
      uint32_t u;
      std::memcpy(&u, &v, 4);
      return u;
    };
    Ifd ifd;
    ifd.Ascii(0x0001, "DJI").Numbers(0x0003, 11, {f(1.5f)}).Numbers(0x0009, 11, {f(-90.0f)});
    const Note n = ReadNote(ifd.Build(true, kNoteAt), Code(MakerCode::kDji), true);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kDji, 0x0001)), "DJI") << RowsText(n.rows);
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kDji, 0x0003)), "1.5");
    EXPECT_EQ(RowValue(n.rows, Key(MakerCode::kDji, 0x0009)), "-90");
  }
}

}  // namespace
}  // namespace kelvane
