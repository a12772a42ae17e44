#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/makernote/maker_code.h"
#include "engine/makernote/makernote.h"
#include "engine/makernote/pentax_cipher.h"
#include "engine/makernote/pentax_values.h"
#include "engine/reader/reader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_rows.h"
#include "tests/support/corpus.h"
#include "tests/support/load_helpers.h"
#include "tests/support/whole_file.h"

namespace kelvane {
namespace {

using testing_rows::RowValue;
using testing_rows::RowsText;

constexpr int32_t Key(uint16_t tag) { return Code(MakerCode::kPentaxAoc) << 16 | tag; }

// A K10D's note (2008-03-02 12:01:23) stores its count 1648 as F4 26 ED 8D.
TEST(PentaxShutterCount, DecipheredWithTheNotesDateAndTime) {
  const std::vector<uint8_t> date = {0x07, 0xD8, 0x03, 0x02};
  const std::vector<uint8_t> time = {0x0C, 0x01, 0x17};
  std::vector<uint8_t> stored = {0xF4, 0x26, 0xED, 0x8D};
  EXPECT_EQ(maker::PentaxShutterCount(stored, date, time), 1648u);

  maker::DecipherPentaxShutterCount(stored, date, time);
  EXPECT_EQ(stored, (std::vector<uint8_t>{0x00, 0x00, 0x06, 0x70}));

  // Another second gives another stored value for the same count.
  const std::vector<uint8_t> later = {0x0C, 0x01, 0x18};
  EXPECT_NE(maker::PentaxShutterCount(std::vector<uint8_t>{0xF4, 0x26, 0xED, 0x8D}, date, later),
            1648u);
}

TEST(PentaxShutterCount, CutShortGivesNothingAndLeavesTheBlock) {
  const std::vector<uint8_t> date = {0x07, 0xD8, 0x03, 0x02};
  const std::vector<uint8_t> time = {0x0C, 0x01, 0x17};
  const std::vector<uint8_t> stored = {0xF4, 0x26, 0xED, 0x8D};
  const std::vector<uint8_t> three = {0xF4, 0x26, 0xED};
  struct Case {
    const char* what;
    std::vector<uint8_t> stored, date, time;
  } cases[] = {
      {"stored bytes cut short", three, date, time},
      {"date cut short", stored, {0x07, 0xD8, 0x03}, time},
      {"time cut short", stored, date, {0x0C, 0x01}},
      {"nothing at all", {}, {}, {}},
  };
  for (auto& c : cases) {
    EXPECT_EQ(maker::PentaxShutterCount(c.stored, c.date, c.time), std::nullopt) << c.what;
    std::vector<uint8_t> block = c.stored;
    maker::DecipherPentaxShutterCount(block, c.date, c.time);
    EXPECT_EQ(block, c.stored) << c.what;
  }
}

// A Pentax note of either form names its tags through the one table, its
// rows keyed as code 70: "AOC\0" counts from the TIFF header, "PENTAX \0"
// from the note's first byte.
TEST(ReadMakerNote, PentaxFormsShareTheirTable) {
  fixtures::Ifd ifd;
  ifd.Short(0x0008, {2}).Short(0x0019, {0}).Ascii(0x0229, "4213575");
  struct Case {
    const char* what;
    MakerCode code;
    std::string head;
  } cases[] = {
      {"AOC", MakerCode::kPentaxAoc, std::string("AOC\0II", 6)},
      {"PENTAX", MakerCode::kPentaxNew, std::string("PENTAX \0II", 10)},
  };
  for (const auto& c : cases) {
    const auto head = static_cast<uint32_t>(c.head.size());
    constexpr uint32_t kNote = 32;  // where the note starts, from the TIFF header
    const bool from_note = c.code == MakerCode::kPentaxNew;
    // The IFD's offsets are built relative to what the form counts from.
    const uint32_t at = from_note ? head : kNote + head;
    const std::string file = std::string(kNote, '\0') + c.head + ifd.Build(true, at);
    MemoryReader f(file);
    TMakerResult r;
    ReadMakerNote(f, true, 0, kNote + head, Code(c.code), r,
                  MakerNoteExtent{kNote, file.size() - kNote});
    EXPECT_EQ(RowValue(r, Key(0x0008)), "スーパーファイン") << c.what << "\n" << RowsText(r);
    EXPECT_EQ(RowValue(r, Key(0x0019)), "オート") << c.what;
    EXPECT_EQ(RowValue(r, Key(0x0229)), "4213575") << c.what;
  }
}

TEST(PentaxLens, ByItsTwoByteLensType) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    std::string lens;
  } cases[] = {
      {"one lens", {3, 17}, "smc PENTAX-FA SOFT 85mm F2.8"},
      {"a record of four bytes", {3, 17, 0, 0}, "smc PENTAX-FA SOFT 85mm F2.8"},
      {"an ID several lenses report",
       {3, 23},
       "smc PENTAX-F 100-300mm F4.5-5.6 or Sigma Lens / Sigma AF 28-300mm F3.5-5.6 DL IF / "
       "Sigma AF 28-300mm F3.5-6.3 DG IF Macro / Tokina 80-200mm F2.8 ATX-Pro"},
      {"an ID the list does not hold", {250, 250}, "ID 64250"},
      {"cut short", {3}, "03"},
  };
  for (const auto& c : cases) {
    maker::NoteFacts facts;
    EXPECT_EQ(maker::PentaxLensText(c.bytes, true, 1, facts), c.lens) << c.what;
  }
}

