#include "engine/makernote/makernote.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/reader/primitives.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_fixtures.h"

namespace kelvane {
namespace {

using fixtures::BE32;
using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::LE16;
using fixtures::LE32;
using fixtures::TiffHeader;
using maker_test::Decode;
using maker_test::NoteFile;
using maker_test::Row;

TEST(IsMakerNoteDecodable, ExactlyTheDecodableCodes) {
  const std::set<int32_t> decodable = {1,  2,  3,  5,  6,  7,  8,  9,  12, 14, 17, 18,
                                       19, 20, 24, 25, 26, 27, 28, 29, 31, 33, 35, 36,
                                       40, 41};
  for (int32_t code = -1; code <= 45; ++code)
    EXPECT_EQ(IsMakerNoteDecodable(code), decodable.count(code) == 1) << code;
}

TEST(ReadMakerNote, RowKeysAndUnnamedTags) {
  Ifd ifd;
  ifd.Short(0x0012, {5}).Undefined(0x00AB, Bytes({1, 2, 3, 4})).Short(0x0202, {1});
  TMakerResult r = Decode(ifd, 1);
  ASSERT_EQ(r.Count, 3);
  EXPECT_EQ(r.Items[0].Tag, 0x10012);
  EXPECT_EQ(r.Items[0].Name, "Unknown (0012)3,1");
  EXPECT_EQ(r.Items[1].Name, "Unknown (00AB)7,4");
  EXPECT_EQ(r.Items[2].Tag, 0x10202);
  EXPECT_EQ(r.Items[2].Name, "マクロモード");

  // Nikon's two newer layouts share code 6's keys and table.
  Ifd nikon;
  nikon.Short(0x0089, {1});
  r = Decode(nikon, 27);
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Tag, 0x60089);
  EXPECT_EQ(r.Items[0].Value, "連続撮影");
  // Codes without a table name nothing.
  r = Decode(nikon, 26);
  EXPECT_EQ(r.Items[0].Name, "Unknown (0089)3,1");
  EXPECT_EQ(r.Items[0].Tag, 26 << 16 | 0x89);
}

Ifd ManyEntries(uint32_t n, uint16_t type = 3) {
  Ifd ifd;
  for (uint32_t i = 0; i < n; ++i) ifd.Raw(static_cast<uint16_t>(0x1000 + i), type, 1, LE32(i));
  return ifd;
}

TEST(ReadMakerNote, EntryLimitAndRowCapacity) {
  // 500 entries are decoded (the result keeps its 101 rows); 501 give none.
  TMakerResult r = Decode(ManyEntries(500), 26);
  EXPECT_EQ(r.Count, kRowCapacity);
  EXPECT_EQ(r.Items[100].Name, "Unknown (1064)3,1");
  r = Decode(ManyEntries(501), 26);
  EXPECT_EQ(r.Count, 0);
}

TEST(ReadMakerNote, SonyStopsAtTheFirstTypeAbove30) {
  Ifd ifd;
  ifd.Short(0x0001, {1}).Raw(0x0002, 31, 1, LE32(0)).Short(0x0003, {3});
  EXPECT_EQ(Decode(ifd, 17).Count, 1);
  // Other makers go on: an unknown type is a row with an empty value.
  TMakerResult r = Decode(ifd, 26);
  ASSERT_EQ(r.Count, 3);
  EXPECT_EQ(r.Items[1].Name, "Unknown (0002)31,1");
  EXPECT_EQ(r.Items[1].Value, "");
}

TEST(ReadMakerNote, StartsFromAClearedResult) {
  MemoryReader f(NoteFile(Ifd().Short(0x0001, {1}), true, 0, 16));
  TMakerResult r;
  r.Add(1, "old", "row");
  r.InnerIFD = 5;
  r.LinkOffset = 7;
  r.LinkSize = 21;
  r.PrintIMOffset = -1;
  r.ThumbOffset = 3;
  r.ThumbLength = 4;
  ReadMakerNote(f, true, 0, 16, 26, r);
  EXPECT_EQ(r.Count, 1);
  EXPECT_EQ(r.InnerIFD, 0u);
  EXPECT_EQ(r.LinkOffset, 0u);
  EXPECT_EQ(r.LinkSize, 0u);
  EXPECT_EQ(r.PrintIMOffset, 0);
  EXPECT_EQ(r.ThumbOffset, 0u);
  EXPECT_EQ(r.ThumbLength, 0u);
}

TEST(ReadMakerNote, ValuePastTheEndCostsThatValueOnly) {
  Ifd ifd;
  ifd.Raw(0x0007, 2, 10, LE32(0xFFFFFF00))   // ASCII far past the end
      .Raw(0x0008, 3, 4, LE32(0x7FFFFFF0))   // SHORT array past the end
      .Raw(0x0209, 7, 40, LE32(0xFFFFFF00))  // a text block past the end
      .Short(0x0202, {2});
  TMakerResult r = Decode(ifd, 1);
  ASSERT_EQ(r.Count, 4);
  EXPECT_EQ(r.Items[0].Value, "");
  EXPECT_EQ(r.Items[1].Value, "");
  EXPECT_EQ(r.Items[2].Value, "");
  EXPECT_EQ(r.Items[3].Value, "スーパーマクロモード");
}

TEST(ReadMakerNote, TruncatedEntryBlockThrows) {
  std::string file = std::string(16, '\0') + fixtures::LE16(3) + std::string(20, '\0');
  MemoryReader f(file);
  TMakerResult r;
  EXPECT_THROW(ReadMakerNote(f, true, 0, 16, 1, r), ReadError);
}

TEST(ReadMakerNote, DefaultValueTexts) {
  struct Case {
    const char* what;
    Ifd ifd;
    int32_t code;
    std::string want;
  } cases[] = {
      {"BYTE, one", Ifd().Byte(0x0100, Bytes({7})), 26, "7"},
      {"BYTE array: dotted hex", Ifd().Byte(0x0100, Bytes({0x0A, 1, 0xFF, 0x10, 0})), 26,
       "A.1.FF.10.0"},
      {"ASCII up to its NUL", Ifd().Ascii(0x0100, "AB C"), 26, "AB C"},
      {"ASCII of Canon keeps its spaces", Ifd().Ascii(0x0100, "Canon EOS 10D"), 8, "Canon EOS 10D"},
      {"ASCII of Nikon keeps its spaces", Ifd().Ascii(0x0100, "AF-S 18-55mm"), 6, "AF-S 18-55mm"},
      {"ASCII of Sigma", Ifd().Ascii(0x0100, "SD 9"), 33, "SD 9"},
      {"SHORT, one", Ifd().Short(0x0100, {65535}), 26, "65535"},
      {"SHORT array", Ifd().Short(0x0100, {1, 2, 3}), 26, "1,2,3"},
      {"SHORT pair in the entry", Ifd().Short(0x0100, {4, 5}), 26, "4,5"},
      {"LONG array", Ifd().Long(0x0100, {1, 4000000000u}), 26, "1,4000000000"},
      {"LONG array over 1000 values", Ifd().Long(0x0100, std::vector<uint32_t>(1001, 1)), 26,
       "4004Bytes"},
      {"SHORT array over 1000 values", Ifd().Short(0x0100, std::vector<uint32_t>(1001, 1)), 26,
       "2002Bytes"},
      {"BYTE array over 1000 values", Ifd().Byte(0x0100, std::string(1001, 'a')), 26, "1001Bytes"},
      {"RATIONAL", Ifd().Rational(0x0100, {{1, 3}, {5, 2}}), 26, "1/3,5/2"},
      {"RATIONAL, zero denominator", Ifd().Rational(0x0100, {{1, 0}}), 26, "1/0"},
      {"SRATIONAL", Ifd().Rational(0x0100, {{0xFFFFFFFF, 3}}, true), 26, "-1/3"},
      {"SSHORT", Ifd().SShort(0x0100, {0xFFFF, 2}), 26, "-1,2"},
      {"SLONG", Ifd().SLong(0x0100, {0xFFFFFFFE}), 26, "-2"},
      {"FLOAT", Ifd().Raw(0x0100, 11, 1, LE32(0x3FC00000)), 26, "1.5"},
      {"FLOAT NaN has no text", Ifd().Raw(0x0100, 11, 1, LE32(0x7FC00000)), 26, ""},
      // The fewest digits that read back as the same FLOAT, as in an IFD.
      {"FLOAT in its shortest form", Ifd().Raw(0x0100, 11, 2, LE32(0x3DCCCCCD) + LE32(0x3F99999A)), 26,
       "0.1,1.2"},
      {"type outside 1..12", Ifd().Raw(0x0100, 13, 1, LE32(1)), 26, ""},
      {"enumeration miss", Ifd().Short(0x0202, {9}), 1, "Unknown (9)"},
      {"ASCII over 1000 characters", Ifd().Ascii(0x0100, std::string(1000, 'a')), 26, "1001Bytes"},
      {"ASCII of 1000 characters", Ifd().Ascii(0x0100, std::string(999, 'a')), 26,
       std::string(999, 'a')},
      {"text block over 1000 bytes", Ifd().Undefined(0x0209, std::string(1001, 'c')), 1, "1001Bytes"},
  };
  for (auto& c : cases) {
    TMakerResult r = Decode(c.ifd, c.code);
    ASSERT_EQ(r.Count, 1) << c.what;
    EXPECT_EQ(r.Items[0].Value, c.want) << c.what;
  }
}

TEST(ReadMakerNote, OffsetTextsCountFromTheBase) {
  // One entry: its data follows the entry count, the entry and the next-IFD
  // offset, 18 bytes after the IFD.
  constexpr uint32_t kBase = 30, kAt = 16, kData = kAt + 18;
  TMakerResult r = Decode(Ifd().Undefined(0x0100, std::string(10, 'u')), 26, true, kBase, kAt);
  EXPECT_EQ(r.Items[0].Value, "Offset:" + std::to_string(kData) + " (10byte)");

  // A Canon SHORT array of more than 100 values shows its offset.
  r = Decode(Ifd().Short(0x0005, std::vector<uint32_t>(101, 1)), 8, false, kBase, kAt);
  EXPECT_EQ(r.Items[0].Value, "Offset:" + std::to_string(kData));
  // 100 values are listed, as a long list: its count and first values.
  r = Decode(Ifd().Short(0x0005, std::vector<uint32_t>(100, 1)), 8, false, kBase, kAt);
  EXPECT_EQ(r.Items[0].Value, "100 values: 1, 1, 1, 1, 1, 1, 1, 1, …");
}

TEST(ReadMakerNote, SideResults) {
  constexpr uint32_t kBase = 30, kAt = 16, kData = kAt + 18;
  // PrintIM: the block's position relative to the base.
  TMakerResult r = Decode(Ifd().Undefined(0x0E00, std::string(32, 'p')), 2, true, kBase, kAt);
  EXPECT_EQ(r.PrintIMOffset, kData);
  EXPECT_EQ(r.Items[0].Name, "PrintIM IFD");
  EXPECT_EQ(r.Items[0].Value, "Offset:" + std::to_string(kData) + " (32byte)");
  // Olympus has no PrintIM tag of its own.
  r = Decode(Ifd().Undefined(0x0E00, std::string(32, 'p')), 1, true, kBase, kAt);
  EXPECT_EQ(r.PrintIMOffset, 0);

  // An embedded preview: absolute position and size.
  struct {
    int32_t code;
    uint16_t tag;
  } previews[] = {{1, 0x0100}, {2, 0x0280}, {3, 0x0100}, {18, 0x0081}};
  for (auto p : previews) {
    r = Decode(Ifd().Byte(p.tag, std::string(100, 'j')), p.code, true, kBase, kAt);
    EXPECT_EQ(r.ThumbOffset, kBase + kData) << p.code;
    EXPECT_EQ(r.ThumbLength, 100u) << p.code;
    EXPECT_EQ(r.Items[0].Value, "Offset:" + std::to_string(kBase + kData) + " (100byte)");
  }

  // Ricoh's camera-info IFD follows its 20-byte title.
  std::string info = std::string("[Ricoh Camera Info]\0", 20) + std::string(30, 'i');
  r = Decode(Ifd().Undefined(0x2001, info), 20, false, kBase, kAt);
  EXPECT_EQ(r.LinkOffset, kData + 20);
  EXPECT_EQ(r.LinkSize, 21u);
  EXPECT_EQ(r.Items[0].Value, "Offset:" + std::to_string(kData) + " (50byte)");
  r = Decode(Ifd().Undefined(0x2001, std::string("Other\0data", 10)), 20, false, kBase, kAt);
  EXPECT_EQ(r.LinkOffset, 0u);
  EXPECT_EQ(r.Items[0].Value, "Otherdata");
  // A long camera-info block is recognised by its title alone.
  r = Decode(Ifd().Undefined(0x2001, info + std::string(2000, 'i')), 20, false, kBase, kAt);
  EXPECT_EQ(r.LinkOffset, kData + 20);
  r = Decode(Ifd().Undefined(0x2001, std::string(2050, 'i')), 20, false, kBase, kAt);
  EXPECT_EQ(r.LinkOffset, 0u);
  EXPECT_EQ(r.Items[0].Value, "2050Bytes");
}

TEST(ReadMakerNote, PrintIMBeforeTheBaseIsNotReported) {
  // A Nikon note counts from its own header: an offset that lands before
  // the loader's base cannot be handed on.
  Ifd ifd;
  ifd.Raw(0x0E00, 7, 32, fixtures::BE32(10));
  std::string file = std::string(40, 'x') + std::string("Nikon\0", 6) + Bytes({2, 0x10, 0, 0}) +
                     TiffHeader(false, 8) + ifd.Build(false, 8) + std::string(64, 'p');
  MemoryReader f(file);
  TMakerResult r;
  ReadMakerNote(f, false, 100, 58, 27, r);
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.PrintIMOffset, 0);
  ReadMakerNote(f, false, 20, 58, 27, r);
  EXPECT_EQ(r.PrintIMOffset, 50 + 10 - 20);
}

