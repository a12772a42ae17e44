// Maker notes as real files hold them: the newer Olympus and OM System
// notes with their own byte order, notes an editor moved without mending
// their offsets, and notes rewritten in the other byte order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/makernote/makernote.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_fixtures.h"
#include "tests/support/load_helpers.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using fixtures::Jpeg;
using fixtures::TiffHeader;
using maker_test::Row;
using testing::LoadBytes;

// Olympus' table: two out-of-line values and one in the entry.
Ifd OlympusEntries() {
  Ifd ifd;
  ifd.Ascii(0x0207, "D4505").Short(0x0202, {2}).Ascii(0x101A, "BHP 512345");
  return ifd;
}

// A JPEG whose Exif IFD holds `note` as its MakerNote.
std::string JpegWithNote(const std::string& note, bool intel) {
  Ifd exif;
  exif.Undefined(0x927C, note);
  Ifd ifd0;
  ifd0.Ascii(0x010F, "OM Digital Solutions").Long(0x8769, {0});
  const auto exif_at = static_cast<uint32_t>(8 + ifd0.Size());
  ifd0.Long(0x8769, {exif_at});
  return Jpeg().Exif(TiffHeader(intel) + ifd0.Build(intel, 8) + exif.Build(intel, exif_at)).Build();
}

std::string Value(const std::vector<testing::Row>& rows, const std::string& name) {
  auto it = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.name == name; });
  return it == rows.end() ? "(no row)" : it->value;
}

TEST(NewerOlympusNotes, DecodeWithTheOlympusTableInTheirOwnOrder) {
  struct Case {
    const char* what;
    std::string header;  // up to the byte order
    uint32_t ifd;        // the IFD's offset inside the note
  } cases[] = {
      {"OLYMPUS", std::string("OLYMPUS\0", 8), 12},
      {"OM SYSTEM", std::string("OM SYSTEM\0\0\0", 12), 16},
  };
  for (const auto& c : cases) {
    for (bool file_intel : {true, false}) {
      for (bool note_intel : {true, false}) {
        // Offsets count from the note's first byte.
        const std::string head = c.header + (note_intel ? "II" : "MM") + fixtures::U16(3, note_intel);
        const std::string note = head + OlympusEntries().Build(note_intel, c.ifd);
        const auto rows = LoadBytes(JpegWithNote(note, file_intel), "om.jpg").rows;
        SCOPED_TRACE(std::string(c.what) + (file_intel ? " in II" : " in MM") +
                     (note_intel ? ", note II" : ", note MM"));
        EXPECT_EQ(Value(rows, "ハードウェアタイプ"), "D4505");
        EXPECT_EQ(Value(rows, "マクロモード"), "スーパーマクロモード");
        EXPECT_EQ(Value(rows, "シリアル番号"), "BHP 512345");
      }
    }
  }
}

// A note whose value offsets count from the TIFF header, built for the IFD
// at `written_at` and placed at `placed_at` (both relative to the header at
// 0). `size` overrides the note's byte count.
struct MovedNote {
  std::string file;
  uint64_t ifd;
  MakerNoteExtent extent;
};
MovedNote Moved(const Ifd& ifd, bool intel, uint32_t written_at, uint32_t placed_at,
                uint64_t size = 0) {
  const std::string built = ifd.Build(intel, written_at);
  MovedNote n;
  n.file = std::string(placed_at, 'x') + built + std::string(64, 'z');
  n.ifd = placed_at;
  n.extent = {placed_at, size ? size : built.size()};
  return n;
}

TEST(MovedMakerNotes, OffsetsAreShiftedToFitTheNote) {
  struct Case {
    const char* what;
    uint32_t written_at, placed_at;
    uint64_t size;       // 0: the note's own size
    bool extent_known;
    bool values_right;   // the out-of-line values read as written
  } cases[] = {
      {"in place", 200, 200, 0, true, true},
      {"moved later", 200, 260, 0, true, true},
      {"moved earlier", 300, 220, 0, true, true},
      {"moved by two bytes", 200, 202, 0, true, true},
      // Without the note's extent nothing is mended.
      {"moved, extent not known", 200, 260, 0, false, false},
      // Shifted values that would still leave the note are not trusted.
      {"moved, values past the note", 200, 260, 44, true, false},
  };
  for (const auto& c : cases) {
    for (bool intel : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (intel ? " II" : " MM"));
      MovedNote n = Moved(OlympusEntries(), intel, c.written_at, c.placed_at, c.size);
      MemoryReader f(n.file);
      TMakerResult r;
      ReadMakerNote(f, intel, 0, n.ifd, 1, r, c.extent_known ? n.extent : MakerNoteExtent{});
      ASSERT_EQ(r.Count, 3);
      // The value in the entry never moves.
      EXPECT_EQ(Row(r, 0x10202)->Value, "スーパーマクロモード");
      EXPECT_EQ(Row(r, 0x10207)->Value == "D4505", c.values_right) << Row(r, 0x10207)->Value;
      EXPECT_EQ(Row(r, 0x1101A)->Value == "BHP 512345", c.values_right);
    }
  }
}

TEST(MovedMakerNotes, ACountThatOnlyReadsInTheOtherOrderSwitchesOrder) {
  for (bool note_intel : {true, false}) {
    SCOPED_TRACE(note_intel ? "II note" : "MM note");
    MovedNote n = Moved(OlympusEntries(), note_intel, 200, 200);
    MemoryReader f(n.file);
    TMakerResult r;
    // The file's order is the other one: 3 entries read as 0x0300.
    ReadMakerNote(f, !note_intel, 0, n.ifd, 1, r, n.extent);
    ASSERT_EQ(r.Count, 3);
    EXPECT_EQ(Row(r, 0x10207)->Value, "D4505");
    EXPECT_EQ(Row(r, 0x10202)->Value, "スーパーマクロモード");
    // Without the extent the count is taken as it reads, and is too large.
    ReadMakerNote(f, !note_intel, 0, n.ifd, 1, r);
    EXPECT_EQ(r.Count, 0);
  }
  // A count that reads in both orders is kept in the file's order.
  Ifd one;
  one.Short(0x0202, {1});
  const std::string table = one.Build(true, 0);  // count 1: 01 00, in MM 256
  MemoryReader f(table + std::string(3 * 256 * 12, '\0'));
  TMakerResult r;
  ReadMakerNote(f, true, 0, 0, 1, r, {0, table.size() + 3 * 256 * 12});
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Value, "オン");
}

}  // namespace
}  // namespace kelvane
