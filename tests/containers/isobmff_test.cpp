#include "engine/containers/isobmff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

using bmff::Box;
using bmff::FourCC;
using fixtures::Atom;
using fixtures::BE32;

TEST(BoxHeader, SizesAndTypes) {
  struct Case {
    const char* what;
    std::string bytes;
    uint64_t parent_end;  // 0: the whole input
    bool valid;
    uint64_t size, header;
    bool to_end;
  } cases[] = {
      {"32-bit size", Atom("free", "abcd"), 0, true, 12, 8, false},
      {"64-bit size", BE32(1) + "free" + BE32(0) + BE32(20) + "abcd", 0, true, 20, 16, false},
      {"size 0 runs to the parent's end", BE32(0) + "mdat" + std::string(12, 'x'), 0, true, 20, 8, true},
      {"size 0 inside a shorter parent", BE32(0) + "mdat" + std::string(12, 'x'), 10, true, 10, 8, true},
      {"uuid box", Atom("uuid", std::string(16, 'u') + "data"), 0, true, 28, 24, false},
      {"size smaller than its header", BE32(4) + "free" + "abcd", 0, false, 0, 0, false},
      {"64-bit size smaller than its header", BE32(1) + "free" + BE32(0) + BE32(12) + "abcd", 0, false, 0, 0, false},
      {"size past the parent", BE32(0xFFFFFFFF) + "free" + "abcd", 0, false, 0, 0, false},
      {"64-bit size past the parent", BE32(1) + "free" + BE32(0xFFFFFFFF) + BE32(0) + "ab", 0, false, 0, 0, false},
      {"uuid too short for its user type", Atom("uuid", "short"), 0, false, 0, 0, false},
      {"header longer than the parent", Atom("free", "abcd"), 6, false, 0, 0, false},
  };
  for (const Case& c : cases) {
    MemoryReader f(c.bytes);
    const uint64_t end = c.parent_end ? c.parent_end : f.Size();
    const std::optional<Box> box = bmff::ReadBox(f, 0, end);
    ASSERT_EQ(box.has_value(), c.valid) << c.what;
    if (!box) continue;
    EXPECT_EQ(box->size, c.size) << c.what;
    EXPECT_EQ(box->header, c.header) << c.what;
    EXPECT_EQ(box->to_end, c.to_end) << c.what;
  }
}

TEST(BoxHeader, HeaderCutByTheFileThrows) {
  MemoryReader f(BE32(1) + "free" + BE32(0));
  EXPECT_THROW(bmff::ReadBox(f, 0, 100), ReadError);
}

TEST(BoxWalk, VisitsSiblingsAndStopsAtADamagedOne) {
  const std::string bytes = Atom("ftyp", "heic") + Atom("free", "") +
                            BE32(3) + "bad!" + Atom("mdat", "never seen");
  MemoryReader f(bytes);
  std::vector<std::string> seen;
  bmff::ForEachBox(f, 0, f.Size(), [&](const Box& b) {
    seen.push_back(bmff::TypeText(b.type));
    return true;
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"ftyp", "free"}));
}

TEST(BoxWalk, FindsChildrenAfterAFullBoxHeader) {
  const std::string meta = Atom("meta", std::string(4, '\0') + Atom("hdlr", "pict") + Atom("pitm", "xx"));
  MemoryReader f(meta);
  auto parent = bmff::ReadBox(f, 0, f.Size());
  ASSERT_TRUE(parent);
  auto pitm = bmff::FindChild(f, *parent, FourCC("pitm"), 4);
  ASSERT_TRUE(pitm);
  EXPECT_EQ(pitm->start, 8u + 4u + 12u);
  EXPECT_FALSE(bmff::FindChild(f, *parent, FourCC("iloc"), 4));
}

TEST(BoxType, ShowsTheCopyrightSign) {
  EXPECT_EQ(bmff::TypeText(FourCC("\xA9" "day")), "©day");
  EXPECT_EQ(bmff::TypeText(FourCC("jP  ")), "jP  ");
  EXPECT_EQ(bmff::TypeText(0x00000001), "\x01");
}

TEST(FileTypeBox, BrandsAsRowsShowThem) {
  MemoryReader f(Atom("ftyp", std::string("heic") + BE32(0) + "mif1heic"));
  auto t = bmff::ReadFileType(f);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->major, FourCC("heic"));
  EXPECT_EQ(t->brands, "mif1, heic");
  EXPECT_TRUE(t->Has(FourCC("mif1")));
  EXPECT_FALSE(t->Has(FourCC("avif")));
}

}  // namespace
}  // namespace kelvane