// Pseudo-random maker IFDs for every code: whatever the entries say, the
// decoder returns or throws ReadError, and never keeps more than 101 rows.
TEST(ReadMakerNote, HostileNotesNeverCrash) {
  uint32_t seed = 12345;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  const uint16_t tags[] = {0x0000, 0x0001, 0x0002, 0x0003, 0x0004, 0x0006, 0x0009, 0x000A,
                           0x000C, 0x000D, 0x000F, 0x0011, 0x0088, 0x0089, 0x00A0, 0x00A9,
                           0x00AB, 0x0081, 0x0100, 0x0200, 0x0207, 0x0209, 0x0280, 0x0E00,
                           0x1001, 0x2001, 0x3001, 0x9001};
  for (int32_t code = 0; code <= 40; ++code) {
    for (int round = 0; round < 30; ++round) {
      std::string file(64, '\0');
      const uint16_t n = static_cast<uint16_t>(next() % 40);
      file += LE16(n);
      for (uint16_t i = 0; i < n; ++i) {
        file += LE16(tags[next() % std::size(tags)]);
        file += LE16(static_cast<uint16_t>(next() % 14));
        const uint32_t counts[] = {0, 1, 2, 4, 5, 200, 1001, 0xFFFFFFFF, next()};
        file += LE32(counts[next() % std::size(counts)]);
        file += LE32(next() % 2 ? next() % 600 : next());
      }
      for (int i = 0; i < 500; ++i) file.push_back(static_cast<char>(next()));
      MemoryReader f(file);
      TMakerResult r;
      try {
        ReadMakerNote(f, round % 2 == 0, round % 3 == 0 ? 0 : 12, 64, code, r);
      } catch (const ReadError&) {
      }
      EXPECT_LE(r.Count, kRowCapacity);
    }
  }
}

