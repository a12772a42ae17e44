// The pieces every maker's tables build on: lens lists, binary records,
// sub-groups, row styles and note facts.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/makernote/lens_table.h"
#include "engine/makernote/maker_groups.h"
#include "engine/makernote/maker_note_reader.h"
#include "engine/makernote/maker_record.h"
#include "engine/makernote/sony_cipher.h"
#include "engine/reader/reader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_fixtures.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::LE16;
using fixtures::LE32;
using maker::FieldType;
using maker::LensClues;
using maker::LensId;
using maker_test::Row;

// Rows of a result as "name=value" lines, for whole-group comparisons.
std::vector<std::string> Lines(const TMakerResult& r) {
  std::vector<std::string> lines;
  for (int32_t i = 0; i < r.Count; ++i) {
    const TIFDItem& item = r.Items[static_cast<size_t>(i)];
    lines.push_back(item.Name + "=" + item.Value);
  }
  return lines;
}

// *Lens lists*

constexpr LensId kLenses[] = {
    {1, "Maker 50mm F1.8"},
    {2, "Maker 18-55mm F3.5-5.6"},
    {3, "Maker 70-200mm F2.8"},
    {3, "Sigma 70-200mm F2.8 EX"},
    {3, "Tamron 70-300mm F4-5.6 Di"},
    {3, "Tokina 80-200mm F2.8"},
};

TEST(LensName, ChoosesAmongLensesThatShareAnId) {
  struct Case {
    uint32_t id;
    LensClues clues;
    const char* expected;  // null: the list does not hold the ID
  } cases[] = {
      {1, {}, "Maker 50mm F1.8"},                         // unique
      {2, {10, 20, 2}, "Maker 18-55mm F3.5-5.6"},         // unique: clues do not matter
      {9, {}, nullptr},                                   // not listed
      {3, {70, 300, 0}, "Tamron 70-300mm F4-5.6 Di"},     // focal range alone
      {3, {80, 200, 2.8}, "Tokina 80-200mm F2.8"},        // range and aperture
      {3, {70.3, 199.8, 2.8},                             // within half a millimetre
       "Maker 70-200mm F2.8 / Sigma 70-200mm F2.8 EX"},
      {3, {0, 0, 4}, "Tamron 70-300mm F4-5.6 Di"},        // aperture alone
      {3, {0, 0, 4.1}, "Tamron 70-300mm F4-5.6 Di"},      // within 0.15 stop
      {3, {}, "Maker 70-200mm F2.8 / Sigma 70-200mm F2.8 EX / Tamron 70-300mm F4-5.6 Di / "
              "Tokina 80-200mm F2.8"},                    // no clues: every candidate
      {3, {10, 20, 0}, "Maker 70-200mm F2.8 / Sigma 70-200mm F2.8 EX / "
                       "Tamron 70-300mm F4-5.6 Di / Tokina 80-200mm F2.8"},  // none fits
  };
  for (const Case& c : cases) {
    const auto name = maker::LensName(kLenses, c.id, c.clues);
    if (c.expected) {
      ASSERT_TRUE(name) << c.id;
      EXPECT_EQ(*name, c.expected) << c.id << " " << c.clues.focal_min;
    } else {
      EXPECT_FALSE(name) << c.id;
    }
  }
  EXPECT_EQ(maker::LensText(kLenses, 9, {}), "ID 9");
  constexpr maker::LensId64 kWide[] = {{0x1122334455667788, "Wide 24mm f/2.8"}};
  EXPECT_EQ(maker::LensName(kWide, 0x1122334455667788, {}), "Wide 24mm f/2.8");
}

TEST(LensName, CluesFromTheListsNames) {
  struct Case {
    const char* name;
    LensClues clues;
  } cases[] = {
      {"Canon EF 70-200mm f/2.8L IS USM", {70, 200, 2.8}},
      {"AF-S DX Nikkor 18-55mm f/3.5-5.6G VR", {18, 55, 3.5}},
      {"Sony FE 24-70mm F2.8 GM II", {24, 70, 2.8}},
      {"Tamron SP AF 17-50mm F/2.8 XR Di II LD Aspherical (IF)", {17, 50, 2.8}},
      {"Minolta AF 50mm F1.4 [New]", {50, 50, 1.4}},
      {"Sony FE 1.4x Teleconverter", {0, 0, 0}},
      {"EF-S18-135mm f/3.5-5.6 IS", {18, 135, 3.5}},
  };
  for (const Case& c : cases) {
    const LensClues got = maker::CluesFromName(c.name);
    EXPECT_DOUBLE_EQ(got.focal_min, c.clues.focal_min) << c.name;
    EXPECT_DOUBLE_EQ(got.focal_max, c.clues.focal_max) << c.name;
    EXPECT_DOUBLE_EQ(got.aperture_max, c.clues.aperture_max) << c.name;
  }
}

