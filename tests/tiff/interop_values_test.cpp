// Value texts of the interoperability IFD's entries by type.
#include "engine/tiff/interop.h"

#include <gtest/gtest.h>

#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using fixtures::TiffHeader;
using fixtures::U32;

// The types that have no text of their own show their first value, as
// SHORT, LONG and RATIONAL do.
TEST(ReadInterop, FirstValueOfTheSignedAndFloatingTypes) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.SShort(0x1000, {0xFFFF, 3})
        .SLong(0x1001, {static_cast<uint32_t>(-5)})
        .Numbers(0x1002, 13, {640})
        .Raw(0x1003, 11, 1, U32(0x3DCCCCCD, intel))
        .Raw(0x1004, 12, 1,
             intel ? U32(0, true) + U32(0x3FF80000, true) : U32(0x3FF80000, false) + U32(0, false))
        .Raw(0x1005, 6, 1, std::string(1, '\xFF'));
    MemoryReader f(TiffHeader(intel) + ifd.Build(intel, 8));
    TMakerResult r;
    ReadInterop(f, intel, 0, 8, r);
    ASSERT_EQ(r.Count, 6);
    const char* want[] = {"-1", "-5", "640", "0.1", "1.5", ""};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(r.Items[i].Value, want[i]) << i << (intel ? " II" : " MM");
  }
}

}  // namespace
}  // namespace kelvane