// A Nikon note with its own TIFF header: "Nikon\0", the version, then the
// header at `note + 10` and the IFD 8 bytes after it.
struct NikonNote {
  std::string file;
  uint64_t ifd_position;
};
NikonNote NikonFile(const Ifd& ifd, bool header_intel, uint32_t note) {
  std::string bytes = std::string(note, 'x') + std::string("Nikon\0", 6) + Bytes({2, 0x10, 0, 0}) +
                      TiffHeader(header_intel, 8) + ifd.Build(header_intel, 8);
  return {bytes, uint64_t{note} + 18};
}

TEST(ReadMakerNote, NikonNotesCountFromTheirOwnHeader) {
  Ifd ifd;
  ifd.Ascii(0x0004, "FINE   ").Short(0x0089, {1}).Short(0x0002, {0, 200});
  for (bool header_intel : {true, false}) {
    NikonNote n = NikonFile(ifd, header_intel, 40);
    MemoryReader f(n.file);
    TMakerResult r;
    // The file's order is the opposite one: the note's header decides.
    ReadMakerNote(f, !header_intel, 6, n.ifd_position, 27, r);
    ASSERT_EQ(r.Count, 3) << header_intel;
    EXPECT_EQ(r.Items[0].Value, "FINE");
    EXPECT_EQ(r.Items[1].Value, "連続撮影");
    EXPECT_EQ(r.Items[2].Name, "ISO設定");
    EXPECT_EQ(r.Items[2].Value, "200");

    auto header = FindEmbeddedTiffHeader(f, 27, n.ifd_position);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->position, 50u);
    EXPECT_EQ(header->intel, header_intel);
  }
}