// *Sony's cipher*

TEST(SonyCipher, CubesBelow249AndKeepsTheRest) {
  std::vector<uint8_t> block = {0, 1, 2, 3, 10, 248, 249, 250, 255};
  maker::SonyEncipher(block);
  EXPECT_EQ(block, (std::vector<uint8_t>{0, 1, 8, 27, 4, 248, 249, 250, 255}));
  maker::SonyDecipher(block);
  EXPECT_EQ(block, (std::vector<uint8_t>{0, 1, 2, 3, 10, 248, 249, 250, 255}));
}

// A block of the shape Sony's 0x9050 has in the bodies of 2014: the
// shutter count as a little-endian LONG at 0x3A, enciphered with the rest.
TEST(SonyCipher, ARecordReadsThroughIt) {
  std::string plain(0x40, '\0');
  plain.replace(0x3A, 4, LE32(12345));
  plain[0x00] = 0x11;
  std::vector<uint8_t> block(plain.begin(), plain.end());
  maker::SonyEncipher(block);
  EXPECT_NE(block[0x3A], 12345 & 0xFF);
  static constexpr maker::RecordField kFields[] = {
      {.offset = 0x3A, .type = FieldType::kU32, .name = "撮影回数", .style = kStyleKey},
  };
  static constexpr maker::MakerRecord kRecord{.caption = "c", .fields = kFields,
                                              .decipher = maker::SonyDecipherBlock};
  kRecord.decipher(block, maker::NoteFacts{});
  TMakerResult out;
  maker::ReadRecord(block, true, kRecord, 0, LensClues{}, out);
  EXPECT_EQ(Lines(out), (std::vector<std::string>{"撮影回数=12345"}));
  EXPECT_EQ(out.Items[0].Style, kStyleKey);
}

// *Binary records*

std::string Aperture(int64_t v) { return "F" + std::to_string(v / 10) + "." + std::to_string(v % 10); }

constexpr CodeText kModes[] = {{0, "オフ"}, {1, "オン"}, {2, nullptr}};
constexpr maker::RecordField kFields[] = {
    {.offset = 0, .type = FieldType::kU8, .name = "モード", .values = kModes},
    {.offset = 1, .type = FieldType::kS8, .name = "補正"},
    {.offset = 2, .type = FieldType::kU16, .name = "焦点距離", .unit = "mm",
     .fact = maker::Fact::kFocalMin},
    {.offset = 4, .type = FieldType::kS16, .name = "符号付き"},
    {.offset = 6, .type = FieldType::kU32, .name = "回数", .fact = maker::Fact::kShutterCount},
    {.offset = 10, .type = FieldType::kU16BE, .name = "上位から"},
    {.offset = 12, .type = FieldType::kU16, .name = "絞り", .text = Aperture},
    {.offset = 14, .type = FieldType::kU16, .name = "レンズ", .lenses = kLenses,
     .style = kStyleKey},
    {.offset = 16, .type = FieldType::kText, .name = "名前", .count = 6},
    {.offset = 22, .type = FieldType::kHex, .name = "番号", .count = 3},
    {.offset = 25, .type = FieldType::kU8Array, .name = "バイト列", .count = 3},
    {.offset = 28, .type = FieldType::kU16Array, .name = "語列", .count = 2},
    {.offset = 32, .type = FieldType::kU32BE, .name = "最後"},
};
constexpr maker::MakerRecord kRecord{.caption = "記録", .fields = kFields};

std::string RecordBytes() {
  return Bytes({1, 0xFE}) + LE16(70) + LE16(0xFFFF) + LE32(4321) + fixtures::BE16(0x0102) +
         LE16(28) + LE16(3) + std::string("ab c \0", 6) + Bytes({0xAB, 0x01, 0xFF}) +
         Bytes({1, 2, 3}) + LE16(500) + LE16(7) + fixtures::BE32(9);
}

