#include "engine/makernote/minolta_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/corpus_peek.h"
#include "tests/makernote/maker_rows.h"

namespace kelvane {
namespace {

using fixtures::U32s;

constexpr int32_t kOldBlock = 0x120001;
constexpr int32_t kNewBlock = 0x120003;

// A block of `size` bytes (whole Motorola words, zero unless set) whose word
// `index` is `v`, decoded under `key`.
TMakerResult Decode(uint32_t size, size_t index, uint32_t v, int32_t key = kNewBlock,
                    bool intel = false) {
  std::vector<uint32_t> words(size / 4, 0);
  if (index < words.size()) words[index] = v;
  std::string block = U32s(words, false);
  block.resize(size, '\0');
  MemoryReader f("xx" + block);
  TMakerResult r;
  ReadMinoltaSettings(f, intel, 2, r, size, key);
  return r;
}

struct WordCase {
  uint32_t block_size;
  size_t index;
  uint32_t value;
  const char* caption;
  const char* want;
};

TEST(MinoltaSettings, WordValues) {
  const WordCase cases[] = {
      {228, 1, 2, "露出モード", "S (シャッター速度優先モード)"},
      {228, 1, 4, "露出モード", "Unknown (4)"},
      {228, 2, 8, "フラッシュモード", "赤目強制発光"},
      {228, 4, 4, "画像サイズ", "1024x768"},
      {228, 11, 1, "マクロモード", "オン"},
      {228, 12, 0, "デジタルズーム", "オフ"},
      {228, 13, 6, "露出補正(EV)", "±0"},
      {228, 13, 0, "露出補正(EV)", "-2"},
      {228, 13, 11, "露出補正(EV)", "+1 2/3"},
      {228, 13, 13, "露出補正(EV)", "Unknown (13)"},
      {228, 14, 2, "ブラケット段階", "タイプC (1.0EV)"},
      {228, 15, 1, "ブラケット枚数", "5"},
      {228, 34, 6, "シーンセレクタ", "風景"},
      {228, 35, 6, "フラッシュ調光補正", "±0"},
      {228, 35, 12, "フラッシュ調光補正", "+2.0"},
      {228, 48, 1, "フォーカスモード", "MF"},
      {228, 49, 1, "フォーカスエリア", "ローカル"},
      {228, 52, 1, "手ぶれ補正", "オン"},
      {228, 52, 0xFFFFFFFF, "手ぶれ補正", "Unknown (4294967295)"},
      // Saturation and contrast: a seven-step list in small blocks, an
      // offset of 5 in large ones.
      {228, 31, 0, "彩度補正", "-3"},
      {228, 31, 3, "彩度補正", "標準"},
      {228, 31, 8, "彩度補正", "Unknown (8)"},
      {228, 32, 6, "コントラスト補正", "+3"},
      {272, 31, 8, "彩度補正", "3"},
      {272, 32, 2, "コントラスト補正", "-3"},
      {229, 31, 5, "彩度補正", "0"},
      {228, 41, 5, "フィルター効果", "0"},
      {272, 41, 0, "フィルター効果", "-5"},
      {272, 41, 7, "フィルター効果", "2"},
      // Settings whose codes are only partly known: the known ones by name,
      // the others as the number the camera wrote.
      {228, 3, 0x00800000, "ホワイトバランス", "8388608"},
      {228, 5, 0, "画質モード", "CCDRAW"},
      {228, 5, 2, "画質モード", "2"},
      {228, 6, 3, "ドライブモード", "単写ブラケット"},
      {228, 6, 2, "ドライブモード", "2"},
      {228, 7, 4, "測光モード", "シャドー測光"},
      {228, 7, 1, "測光モード", "1"},
      {228, 33, 0, "シャープネス", "ハード"},
      {228, 33, 1, "シャープネス", "1"},
      {272, 40, 4, "カラーモード", "AdobeRGB"},
      {272, 40, 9, "カラーモード", "9"},
      {228, 40, 1, "カラーモード", "1"},
  };
  for (const auto& c : cases) {
    TMakerResult r = Decode(c.block_size, c.index, c.value);
    const int32_t key = 0x930000 + static_cast<int32_t>(c.index);
    const TIFDItem* row = testing_rows::FindRow(r, key);
    ASSERT_NE(row, nullptr) << "word " << c.index;
    EXPECT_EQ(row->Name, c.caption) << "word " << c.index;
    EXPECT_EQ(row->Value, c.want) << "word " << c.index << " = " << c.value << " in "
                                  << c.block_size << " bytes";
  }
}

TEST(MinoltaSettings, RowsInWordOrderOnlyForNamedWords) {
  TMakerResult r = Decode(272, 0, 0);
  std::vector<int32_t> words;
  for (int32_t i = 0; i < r.Count; ++i) words.push_back(r.Items[static_cast<size_t>(i)].Tag - 0x930000);
  EXPECT_EQ(words, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 31, 32, 33,
                                         34, 35, 40, 41, 48, 49, 52}));
}

