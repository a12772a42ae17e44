#include "engine/tiff/ifd_walker.h"

#include <gtest/gtest.h>

#include "engine/reader/primitives.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/tiff/walk_fixture.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::TiffHeader;
using fixtures::U16;
using fixtures::U32;
using testing::WalkIfd;

TEST(ReadIFD, EmptyIfdLeavesTheFileAtTheNextOffset) {
  for (bool intel : {true, false}) {
    auto w = WalkIfd(Ifd(), intel);
    EXPECT_EQ(w.result.Count, 0);
    EXPECT_EQ(w.end_position, 8u + 2u);
  }
}

TEST(ReadIFD, EntryCountPastTheEndGivesMinusOne) {
  MemoryReader f(TiffHeader(true, 100));
  TSubIFDResult result;
  result.Count = 5;
  TempData temp;
  int32_t maker = 0;
  ReadIFD(f, true, 0, 100, maker, temp, result);
  EXPECT_EQ(result.Count, -1);
}

TEST(ReadIFD, ShortEntryTableIsTheLoadersError) {
  // Two entries announced, one present.
  std::string file = TiffHeader(true) + U16(2, true) + U16(0x100, true) + U16(3, true) +
                     U32(1, true) + U32(5, true);
  MemoryReader f(file);
  TSubIFDResult result;
  TempData temp;
  int32_t maker = 0;
  EXPECT_THROW(ReadIFD(f, true, 0, 8, maker, temp, result), ReadError);
}

TEST(ReadIFD, ShortValuesFromTheEntryOrTheFile) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.Short(0x100, {640}).Short(0x102, {8, 16});
    auto w = WalkIfd(ifd, intel);
    EXPECT_EQ(w.Value(0x100), "640");
    EXPECT_EQ(w.Value(0x102), "8,16");
    EXPECT_EQ(w.temp.ImageWidth, 640u);
  }
}

TEST(ReadIFD, NamesKnownAndUnknownTags) {
  Ifd ifd;
  ifd.Undefined(0xA501, "abcd").Raw(0x0001, 2, 4, std::string("R98\0", 4)).Short(0xC635, {1});
  auto w = WalkIfd(ifd, true);
  EXPECT_EQ(w.Name(0xA501), "Unknown (A501)7,4");
  EXPECT_EQ(w.Value(0xA501), "4 Bytes");
  EXPECT_EQ(w.Name(0x0001), "Unknown (0001)2,4");
  EXPECT_EQ(w.Name(0xC635), "MakerNoteSafety");
  Ifd rational;
  rational.Rational(0xC635, {{1, 1}});
  EXPECT_EQ(WalkIfd(rational, true).Name(0xC635), "BestQualityScale");
}

TEST(ReadIFD, StandardIdSetsTheVersionText) {
  Ifd ifd;
  ifd.Byte(0x9216, Bytes({1, 0, 0, 0}));
  auto w = WalkIfd(ifd, false);
  EXPECT_EQ(w.Value(0x9216), "1.0.0.0");
  EXPECT_EQ(w.result.VersionText, "EP1.0.0.0");

  Ifd exif;
  exif.Undefined(0x9000, "0230");
  EXPECT_EQ(WalkIfd(exif, true).result.VersionText, "0230");
}

TEST(ReadIFD, KeepsAHundredRowsAndStillEndsAtTheNextOffset) {
  Ifd ifd;
  for (uint16_t i = 0; i < 150; ++i) ifd.Short(static_cast<uint16_t>(0x5000 + i), {i});
  for (bool intel : {true, false}) {
    std::string file = TiffHeader(intel) + ifd.Build(intel, 8, 0x1234);
    MemoryReader f(file);
    TSubIFDResult result;
    TempData temp;
    int32_t maker = 0;
    ReadIFD(f, intel, 0, 8, maker, temp, result);
    EXPECT_EQ(result.Count, 100);
    EXPECT_EQ(result.Items[99].Tag, 0x5000 + 99);
    EXPECT_EQ(f.Position(), 8u + 2 + 12 * 150);
    EXPECT_EQ(ReadLong(f, intel), 0x1234u);
  }
}

