#include "engine/reader/primitives.h"

#include <gtest/gtest.h>

#include "engine/tiff/tiff_types.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

using fixtures::Bytes;

// A string literal with its NULs, without the terminating one.
template <size_t N>
std::string Lit(const char (&s)[N]) {
  return std::string(s, N - 1);
}

TEST(ReadValue, TakesCountBytesInEitherOrder) {
  struct Case {
    std::string bytes;
    bool intel;
    int count;
    uint32_t want;
  } cases[] = {
      {Bytes({0x34, 0x12}), true, 2, 0x1234},
      {Bytes({0x12, 0x34}), false, 2, 0x1234},
      {Bytes({0xAB}), true, 1, 0xAB},
      {Bytes({0xAB}), false, 1, 0xAB},
      {Bytes({1, 2, 3}), true, 3, 0x030201},
      {Bytes({1, 2, 3}), false, 3, 0x010203},
      {Bytes({0x78, 0x56, 0x34, 0x12}), true, 4, 0x12345678},
      {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), false, 4, 0xFFFFFFFF},
  };
  for (const auto& c : cases) {
    MemoryReader f(c.bytes);
    EXPECT_EQ(ReadValue(f, c.intel, c.count), c.want) << c.count << " intel=" << c.intel;
    EXPECT_EQ(f.Position(), static_cast<uint64_t>(c.count));
  }
}

TEST(ReadValue, BigEndianAndWordsAndLongs) {
  MemoryReader f(Bytes({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}));
  EXPECT_EQ(ReadBigEndian(f, 2), 0x1234u);
  EXPECT_EQ(ReadWord(f, true), 0x7856u);
  f.Seek(0);
  EXPECT_EQ(ReadLong(f, false), 0x12345678u);
  f.Seek(0);
  EXPECT_EQ(ReadLongWord(f, true), 0x78563412u);
}

TEST(ReadRational, SwapsEachWordInMotorolaOrder) {
  MemoryReader f(Bytes({0, 0, 0, 0x0A, 0, 0, 0, 1}));
  uint32_t n = 0, d = 0;
  ReadRational(f, false, n, d);
  EXPECT_EQ(n, 10u);
  EXPECT_EQ(d, 1u);
}

