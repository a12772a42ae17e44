#include "engine/loader/interop_rows.h"

#include <gtest/gtest.h>

#include "engine/reader/primitives.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using fixtures::TiffHeader;

InfoTree Interop(const Ifd& ifd, bool intel) {
  MemoryReader f(TiffHeader(intel) + ifd.Build(intel, 8));
  InfoTree tree;
  TMakerResult scratch;
  AddInteropRows(f, intel, 0, 8, scratch, tree);
  return tree;
}

TEST(AddInteropRows, IndexVersionAndOtherEntries) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.Raw(1, 2, 4, std::string("R98\0", 4))
        .Undefined(2, "0100")
        .Short(0x1000, {513})
        .Long(0x1001, {70000})
        .Rational(0x1002, {{3, 4}})
        .Undefined(0x1003, "abcd")
        .Raw(0x1004, 2, 6, "longer");
    InfoTree tree = Interop(ifd, intel);
    struct Want {
      int style;
      std::string name, value;
    } want[] = {
        {3, "ExifR98情報", ""},
        {2, "互換性識別子", std::string("R98\0", 4)},
        {2, "バージョン", "0100"},
        {2, "Unknown (4096)", "513"},
        {2, "Unknown (4097)", "70000"},
        {2, "Unknown (4098)", "3/4"},
        {2, "Unknown (4099)", ""},
        {2, "Unknown (4100)", "longer"},
    };
    ASSERT_EQ(tree.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
      EXPECT_EQ(tree[i].style, want[i].style) << i;
      EXPECT_EQ(tree[i].name, want[i].name) << i;
      EXPECT_EQ(tree[i].value, want[i].value) << i;
    }
  }
}

TEST(AddInteropRows, AHundredEntriesOrMoreAreReportedAsBroken) {
  Ifd ifd;
  for (uint16_t i = 0; i < 100; ++i) ifd.Short(static_cast<uint16_t>(0x100 + i), {i});
  InfoTree tree = Interop(ifd, true);
  ASSERT_EQ(tree.size(), 1u);
  EXPECT_EQ(tree[0].name, "ExifR98情報");
  EXPECT_EQ(tree[0].value, "情報が破損");
}

}  // namespace
}  // namespace kelvane