TEST(ReadIFD, UndecodableValuesLeaveTheirRowEmpty) {
  Ifd ifd;
  // A rational far past the end, a zero denominator where the rule divides,
  // and a count whose byte size wraps in 32 bits (it is not inline).
  ifd.Raw(0x829D, 5, 1, U32(0x7FFFFFF0, true))
      .Rational(0x9204, {{1, 0}}, true)
      .Raw(0x5000, 4, 0x40000001, U32(0x7FFFFFF0, true))
      .Short(0x101, {480});
  auto w = WalkIfd(ifd, true);
  ASSERT_EQ(w.result.Count, 4);
  EXPECT_EQ(w.Value(0x829D), "");
  EXPECT_EQ(w.Value(0x9204), "");
  EXPECT_EQ(w.Value(0x5000), "");
  EXPECT_EQ(w.Value(0x101), "480");
}

TEST(ReadIFD, RecordsTheOffsetsOfOtherIfdsAndBlocks) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.Long(0x8769, {1000})
        .Long(0x8825, {2000})
        .Long(0xA005, {3000})
        .Long(0x201, {4000})
        .Long(0x202, {500})
        .Undefined(0x83BB, std::string(10, 'i'))
        .Byte(0x8649, std::string(12, 'p'))
        .Undefined(0x8773, std::string(14, 'c'))
        .Long(0x8290, {5000, 6000})
        .Long(0xFE, {1});
    auto w = WalkIfd(ifd, intel);
    EXPECT_EQ(w.result.ExifIFD, 1000u);
    EXPECT_EQ(w.result.GPSIFD, 2000u);
    EXPECT_EQ(w.result.InteropIFD, 3000u);
    EXPECT_EQ(w.result.ThumbOffset, 4000u);
    EXPECT_EQ(w.result.ThumbLength, 500u);
    EXPECT_EQ(w.Value(0x8769), "1000");
    // Values placed after the IFD: 8 + 2 + 12 * 10 + 4 = 134.
    EXPECT_EQ(w.temp.IPTCPos, 134u);
    EXPECT_EQ(w.temp.IPTCSize, 10u);
    EXPECT_EQ(w.temp.PhotoshopPos, 144u);
    EXPECT_EQ(w.temp.PhotoshopCount, 12u);
    EXPECT_EQ(w.Value(0x8649), "Offset:144 (12byte)");
    EXPECT_EQ(w.temp.ICCOffset, 156u);
    EXPECT_EQ(w.temp.ICCSize, 14u);
    EXPECT_EQ(w.temp.KodakCameraInfoIFD, 6000u);
    EXPECT_EQ(w.temp.NewSubFileType, 1u);
  }
}

// Writers store the IFD pointers as LONG, SLONG or IFD (13): each is
// followed, and its row shows the offset.
TEST(ReadIFD, PointersOfEveryPointerType) {
  for (uint16_t type : {uint16_t{4}, uint16_t{9}, uint16_t{13}}) {
    for (bool intel : {true, false}) {
      Ifd ifd;
      ifd.Numbers(0x14A, type, {100, 200})
          .Numbers(0x190, type, {400})
          .Numbers(0x8290, type, {450})
          .Numbers(0x8769, type, {1000})
          .Numbers(0x8825, type, {2000})
          .Numbers(0xA005, type, {3000})
          .Numbers(0xC36E, type, {500})
          .Numbers(0xC36F, type, {600, 700});
      auto w = WalkIfd(ifd, intel);
      const std::string what = "type " + std::to_string(type) + (intel ? " II" : " MM");
      EXPECT_EQ(w.result.ExifIFD, 1000u) << what;
      EXPECT_EQ(w.result.GPSIFD, 2000u) << what;
      EXPECT_EQ(w.result.InteropIFD, 3000u) << what;
      EXPECT_EQ(w.temp.KodakCameraInfoIFD, 450u) << what;
      ASSERT_EQ(w.temp.SubIFDCount, 6u) << what;
      const uint32_t offsets[] = {100, 200, 400, 500, 600, 700};
      for (size_t i = 0; i < 6; ++i) EXPECT_EQ(w.temp.SubIFDOffset[i], offsets[i]) << what << i;
      EXPECT_EQ(w.temp.SubIFDName[1], "SubIFD(1)") << what;
      const std::pair<uint16_t, const char*> rows[] = {
          {0x14A, "100,200"},       {0x8769, "1000"},   {0x8825, "2000"}, {0xA005, "3000"},
          {0xC36E, "Offset:500"}, {0xC36F, "Offset:600,700"}};
      for (const auto& [tag, value] : rows) EXPECT_EQ(w.Value(tag), value) << what << " " << tag;
    }
  }
}