// The note's shutter count is deciphered with the date and time its own
// tags 0x0006 and 0x0007 hold; without them the stored bytes are shown.
TEST(ReadMakerNote, PentaxShutterCountAndLens) {
  const std::string stored("\xF4\x26\xED\x8D", 4);
  struct Case {
    const char* what;
    bool with_date;
    std::string count;
  } cases[] = {
      {"with the date and time", true, "1648"},
      {"without them", false, "F426ED8D"},
  };
  for (const auto& c : cases) {
    fixtures::Ifd ifd;
    if (c.with_date)
      ifd.Undefined(0x0006, std::string("\x07\xD8\x03\x02", 4))
          .Undefined(0x0007, std::string("\x0C\x01\x17", 3));
    ifd.Byte(0x003F, std::string("\x03\x11", 2)).Undefined(0x005D, stored);
    const std::string file = std::string("AOC\0II", 6) + ifd.Build(true, 6);
    MemoryReader f(file);
    TMakerResult r;
    ReadMakerNote(f, true, 0, 6, Code(MakerCode::kPentaxAoc), r, MakerNoteExtent{0, file.size()});
    EXPECT_EQ(RowValue(r, Key(0x005D)), c.count) << c.what << "\n" << RowsText(r);
    EXPECT_EQ(RowValue(r, Key(0x003F)), "smc PENTAX-FA SOFT 85mm F2.8") << c.what;
    if (c.with_date) {
      EXPECT_EQ(RowValue(r, Key(0x0006)), "2008:03:02");
      EXPECT_EQ(RowValue(r, Key(0x0007)), "12:01:23");
    }
  }
}

// A K-30 keeps its "PENTAX \0" note (an Intel IFD behind "MM") in its DNG
// private data: its lens, serial number and shutter count are shown.
TEST(PentaxCorpus, NoteInDngPrivateData) {
  const auto dir = testing::CorpusFolder();
  if (dir.empty()) GTEST_SKIP() << testing::kNoCorpus;
  const auto path = dir / "PentaxK30.jpg";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "PentaxK30.jpg is not in the corpus";
  const auto loaded = testing::LoadBytes(testing::WholeFile(path), "PentaxK30.jpg");
  auto value = [&](const std::string& name) {
    for (const auto& row : loaded.rows)
      if (row.name == name) return row.value;
    return std::string("(no row)");
  };
  EXPECT_EQ(value("カメラの内部情報"), "(no row)");  // the Exif IFD has no MakerNote
  EXPECT_EQ(value("シリアル番号"), "4364069");
  EXPECT_EQ(value("シャッター回数"), "115");
  EXPECT_EQ(value("レンズ"), "smc PENTAX-DA 18-135mm F3.5-5.6 ED AL [IF] DC WR");
}

}  // namespace
}  // namespace kelvane