TEST(FindEmbeddedTiffHeader, OnlyNikonAndKddiWithAByteOrderMark) {
  NikonNote n = NikonFile(Ifd().Short(1, {1}), true, 40);
  MemoryReader f(n.file);
  EXPECT_TRUE(FindEmbeddedTiffHeader(f, 35, n.ifd_position));
  EXPECT_FALSE(FindEmbeddedTiffHeader(f, 6, n.ifd_position));
  EXPECT_FALSE(FindEmbeddedTiffHeader(f, 27, n.ifd_position + 1));  // not "II"/"MM"
  EXPECT_FALSE(FindEmbeddedTiffHeader(f, 27, 5));                     // before the file
  EXPECT_FALSE(FindEmbeddedTiffHeader(f, 27, n.file.size() + 20));    // past its end
}

TEST(ReadMakerNote, KddiNotesCountFromTheirStart) {
  Ifd ifd;
  ifd.Raw(0x0000, 7, 4, "0100").Ascii(0x0001, std::string("FINE\0SS", 7));
  std::string file = std::string(24, 'x') + "KDDI" + std::string(4, '\0') + ifd.Build(true, 8);
  MemoryReader f(file);
  TMakerResult r;
  ReadMakerNote(f, true, 0, 32, 35, r);
  ASSERT_EQ(r.Count, 2);
  EXPECT_EQ(r.Items[0].Name, "バージョン");
  EXPECT_EQ(r.Items[0].Value, "0100");
  EXPECT_EQ(r.Items[1].Value, "FINE SS");
}