// Other types are no pointers: nothing is followed.
TEST(ReadIFD, PointersOfOtherTypesAreNotFollowed) {
  Ifd ifd;
  ifd.Short(0x8769, {1000}).Rational(0x8825, {{2000, 1}}).Numbers(0x14A, 3, {100});
  auto w = WalkIfd(ifd, true);
  EXPECT_EQ(w.result.ExifIFD, 0u);
  EXPECT_EQ(w.result.GPSIFD, 0u);
  EXPECT_EQ(w.temp.SubIFDCount, 0u);
  EXPECT_EQ(w.Value(0x8769), "1000");
}

// Image facts stored as SLONG are read as a SHORT or LONG would be.
TEST(ReadIFD, ImageFactsFromSLongValues) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.SLong(0x100, {4000})
        .SLong(0x101, {3000})
        .SLong(0x103, {6})
        .SLong(0x111, {10, 20})
        .SLong(0x112, {8})
        .SLong(0x117, {7, 9});
    auto w = WalkIfd(ifd, intel);
    EXPECT_EQ(w.temp.ImageWidth, 4000u);
    EXPECT_EQ(w.temp.ImageLength, 3000u);
    EXPECT_EQ(w.temp.Compression, 6u);
    EXPECT_EQ(w.result.ThumbOffset, 20u);
    EXPECT_EQ(w.result.ThumbLength, 9u);
    EXPECT_EQ(w.result.Rotation, 3);
    EXPECT_EQ(w.Value(0x100), "4000");
  }
}

TEST(ReadIFD, ListsSubIfdsKodakIfdsAndPrintIm) {
  Ifd ifd;
  ifd.Long(0x14A, {100, 200, 300})
      .Long(0x190, {400})
      .Long(0xC36E, {500})
      .Long(0xC36F, {600})
      .Undefined(0xC4A5, std::string(8, 'x'));
  auto w = WalkIfd(ifd, false);
  ASSERT_EQ(w.temp.SubIFDCount, 7u);
  const char* names[] = {"SubIFD(0)", "SubIFD(1)", "SubIFD(2)", "GlobalParameterIFD(0)",
                         "KodakSpecialEffects IFD", "KodakBorders IFD", "PrintIM IFD"};
  const uint32_t offsets[] = {100, 200, 300, 400, 500, 600, 8 + 2 + 12 * 5 + 4 + 12};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(w.temp.SubIFDName[i], names[i]);
    EXPECT_EQ(w.temp.SubIFDOffset[i], offsets[i]) << names[i];
  }
  EXPECT_EQ(w.Value(0x14A), "100,200,300");
  EXPECT_EQ(w.Value(0xC36E), "Offset:500");
}

TEST(ReadIFD, ListsAtMostTwentyFourIfdsByTagAndTwentySixWithPrintIm) {
  std::vector<uint32_t> many(30);
  for (uint32_t i = 0; i < 30; ++i) many[i] = 1000 + i;
  Ifd ifd;
  ifd.Long(0x14A, many).Undefined(0xC4A5, std::string(8, 'x'));
  auto w = WalkIfd(ifd, true);
  EXPECT_EQ(w.temp.SubIFDCount, 25u);
  EXPECT_EQ(w.temp.SubIFDName[23], "SubIFD(23)");
  EXPECT_EQ(w.temp.SubIFDName[24], "PrintIM IFD");
}