TEST(ReadRecord, EachFieldType) {
  const std::string bytes = RecordBytes();
  maker::NoteFacts facts;
  facts.lens.focal_max = 200;
  TMakerResult out;
  maker::ReadRecord(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), true,
                    kRecord, 0x110000, facts, out);
  EXPECT_EQ(Lines(out), (std::vector<std::string>{
                            "モード=オン", "補正=-2", "焦点距離=70mm", "符号付き=-1", "回数=4321",
                            "上位から=258", "絞り=F2.8",
                            "レンズ=Maker 70-200mm F2.8 / Sigma 70-200mm F2.8 EX",
                            "名前=ab c", "番号=AB01FF", "バイト列=1 2 3", "語列=500 7",
                            "最後=9"}));
  EXPECT_EQ(out.Items[0].Tag, 0x110000);
  EXPECT_EQ(out.Items[2].Tag, 0x110002);
  EXPECT_EQ(out.Items[7].Style, kStyleKey);
  EXPECT_EQ(out.Items[0].Style, kStyleDetail);
  EXPECT_EQ(facts.shutter_count, 4321u);
  EXPECT_DOUBLE_EQ(facts.lens.focal_min, 70);
}

TEST(ReadRecord, CutShortAndVocabularyGaps) {
  std::string bytes = RecordBytes();
  bytes[0] = 2;   // a value its vocabulary gives no row
  bytes[14] = 9;  // a lens no list holds
  TMakerResult out;
  // Cut inside the text field: that field and those after it give no row.
  maker::ReadRecord(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), 20), true, kRecord,
                    0, LensClues{}, out);
  EXPECT_EQ(Lines(out), (std::vector<std::string>{"補正=-2", "焦点距離=70mm", "符号付き=-1",
                                                  "回数=4321", "上位から=258", "絞り=F2.8",
                                                  "レンズ=ID 9"}));
  bytes[0] = 7;  // not in the vocabulary
  maker::ReadRecord(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), 1), true, kRecord,
                    0, LensClues{}, out);
  EXPECT_EQ(out.Items[static_cast<size_t>(out.Count - 1)].Value, "Unknown (7)");
  maker::ReadRecord({}, true, kRecord, 0, LensClues{}, out);  // an empty block: nothing
  EXPECT_EQ(out.Count, 8);
}

TEST(ReadRecord, BigEndianRecordsInAnIntelNote) {
  static constexpr maker::RecordField kWord[] = {{.offset = 0, .type = FieldType::kU16, .name = "w"}};
  static constexpr maker::MakerRecord kBig{.caption = "b", .fields = kWord, .big_endian = true};
  const uint8_t bytes[] = {0x01, 0x02};
  TMakerResult out;
  maker::ReadRecord(bytes, true, kBig, 0, LensClues{}, out);
  EXPECT_EQ(out.Items[0].Value, "258");
}

// *Groups*

TEST(MakerGroups, HoldsAtMost32AndKeepsReferences) {
  MakerGroups groups;
  TMakerResult& first = groups.Open("一");
  for (int i = 0; i < 40; ++i) groups.Open("次").Add(0, "n", std::to_string(i));
  first.Add(0, "a", "b");
  ASSERT_EQ(groups.Groups().size(), MakerGroups::kMaxGroups);
  EXPECT_EQ(groups.Groups()[0].caption, "一");
  EXPECT_EQ(groups.Groups()[0].rows.Count, 1);
  EXPECT_EQ(groups.Groups()[31].rows.Items[0].Value, "30");
  groups.Reset();
  EXPECT_TRUE(groups.Groups().empty());
  EXPECT_EQ(groups.Open("再").Count, 0);
}

// A test maker whose note opens a sub-IFD by offset (0x0010), a sub-IFD
// stored as a block (0x0011), a record (0x0020, deciphered with the
// note's serial number) and a record chosen by the note's model (0x0021).
void XorWithSerial(std::span<uint8_t> block, const maker::NoteFacts& facts) {
  const uint8_t key = facts.serial.empty() ? 0 : static_cast<uint8_t>(facts.serial[0]);
  for (uint8_t& b : block) b = static_cast<uint8_t>(b ^ key);
}

constexpr maker::RecordField kCountField[] = {
    {.offset = 0, .type = FieldType::kU16, .name = "撮影回数", .style = kStyleKey,
     .fact = maker::Fact::kShutterCount}};
constexpr maker::MakerRecord kCiphered{.caption = "暗号化情報", .fields = kCountField,
                                       .decipher = XorWithSerial};
constexpr maker::RecordField kFocalFields[] = {
    {.offset = 0, .type = FieldType::kU8, .name = "最短焦点距離", .fact = maker::Fact::kFocalMin},
    {.offset = 1, .type = FieldType::kU8, .name = "最長焦点距離", .fact = maker::Fact::kFocalMax}};