TEST(ReadMakerNote, FujifilmOffsetsCountFromTheNotesSignature) {
  Ifd ifd;
  ifd.Raw(0x0000, 7, 4, "0130").Ascii(0x1000, "NORMAL ").Short(0x1002, {768});
  std::string note = "FUJIFILM" + LE32(12) + ifd.Build(true, 12);
  // The TIFF header is at 200 (an Exif segment after others); the note at
  // 300. Whatever base the loader passes, the values are found.
  std::string file = std::string(300, 'x') + note;
  for (int64_t base : {int64_t{200}, int64_t{12}, int64_t{0}}) {
    MemoryReader f(file);
    TMakerResult r;
    ReadMakerNote(f, true, base, 312, 12, r);
    ASSERT_EQ(r.Count, 3) << base;
    EXPECT_EQ(r.Items[0].Value, "0130");
    EXPECT_EQ(r.Items[1].Value, "NORMAL");
    EXPECT_EQ(r.Items[2].Value, "昼光色蛍光灯");
  }
  // A note whose IFD lies 16 bytes in.
  std::string longer = "FUJIFILM" + LE32(16) + "    " + ifd.Build(true, 16);
  MemoryReader f(std::string(50, 'x') + longer);
  TMakerResult r;
  ReadMakerNote(f, true, 0, 66, 12, r);
  EXPECT_EQ(r.Items[1].Value, "NORMAL");
}

