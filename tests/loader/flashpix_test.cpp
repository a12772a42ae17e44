#include "engine/loader/flashpix.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::BE32;
using Row = std::tuple<int, std::string, std::string>;

std::string Utf16Z(const std::string& ascii) {
  std::string s;
  for (char c : ascii) s += std::string(1, c) + '\0';
  return s + std::string(2, '\0');
}

struct Entry {
  uint32_t size;
  std::string name;
};

// An APP2 FPXR contents list; `count` defaults to the entries given.
std::string ContentsList(const std::vector<Entry>& entries, int count = -1) {
  std::string s = std::string("FPXR\0", 5) + '\x01' + '\x01';
  s += BE16(count < 0 ? static_cast<uint16_t>(entries.size()) : static_cast<uint16_t>(count));
  for (const auto& e : entries) {
    s += BE32(e.size) + '\0' + Utf16Z(e.name);
    if (e.size == 0xFFFFFFFF) s += std::string(16, '\x5A');  // class id
  }
  return s;
}

std::string Stream(uint16_t index) {
  return std::string("FPXR\0", 5) + '\x01' + '\x02' + BE16(index) + BE32(0) + "data";
}

// The FlashPix rows of a JPEG with an Exif block and these APP2 payloads.
std::vector<Row> FlashPixRows(const std::vector<std::string>& payloads) {
  fixtures::Jpeg jpeg;
  jpeg.Exif(fixtures::TiffHeader(true) + fixtures::Ifd().Build(true, 8));
  for (const auto& p : payloads) jpeg.Segment(0xFFE2, p);
  MemoryReader f(jpeg.Build());
  InfoTree tree;
  PageFields page;
  LoadFrom(f, "x.jpg", LoadSwitches{}, tree, page);
  std::vector<Row> rows;
  bool on = false;
  for (const auto& r : tree.Rows()) {
    on = on || r.name == "FlashPix拡張情報";
    if (on) rows.emplace_back(r.style, r.name, r.value);
  }
  return rows;
}

const char* kCaption = "FlashPix拡張情報";
const char* kAudio = "/Audio_bd0100609719a180/Audio Stream 000000";

TEST(FlashPix, ContentsListAndStreams) {
  const auto rows = FlashPixRows({ContentsList({{0x2A8, "/Extension List"},
                                                {0xFFFFFFFF, "/Audio_bd0100609719a180"},
                                                {0x2E, kAudio}}),
                                  Stream(0), Stream(2), Stream(1)});
  EXPECT_EQ(rows, (std::vector<Row>{{3, kCaption, "コンテンツリスト"},
                                    {4, "/Extension List", "000002A8"},
                                    // A storage skips its class id.
                                    {4, "/Audio_bd0100609719a180", "FFFFFFFF"},
                                    {4, kAudio, "0000002E"},
                                    {3, kCaption, "/Extension List"},
                                    {3, kCaption, kAudio},
                                    {4, "DataType", "WAVE AUDIO"},
                                    {3, kCaption, "/Audio_bd0100609719a180"}}));
}

TEST(FlashPix, IndexesThatNameNoEntryShowAnEmptyValue) {
  const auto rows = FlashPixRows({Stream(0), ContentsList({{1, "/A"}}), Stream(1), Stream(500)});
  EXPECT_EQ(rows, (std::vector<Row>{{3, kCaption, ""},
                                    {3, kCaption, "コンテンツリスト"},
                                    {4, "/A", "00000001"},
                                    {3, kCaption, ""},
                                    {3, kCaption, ""}}));
}

TEST(FlashPix, ALongListKeepsTheFirst101Names) {
  std::vector<Entry> entries;
  for (int i = 0; i < 120; ++i) entries.push_back({static_cast<uint32_t>(i), "/" + std::to_string(i)});
  const auto rows = FlashPixRows({ContentsList(entries), Stream(100), Stream(101)});
  ASSERT_EQ(rows.size(), 1u + 120u + 2u);
  EXPECT_EQ(rows[120], (Row{4, "/119", "00000077"}));
  EXPECT_EQ(rows[121], (Row{3, kCaption, "/100"}));
  EXPECT_EQ(rows[122], (Row{3, kCaption, ""}));
}

TEST(FlashPix, AContentsListStopsAtItsSegmentEnd) {
  // The count claims 50 entries; the segment holds two, and the next
  // segment's bytes are not read as entries.
  const auto rows = FlashPixRows({ContentsList({{1, "/A"}, {2, "/B"}}, 50), Stream(1)});
  EXPECT_EQ(rows, (std::vector<Row>{{3, kCaption, "コンテンツリスト"},
                                    {4, "/A", "00000001"},
                                    {4, "/B", "00000002"},
                                    {3, kCaption, "/B"}}));
  // A name cut by the segment's end keeps what lies inside.
  std::string cut = ContentsList({{1, "/Long name"}});
  cut.resize(cut.size() - 8);  // "ame" and the NUL
  const auto cut_rows = FlashPixRows({cut});
  ASSERT_EQ(cut_rows.size(), 2u);
  EXPECT_EQ(std::get<1>(cut_rows[1]), "/Long n");
}

TEST(FlashPix, OtherTypesAddNothing) {
  std::string other = Stream(0);
  other[6] = 3;
  EXPECT_TRUE(FlashPixRows({other}).empty());
}

TEST(FlashPix, CorpusFile) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  InfoTree tree;
  PageFields page;
  Load((corpus / "Kodak.jpg").string(), LoadSwitches{}, tree, page);
  std::vector<std::string> values;
  for (const auto& r : tree.Rows())
    if (r.name == kCaption) values.push_back(r.value);
  EXPECT_EQ(values, (std::vector<std::string>{"コンテンツリスト", "/Extension List", kAudio,
                                              "/Audio_bd0100609719a180/Audio Info",
                                              "/Screen Nail_bd0100609719a180"}));
}

}  // namespace
}  // namespace kelvane