TEST(ReadDouble, ReadsBothOrders) {
  // 1.5 is 0x3FF8000000000000.
  MemoryReader le(Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
  EXPECT_DOUBLE_EQ(ReadDouble(le, true), 1.5);
  MemoryReader be(Bytes({0x3F, 0xF8, 0, 0, 0, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(ReadDouble(be, false), 1.5);
}

TEST(TextReads, TreatNulsAsEachReadSays) {
  const std::string bytes = Bytes({0x41, 0x42, 0, 0, 0x43});
  MemoryReader f(bytes);
  EXPECT_EQ(ReadTextSkipNul(f, 5), "ABC");
  f.Seek(0);
  EXPECT_EQ(ReadTextNulAsSpace(f, 5), "AB  C");
  f.Seek(0);
  EXPECT_EQ(ReadRaw(f, 5), bytes);

  MemoryReader z(Bytes({0x41, 0x42, 0, 0x43}));
  EXPECT_EQ(ReadTextZ(z, 10), "AB");
  EXPECT_EQ(z.Position(), 3u);

  MemoryReader space(std::string("A B\0C", 5));
  EXPECT_EQ(ReadTextSkipNulSpace(space, 5), "ABC");
}

TEST(TextReads, AsciiValueEndsAtItsFirstNul) {
  struct Case {
    std::string bytes;
    std::string want;
  } cases[] = {
      {Lit("K100\0X"), "K100"},          // left-overs after the NUL
      {Lit("K100\0\0\0\0"), "K100"},     // NUL padding
      {Lit("EF-S18-55mm f/3.5-5.6 IS\0"), "EF-S18-55mm f/3.5-5.6 IS"},
      {Lit("NIKON   \0"), "NIKON"},      // blank padding is trimmed
      {Lit("AB\r\n"), "AB"},             // so are trailing control bytes
      {"no terminator", "no terminator"},
      {Lit("\0later"), ""},              // empty value, whatever follows
      {"", ""},
  };
  for (const auto& c : cases) {
    MemoryReader f(c.bytes);
    EXPECT_EQ(ReadAsciiValue(f, static_cast<int64_t>(c.bytes.size())), c.want) << c.want;
    // The whole value is consumed, not just the text.
    EXPECT_EQ(f.Position(), c.bytes.size());
  }
}

TEST(TextReads, AsciiPartsKeepTheirSeparatorsNotTheirPadding) {
  struct Case {
    std::string bytes;
    std::string want;
  } cases[] = {
      {Lit("2002:07:14\00012:00:00\0"), "2002:07:14 12:00:00"},
      {Lit("SX552\0"), "SX552"},                // a lone terminator
      {Lit("R1     \0\0\0\0H\0\0\0\1"), "R1"},  // padding, then left-overs
      {Lit("AB\0\1CD"), "AB"},                   // a control byte is no part
      {Lit("Tokyo   "), "Tokyo"},
  };
  for (const auto& c : cases) EXPECT_EQ(AsciiParts(c.bytes), c.want) << c.want;
}

TEST(TextReads, ZeroOrNegativeCountReadsNothing) {
  MemoryReader f("abc");
  EXPECT_EQ(ReadRaw(f, 0), "");
  EXPECT_EQ(ReadTextSkipNul(f, -5), "");
  EXPECT_EQ(ReadUnicodeLE(f, 0), "");
  EXPECT_EQ(f.Position(), 0u);
}

TEST(UnicodeReads, ConvertToUtf8) {
  MemoryReader lez(Bytes({0x41, 0, 0x05, 0, 0x42, 0, 0, 0, 0x43, 0}));
  EXPECT_EQ(ReadUnicodeLEZ(lez, 10), "AB");
  EXPECT_EQ(lez.Position(), 8u);

  // An odd byte count converts whole units only.
  MemoryReader odd(Bytes({0x41, 0, 0x42, 0, 0x43}));
  EXPECT_EQ(ReadUnicodeLE(odd, 5), "AB");
  EXPECT_EQ(odd.Position(), 4u);

  // "日本" big-endian, with a U+0000 kept.
  MemoryReader be(Bytes({0x65, 0xE5, 0x67, 0x2C, 0, 0}));
  EXPECT_EQ(ReadUnicodeBE(be, 6), std::string("日本\0", 7));

  // A surrogate pair becomes one character.
  MemoryReader pair(Bytes({0x3D, 0xD8, 0x00, 0xDE}));
  EXPECT_EQ(ReadUnicodeLE(pair, 4), "\xF0\x9F\x98\x80");
}

TEST(Scanners, PairScannersStopAfterThePairInEitherOrder) {
  MemoryReader f(Bytes({'I', 'I', 0x2A, 0x00, 8, 0, 0, 0}));
  f.Seek(2);
  SkipToPair(f, 0x2A, 0x00);
  EXPECT_EQ(f.Position(), 4u);

  MemoryReader mm(Bytes({'M', 'M', 'R', 'O', 0, 0, 0, 8}));
  mm.Seek(2);
  SkipToEitherPair(mm, 0x00, 0x2A, 0x4F, 0x52);
  EXPECT_EQ(mm.Position(), 4u);

  MemoryReader none(Bytes({1, 2, 3}));
  SkipToPair(none, 0x2A, 0x00);
  EXPECT_TRUE(none.AtEnd());
}

TEST(Scanners, SignatureWithinTheFirstThousandBytes) {
  MemoryReader dicom(std::string(128, '\0') + "DICM" + "rest");
  EXPECT_EQ(FindDicomPrefix(dicom), 132);
  EXPECT_EQ(dicom.Position(), 132u);

  MemoryReader zeros(std::string(1000, '\0') + "DICM");
  EXPECT_EQ(ScanSignature(zeros, "DICM"), "");
  zeros.Seek(0);
  EXPECT_EQ(FindDicomPrefix(zeros), -1);

  // NULs between the letters are ignored.
  MemoryReader spaced(std::string("xxPr\0intIM", 10));
  EXPECT_EQ(ScanSignature(spaced, "PrintIM"), "PrintIM");
  EXPECT_EQ(spaced.Position(), 10u);

  MemoryReader short_file("DIC");
  EXPECT_EQ(ScanSignature(short_file, "DICM"), "");
}

TEST(Texts, UnknownTagNamesPadTheTagToFourDigitsAndFitTheLongestNumbers) {
  struct Case {
    uint32_t tag, type, count;
    const char* want;
  } cases[] = {
      {0xA500, 7, 4, "Unknown (A500)7,4"},
      {0x1, 3, 1, "Unknown (0001)3,1"},
      {0, 0, 0, "Unknown (0000)0,0"},
      {0x12345, 2, 10, "Unknown (12345)2,10"},
      {0xFFFFFFFF, 4294967295u, 4294967295u, "Unknown (FFFFFFFF)4294967295,4294967295"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(UnknownTagName(c.tag, c.type, c.count).view(), c.want) << c.want;
}

TEST(Texts, StandardTextsAndTypeSizes) {
  EXPECT_EQ(UnknownText(255), "Unknown (255)");
  EXPECT_EQ(BlockText("D1", 1024, 230), "D1 Format : 1024Bytes (Offset:230)");
  EXPECT_EQ(TypeSize(13), 4);  // IFD: a 4-byte offset
  EXPECT_EQ(TypeSize(14), 1);
  EXPECT_EQ(TypeSize(0), 1);
  EXPECT_EQ(TypeSize(-1), 1);
  EXPECT_EQ(TypeSize(10), 8);
  EXPECT_EQ(TypeSize(3), 2);
  EXPECT_EQ(TypeSize(12), 8);
  EXPECT_EQ(HexDigits(0xA0C, 4), "0A0C");
  EXPECT_EQ(HexDigits(0x12345, 4), "12345");
  EXPECT_EQ(HexDigits(0xFFFFFFFF, 8), "FFFFFFFF");
  EXPECT_EQ(HexDigits(0, 4), "0000");
  EXPECT_EQ(HexBytes(std::string("\x01\xAB\x00", 3)), "01AB00");
}

TEST(Reader, ReadPastTheEndThrowsAndConsumesNothing) {
  MemoryReader f("abc");
  f.Seek(2);
  EXPECT_THROW(ReadWord(f, true), ReadError);
  EXPECT_EQ(f.Position(), 2u);
  EXPECT_THROW(ReadRaw(f, 0xFFFFFFFFll), ReadError);
  f.Seek(100);
  EXPECT_THROW(ReadByte(f), ReadError);
  EXPECT_EQ(f.Get(), -1);
}

}  // namespace
}  // namespace kelvane