TEST(MinoltaSettings, OnlyTheSettingsTagsOfMinolta) {
  for (int32_t key : {kOldBlock, kNewBlock}) EXPECT_EQ(Decode(228, 1, 0, key).Count, 22) << key;
  for (int32_t key : {0x120002, 0x120004, 0x10001, 0x80001, 0})
    EXPECT_EQ(Decode(228, 1, 0, key).Count, 0) << key;
}

TEST(MinoltaSettings, WordsAreMotorolaInAnyFile) {
  TMakerResult r = Decode(228, 1, 1, kNewBlock, /*intel=*/true);
  EXPECT_EQ(testing_rows::RowValue(r, 0x930001), "A (絞り優先モード)");
}

TEST(MinoltaSettings, ShortBlocksShowTheWordsTheyHold) {
  // 10 bytes: two whole words; the half word is not read.
  TMakerResult r = Decode(10, 1, 3);
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Value, "M (マニュアルモード)");
  EXPECT_EQ(Decode(3, 0, 0).Count, 0);
}

TEST(MinoltaSettings, ReadsNoFurtherThanTheLastNamedWord) {
  // The entry claims more bytes than the file holds after word 52.
  std::string block = U32s(std::vector<uint32_t>(53, 1), false);
  MemoryReader f(block);
  TMakerResult r;
  EXPECT_NO_THROW(ReadMinoltaSettings(f, false, 0, r, 100000, kNewBlock));
  EXPECT_EQ(testing_rows::RowValue(r, 0x930034), "オン");
}

TEST(MinoltaSettings, BlockPastTheEndOfTheFileFails) {
  MemoryReader f(U32s({0, 1, 2}, false));
  TMakerResult r;
  EXPECT_THROW(ReadMinoltaSettings(f, false, 0, r, 228, kNewBlock), ReadError);
  EXPECT_THROW(ReadMinoltaSettings(f, false, 0, r, 0xFFFFFFFF, kNewBlock), ReadError);
}

// The settings block (tag 0x0003, 284 bytes) of the DiMAGE maker note in
// the MRW file, whose TIFF header stands at 48.
TEST(MinoltaSettings, CorpusBlock) {
  if (corpus_peek::Folder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  const std::string bytes = corpus_peek::Contents("Minolta.mrw");
  const auto tiff = corpus_peek::FindTiff(bytes, 48);
  ASSERT_TRUE(tiff);
  ASSERT_EQ(tiff->base, 48u);
  const auto note = corpus_peek::FindMakerNote(bytes, *tiff);
  ASSERT_TRUE(note);
  const auto block = corpus_peek::FindEntry(bytes, tiff->intel, tiff->base + note->value, 0x0003);
  ASSERT_TRUE(block);
  auto reader = FileReader::Open(corpus_peek::Path("Minolta.mrw"));
  ASSERT_TRUE(reader);
  TMakerResult r;
  ReadMinoltaSettings(*reader, tiff->intel, block->ValueAt(tiff->base), r, block->count, kNewBlock);
  const std::string rows = testing_rows::RowsText(r);
  ASSERT_EQ(r.Count, 22) << rows;
  for (int32_t i = 0; i < r.Count; ++i)
    EXPECT_EQ(r.Items[static_cast<size_t>(i)].Value.find("Unknown"), std::string::npos) << rows;
  // Words the file holds: 13 = 6, 31 = 32 = 41 = 5 (neutral in a large block), 40 = 0.
  EXPECT_EQ(testing_rows::RowValue(r, 0x93000D), "±0") << rows;
  EXPECT_EQ(testing_rows::RowValue(r, 0x93001F), "0") << rows;
  EXPECT_EQ(testing_rows::RowValue(r, 0x930020), "0") << rows;
  EXPECT_EQ(testing_rows::RowValue(r, 0x930029), "0") << rows;
  EXPECT_EQ(testing_rows::RowValue(r, 0x930028), "Natural sRGB") << rows;
}

}  // namespace
}  // namespace kelvane