TEST(ReadMakerNote, NikonThumbnailIfd) {
  struct Case {
    const char* version;
    int32_t code;
    uint32_t inner;    // expected InnerIFD
    const char* name;  // expected row name
  };
  // Code 27: offset 0x100 from the note's header at 50, base 6.
  const uint32_t converted = 50 + 0x100 - 6;
  const Case cases[] = {
      {"0200", 27, converted, "サムネイル情報 IFD"},
      {"0101", 27, converted, "サムネイル情報 IFD"},
      {"0100", 27, 0, "サムネイル画像"},
      {"0210", 27, 0, "サムネイル情報 IFD"},
  };
  for (const auto& c : cases) {
    Ifd ifd;
    ifd.Raw(0x0001, 7, 4, c.version).Long(0x0011, {0x100});
    NikonNote n = NikonFile(ifd, false, 40);
    MemoryReader f(n.file);
    TMakerResult r;
    ReadMakerNote(f, false, 6, n.ifd_position, c.code, r);
    ASSERT_EQ(r.Count, 2) << c.version;
    EXPECT_EQ(r.Items[0].Value, c.version);
    EXPECT_EQ(r.Items[1].Tag, 0x60011);
    EXPECT_EQ(r.Items[1].Name, c.name) << c.version;
    EXPECT_EQ(r.InnerIFD, c.inner) << c.version;
    EXPECT_EQ(r.Items[1].Value.rfind("Offset:" + std::to_string(converted), 0), 0u) << c.version;
  }
  // Code 6 offsets count from the base.
  Ifd plain;
  plain.Raw(0x0001, 7, 4, "0200").Long(0x0011, {0x100});
  TMakerResult r = Decode(plain, 6, false, 30, 16);
  EXPECT_EQ(r.InnerIFD, 0x100u);
  EXPECT_EQ(r.Items[1].Value, "Offset:256");
}

TEST(ReadMakerNote, CameraTypeStartsEmptyEveryCall) {
  Ifd d60;
  d60.Ascii(0x0006, "Canon EOS D60").Short(0x000F, {4, 0x0101});
  Ifd other;
  other.Short(0x000F, {4, 0x0101});
  std::string file = NoteFile(d60, false, 0, 16);
  const auto second_at = static_cast<uint32_t>(file.size());
  file += other.Build(false, second_at);
  MemoryReader f(file);
  TMakerResult r;
  ReadMakerNote(f, false, 0, 16, 8, r);
  ASSERT_TRUE(Row(r, 0x90F000) && Row(r, 0x90F002));
  EXPECT_EQ(Row(r, 0x90F000)->Value, "EOS D30/60 Format");
  EXPECT_EQ(Row(r, 0x90F002)->Name, "Fn1.ノイズリダクション");
  ReadMakerNote(f, false, 0, second_at, 8, r);
  ASSERT_TRUE(Row(r, 0x90F000) && Row(r, 0x90F002));
  EXPECT_EQ(Row(r, 0x90F000)->Value, "");
  EXPECT_EQ(Row(r, 0x90F002)->Name, "Fn.1");
}

}  // namespace
}  // namespace kelvane