constexpr maker::MakerRecord kModelB{.caption = "モデルBの情報", .fields = kFocalFields};
const maker::MakerRecord* ChooseByModel(std::span<const uint8_t>, const maker::NoteFacts& facts) {
  return facts.model_id == 2 ? &kModelB : nullptr;
}
constexpr maker::MakerRecord kByModel{.caption = "", .choose = ChooseByModel};

extern const maker::MakerDirectory kSelfDirectory;
constexpr maker::MakerTag kSubTags[] = {
    {.tag = 0x0001, .name = "設定"},
    {.tag = 0x0002, .name = "レンズ番号", .style = kStyleKey},
    {.tag = 0x0003, .directory = &kSelfDirectory},  // points back at itself
};
constexpr maker::MakerDirectory kSubDirectory{.caption = "カメラ設定", .tags = kSubTags};
constexpr maker::MakerDirectory kBlockDirectory{.caption = "ブロック", .tags = kSubTags,
                                                .anchor = maker::DirectoryAnchor::kBlock};
constexpr maker::MakerDirectory kSelfDirectory{.caption = "自分", .tags = kSubTags};

constexpr maker::MakerTag kMainTags[] = {
    {.tag = 0x0001, .name = "シリアル番号"},
    {.tag = 0x0002, .name = "機種", .fact = maker::Fact::kModelId},
    {.tag = 0x0003, .name = "レンズ", .style = kStyleKey, .lenses = kLenses},
    {.tag = 0x0004, .name = "詳細"},
    {.tag = 0x0010, .name = "カメラ設定", .directory = &kSubDirectory},
    {.tag = 0x0011, .directory = &kBlockDirectory},
    {.tag = 0x0020, .record = &kCiphered},
    {.tag = 0x0021, .record = &kByModel},
};
constexpr maker::MakerLayout kTestLayout{.code = MakerCode::kReserved28, .tags = kMainTags,
                                         .named_style = kStyleDetail, .serial_tag = 0x0001};

struct GroupNote {
  std::string file;
  uint64_t ifd;
  uint32_t sub_at;
};

// The note at 16, its sub-IFD after it; `model` picks 0x0021's layout.
GroupNote MakeGroupNote(uint32_t model) {
  const uint32_t at = 16;
  Ifd main;
  main.Ascii(0x0001, "Z123").Short(0x0002, {model}).Short(0x0003, {3}).Short(0x0004, {5});
  main.Long(0x0010, {0});  // patched below, once the main IFD's size is known
  Ifd block;
  block.Short(0x0001, {7}).Ascii(0x0002, "LENS-0001");
  main.Undefined(0x0011, block.Build(true, 0));
  // 321 = 0x0141, each byte XORed with 'Z' (0x5A).
  main.Undefined(0x0020, Bytes({0x41 ^ 0x5A, 0x01 ^ 0x5A, 0, 0}));
  main.Undefined(0x0021, Bytes({70, 200, 0, 0, 0}));
  const auto sub_at = static_cast<uint32_t>(at + main.Size());
  main.Long(0x0010, {sub_at});
  Ifd sub;
  sub.Short(0x0001, {1}).Ascii(0x0002, "ABCDEFGHIJ").Long(0x0003, {sub_at});
  return {std::string(at, '\0') + main.Build(true, at) + sub.Build(true, sub_at), at, sub_at};
}