TEST(ReadIFD, OldStyleJpegStripIsTheThumbnail) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.Short(0x103, {6}).Long(0x111, {1000}).Long(0x117, {5000});
    auto w = WalkIfd(ifd, intel);
    EXPECT_EQ(w.result.ThumbOffset, 1000u);
    EXPECT_EQ(w.result.ThumbLength, 5000u);
    Ifd plain;
    plain.Short(0x103, {1}).Long(0x111, {1000}).Long(0x117, {5000});
    auto p = WalkIfd(plain, intel);
    EXPECT_EQ(p.result.ThumbOffset, 0u);
    EXPECT_EQ(p.temp.StripOffset, 1000u);
    EXPECT_EQ(p.temp.StripByteCount, 5000u);
  }
}

TEST(ReadIFD, ImageFactsForTheLoader) {
  Ifd ifd;
  ifd.Long(0x100, {160})
      .Short(0x101, {120})
      .Short(0x106, {2})
      .Long(0x111, {10, 20, 30})
      .Short(0x112, {6})
      .Long(0x117, {7, 8, 9})
      .Ascii(0x110, "Model X  ")
      .Rational(0x920A, {{55, 2}})
      .Rational(0xC630, {{18, 1}, {55, 1}, {35, 10}, {56, 10}});
  auto w = WalkIfd(ifd, false);
  EXPECT_EQ(w.temp.ImageWidth, 160u);
  EXPECT_EQ(w.temp.ImageLength, 120u);
  EXPECT_EQ(w.temp.Photometric, 2);
  EXPECT_EQ(w.temp.StripOffset, 30u);
  EXPECT_EQ(w.temp.StripByteCount, 9u);
  EXPECT_EQ(w.result.Rotation, 1);
  EXPECT_EQ(w.result.OrientationPos, 8u + 2 + 12 * 4 + 8);
  EXPECT_EQ(w.result.Model, "Model X");
  EXPECT_FLOAT_EQ(w.result.FocalLength, 27.5f);
  EXPECT_DOUBLE_EQ(w.temp.LensMinFocal, 18.0);
  EXPECT_DOUBLE_EQ(w.temp.LensMaxFocal, 55.0);
}

TEST(ReadIFD, ClearsItsOwnFieldsAndKeepsTheLoaders) {
  TSubIFDResult result;
  TempData temp;
  result.ExifIFD = 9;
  result.MakerNoteIFD = 7;
  temp.IPTCPos = 77;
  temp.SubIFDCount = 3;
  temp.Photometric = 2;
  MemoryReader f(TiffHeader(true) + Ifd().Build(true, 8));
  int32_t maker = 0;
  ReadIFD(f, true, 0, 8, maker, temp, result);
  EXPECT_EQ(result.ExifIFD, 0u);
  EXPECT_EQ(result.MakerNoteIFD, 7u);
  EXPECT_EQ(temp.IPTCPos, 77u);
  EXPECT_EQ(temp.SubIFDCount, 0u);
  EXPECT_EQ(temp.Photometric, 0);
}

}  // namespace
}  // namespace kelvane

namespace kelvane {
namespace {

// Entries that all point at one huge block are decoded until the walk has
// read 64 MiB of values; the rest keep empty values.
TEST(ReadIFD, ValueBudgetStopsRepeatedHugeValues) {
  const uint32_t block = 33u << 20;  // two do not fit
  auto entry = [](uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
    return U16(tag, true) + U16(type, true) + U32(count, true) + U32(value, true);
  };
  const uint32_t data_at = 8 + 2 + 12 * 4 + 4;
  std::string file = TiffHeader(true) + U16(4, true) + entry(0x10E, 2, block, data_at) +
                     entry(0x10E, 2, block, data_at) + entry(0x9286, 7, block, data_at) +
                     entry(0x100, 3, 1, 77) + U32(0, true) + std::string(block, 'a');
  MemoryReader f(file);
  TSubIFDResult result;
  TempData temp;
  int32_t maker = 0;
  ReadIFD(f, true, 0, 8, maker, temp, result);
  ASSERT_EQ(result.Count, 4);
  EXPECT_EQ(result.Items[0].Value.size(), block);
  EXPECT_EQ(result.Items[1].Value, "");
  EXPECT_EQ(result.Items[2].Value, "");
  EXPECT_EQ(result.Items[3].Value, "77");
}

}  // namespace
}  // namespace kelvane
