#include <gtest/gtest.h>

#include <string>

#include "engine/makernote/maker_code.h"
#include "engine/makernote/maker_groups.h"
#include "engine/makernote/makernote.h"
#include "engine/reader/reader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_rows.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using testing_rows::FindRowNamed;
using testing_rows::RowsText;

constexpr uint16_t kIfdType = 13;
constexpr uint32_t kNote = 64;  // where the note starts, from the TIFF header

std::string Le32(uint32_t v) {
  return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                     static_cast<char>(v >> 24)};
}

// The Equipment directory of an E-M5 III: a lens, two serial numbers.
Ifd Equipment() {
  Ifd ifd;
  ifd.Ascii(0x0101, "BHW201234")
      .Byte(0x0201, std::string("\0\0\x01\x10\0\0", 6))
      .Ascii(0x0202, "ACF212345");
  return ifd;
}

// A newer note ("OLYMPUS\0II"): its offsets count from its first byte;
// the main directory's `entries` (built by the caller) open directories
// that `more` holds, placed right after it at `tail` (from the note).
struct NewNote {
  std::string bytes;  // the file: kNote bytes, then the note
  uint64_t ifd = 0;   // the main directory's absolute position
};

NewNote Build(const Ifd& main, const std::string& tail_bytes) {
  const std::string head("OLYMPUS\0II\x03\0", 12);
  NewNote n;
  n.bytes = std::string(kNote, '\0') + head + main.Build(true, 12) + tail_bytes;
  n.ifd = kNote + 12;
  return n;
}

struct Read {
  TMakerResult main;
  MakerGroups groups;
};

void ReadNote(const NewNote& n, Read& out) {
  MemoryReader f(n.bytes);
  ReadMakerNote(f, true, 0, n.ifd, Code(MakerCode::kOlympusNew), out.main,
                MakerNoteExtent{kNote, n.bytes.size() - kNote}, &out.groups);
}

const MakerGroup* Group(MakerGroups& groups, std::string_view caption) {
  for (const MakerGroup& g : groups.Groups())
    if (g.caption == caption) return &g;
  return nullptr;
}

// The main directory's size when it holds `n` IFD-typed entries.
uint32_t MainSize(int n) { return 2 + 12 * static_cast<uint32_t>(n) + 4; }

TEST(OlympusNote, IfdTypedEntriesOpenTheirDirectories) {
  const uint32_t equipment_at = 12 + MainSize(1);
  Ifd main;
  main.Raw(0x2010, kIfdType, 1, Le32(equipment_at));
  const NewNote n = Build(main, Equipment().Build(true, equipment_at));
  Read r;
  ReadNote(n, r);
  const MakerGroup* equipment = Group(r.groups, "機材情報");
  ASSERT_NE(equipment, nullptr) << RowsText(r.main);
  const TIFDItem* lens = FindRowNamed(equipment->rows, "レンズ");
  ASSERT_NE(lens, nullptr) << RowsText(equipment->rows);
  EXPECT_EQ(lens->Value, "Olympus M.Zuiko Digital ED 14-42mm F3.5-5.6");
  EXPECT_EQ(lens->Style, kStyleKey);
  EXPECT_EQ(FindRowNamed(equipment->rows, "シリアル番号")->Value, "BHW201234");
  EXPECT_EQ(FindRowNamed(equipment->rows, "レンズシリアル番号")->Value, "ACF212345");
}

// Offsets outside the note, a directory met twice and a directory that
// opens the main directory again give no group (or one), never a crash or
// an endless walk.
TEST(OlympusNote, HostileDirectories) {
  const uint32_t equipment_at = 12 + MainSize(2);
  struct Case {
    const char* what;
    uint32_t first, second;  // the offsets of 0x2010 and 0x2020
    size_t groups;
  } cases[] = {
      {"one inside, one past the note", equipment_at, 0x7FFFFFF0, 1},
      {"both past the note", 0x7FFFFFF0, 0xFFFFFFF0, 0},
      {"the same directory twice", equipment_at, equipment_at, 1},
  };
  for (const auto& c : cases) {
    Ifd main;
    main.Raw(0x2010, kIfdType, 1, Le32(c.first)).Raw(0x2020, kIfdType, 1, Le32(c.second));
    const NewNote n = Build(main, Equipment().Build(true, equipment_at));
    Read r;
    ReadNote(n, r);
    size_t shown = 0;
    for (const MakerGroup& g : r.groups.Groups()) shown += g.rows.Count > 0 ? 1 : 0;
    EXPECT_EQ(shown, c.groups) << c.what;
  }
  // Both entries open the main directory itself: its own entries would open
  // it again; the walk ends.
  Ifd main;
  main.Raw(0x2010, kIfdType, 1, Le32(12)).Raw(0x2020, kIfdType, 1, Le32(12));
  const NewNote n = Build(main, "");
  Read r;
  ReadNote(n, r);
  EXPECT_LE(r.groups.Groups().size(), 2u);
}

}  // namespace
}  // namespace kelvane