TEST(MakerGroupsRead, SubDirectoriesAndRecordsAfterTheMainRows) {
  const GroupNote n = MakeGroupNote(2);
  MemoryReader f(n.file);
  TMakerResult r;
  MakerGroups groups;
  ReadMakerNoteAs(kTestLayout, f, true, 0, n.ifd, r, {0, n.file.size()}, &groups);
  EXPECT_EQ(Lines(r), (std::vector<std::string>{
                          "シリアル番号=Z123", "機種=2",
                          // named once the record gave the focal range
                          "レンズ=Maker 70-200mm F2.8 / Sigma 70-200mm F2.8 EX", "詳細=5",
                          "カメラ設定=" + std::to_string(n.sub_at), "Unknown (0011)7,40=Offset:124 (40byte)",
                          "Unknown (0020)7,4=Offset:98 (4byte)",
                          "Unknown (0021)7,5=Offset:164 (5byte)"}));
  // Row styles: the layout's for named rows, the tag's own, details for
  // unnamed tags.
  EXPECT_EQ(Row(r, 28 << 16 | 1)->Style, kStyleDetail);
  EXPECT_EQ(Row(r, 28 << 16 | 3)->Style, kStyleKey);
  EXPECT_EQ(Row(r, 28 << 16 | 0x11)->Style, kStyleDetail);

  const auto g = groups.Groups();
  ASSERT_EQ(g.size(), 4u);  // the loop back to the sub-IFD is read once
  EXPECT_EQ(g[0].caption, "カメラ設定");
  EXPECT_EQ(Lines(g[0].rows),
            (std::vector<std::string>{"設定=1", "レンズ番号=ABCDEFGHIJ",
                                      "Unknown (0003)4,1=" + std::to_string(n.sub_at)}));
  EXPECT_EQ(g[0].rows.Items[0].Style, kStyleDetail);
  EXPECT_EQ(g[0].rows.Items[1].Style, kStyleKey);
  EXPECT_EQ(g[1].caption, "ブロック");  // its offsets count from its own start
  EXPECT_EQ(Lines(g[1].rows), (std::vector<std::string>{"設定=7", "レンズ番号=LENS-0001"}));
  EXPECT_EQ(g[2].caption, "暗号化情報");  // deciphered with the serial number read before
  EXPECT_EQ(Lines(g[2].rows), (std::vector<std::string>{"撮影回数=321"}));
  EXPECT_EQ(g[3].caption, "モデルBの情報");
  EXPECT_EQ(Lines(g[3].rows), (std::vector<std::string>{"最短焦点距離=70", "最長焦点距離=200"}));

  // Without groups asked for, the main rows are the same and nothing more
  // is read; another model has no layout for 0x0021.
  TMakerResult plain;
  MemoryReader again(n.file);
  ReadMakerNoteAs(kTestLayout, again, true, 0, n.ifd, plain, {0, n.file.size()});
  EXPECT_EQ(Lines(plain)[0], Lines(r)[0]);
  const GroupNote other = MakeGroupNote(5);
  MemoryReader f5(other.file);
  ReadMakerNoteAs(kTestLayout, f5, true, 0, other.ifd, r, {0, other.file.size()}, &groups);
  EXPECT_EQ(groups.Groups().size(), 3u);
  EXPECT_EQ(Lines(r)[2], "レンズ=Maker 70-200mm F2.8 / Sigma 70-200mm F2.8 EX / "
                         "Tamron 70-300mm F4-5.6 Di / Tokina 80-200mm F2.8");
}

TEST(MakerGroupsRead, HostileOffsetsGiveNoGroup) {
  GroupNote n = MakeGroupNote(2);
  // The note's extent ends before the sub-IFD: it is no group, and nor is
  // anything past the file's end.
  const uint64_t main_end = n.file.size() - 2 - 3 * 12 - 4 - 11;
  MemoryReader f(n.file);
  TMakerResult r;
  MakerGroups groups;
  ReadMakerNoteAs(kTestLayout, f, true, 0, n.ifd, r, {0, main_end}, &groups);
  for (const MakerGroup& g : groups.Groups()) EXPECT_NE(g.caption, "カメラ設定");
  EXPECT_EQ(r.Count, 8);

  // A record whose bytes run past the end of the file shows what it holds;
  // a sub-IFD whose table does keeps the other groups.
  Ifd main;
  main.Long(0x0010, {0xFFFFFFF0}).Undefined(0x0020, Bytes({1, 2, 3, 4, 5, 6}));
  std::string file = std::string(16, '\0') + main.Build(true, 16);
  file.resize(file.size() - 4);
  MemoryReader cut(file);
  ReadMakerNoteAs(kTestLayout, cut, true, 0, 16, r, {}, &groups);
  ASSERT_EQ(groups.Groups().size(), 1u);
  EXPECT_EQ(groups.Groups()[0].caption, "暗号化情報");
}

// A sub-directory that opens another of its kind: reading stops at the
// depth limit (4 below the note).
extern const maker::MakerDirectory kChain;
constexpr maker::MakerTag kChainTags[] = {{.tag = 0x0001, .directory = &kChain}};
constexpr maker::MakerDirectory kChain{.caption = "連鎖", .tags = kChainTags};
constexpr maker::MakerLayout kChainLayout{.code = MakerCode::kReserved28, .tags = kChainTags};

TEST(MakerGroupsRead, DepthIsLimited) {
  // Ten IFDs of one entry each, each pointing at the next.
  std::string file(16, '\0');
  for (uint32_t i = 0; i < 10; ++i) {
    Ifd ifd;
    ifd.Long(0x0001, {16 + 18 * (i + 1)});
    file += ifd.Build(true, 16 + 18 * i);
  }
  MemoryReader f(file);
  TMakerResult r;
  MakerGroups groups;
  ReadMakerNoteAs(kChainLayout, f, true, 0, 16, r, {}, &groups);
  EXPECT_EQ(groups.Groups().size(), 4u);
}

}  // namespace
}  // namespace kelvane
