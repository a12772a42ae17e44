#include "engine/makernote/canon_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/corpus_peek.h"
#include "tests/makernote/maker_rows.h"

namespace kelvane {
namespace {

using fixtures::U16s;
using testing_rows::RowValue;

constexpr int32_t kCamera = 0x80001;
constexpr int32_t kShot = 0x80004;
constexpr int32_t kProcessing = 0x800A0;

// Decodes `words` (written in the given order) as the array `kind`.
TMakerResult Decode(int32_t kind, const std::vector<uint16_t>& words, bool intel = false) {
  MemoryReader f("pad" + U16s(words, intel));
  TMakerResult r;
  ReadCanonSettings(f, intel, 3, kind, static_cast<uint32_t>(words.size()), r);
  return r;
}

// An array of zero words up to `index`, whose word `index` is `v`.
std::vector<uint16_t> WithWord(size_t index, uint16_t v) {
  std::vector<uint16_t> words(index + 1, 0);
  words[index] = v;
  return words;
}

struct ElementCase {
  int32_t kind;
  size_t index;
  uint16_t word;
  int32_t key;
  const char* caption;
  std::optional<std::string> value;  // nullopt: no row
};

void CheckElements(const std::vector<ElementCase>& cases) {
  for (const auto& c : cases) {
    TMakerResult r = Decode(c.kind, WithWord(c.index, c.word));
    SCOPED_TRACE(::testing::Message() << std::hex << "kind " << c.kind << " index " << std::dec
                                    << c.index << " word " << c.word);
    const TIFDItem* row = testing_rows::FindRow(r, c.key);
    if (!c.value) {
      EXPECT_EQ(row, nullptr) << (row ? row->Value : "");
      continue;
    }
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Name, c.caption);
    EXPECT_EQ(row->Value, *c.value);
  }
}

TEST(CanonSettings, CameraSettingsElements) {
  CheckElements({
      {kCamera, 1, 0, 0x910001, "マクロモード", std::nullopt},
      {kCamera, 1, 1, 0x910001, "マクロモード", "オン"},
      {kCamera, 1, 2, 0x910001, "マクロモード", "オフ"},
      {kCamera, 1, 3, 0x910001, "マクロモード", "Unknown (3)"},
      {kCamera, 2, 100, 0x910002, "セルフタイマ", "10秒"},
      {kCamera, 3, 5, 0x910003, "圧縮率", "スーパーファイン"},
      {kCamera, 4, 16, 0x910004, "フラッシュモード", "外部フラッシュ使用"},
      {kCamera, 4, 7, 0x910004, "フラッシュモード", "Unknown (7)"},
      {kCamera, 5, 4, 0x910005, "ドライブモード", "低速連続撮影"},
      {kCamera, 7, 6, 0x910007, "フォーカスモード", "マニュアルフォーカス"},
      {kCamera, 10, 0xFFFF, 0x91000A, "画像サイズ", std::nullopt},
      {kCamera, 10, 6, 0x91000A, "画像サイズ", "MEDIUM2"},
      {kCamera, 11, 10, 0x91000B, "イメージセレクトモード ", "マクロ/クローズアップ"},
      {kCamera, 12, 0xFFFF, 0x91000C, "デジタルズーム", std::nullopt},
      {kCamera, 12, 1, 0x91000C, "デジタルズーム", "2倍"},
      {kCamera, 16, 0, 0x910010, "CCD感度", std::nullopt},
      {kCamera, 16, 0x7FFF, 0x910010, "CCD感度", std::nullopt},
      {kCamera, 16, 15, 0x910010, "CCD感度", "AUTO"},
      {kCamera, 16, 0xFFFF, 0x910010, "CCD感度", "Unknown (65535)"},
      {kCamera, 17, 5, 0x910011, "測光方式", "中央部重点平均測光 "},
      {kCamera, 18, 2, 0x910012, "フォーカスタイプ", std::nullopt},
      {kCamera, 18, 8, 0x910012, "フォーカスタイプ", "固定"},
      {kCamera, 19, 0, 0x910013, "AFポイント選択", std::nullopt},
      {kCamera, 19, 0x3001, 0x910013, "AFポイント選択", "自動選択"},
      {kCamera, 20, 5, 0x910014, "露出制御モード", "自動深度優先(A-DEP)"},
      {kCamera, 20, 9, 0x910014, "露出制御モード", "バルブ撮影"},
      {kCamera, 28, 255, 0x91001C, "フラッシュ状態", "オフ"},
      {kCamera, 28, 0xFFFF, 0x91001C, "フラッシュ状態", std::nullopt},
      {kCamera, 33, 1, 0x910021, "長秒時設定", std::nullopt},
      {kCamera, 33, 4, 0x910021, "長秒時設定", "オン"},
      {kCamera, 40, 2, 0x910028, "色効果", "すっきりカラー"},
      {kCamera, 40, 0xFFFF, 0x910028, "色効果", std::nullopt},
      // Elements without a caption never add a row, whatever their word.
      {kCamera, 0, 1, 0x910000, "", std::nullopt},
      {kCamera, 6, 1, 0x910006, "", std::nullopt},
      {kCamera, 41, 1, 0x910029, "", std::nullopt},
      {kCamera, 43, 1, 0x91002B, "", std::nullopt},
  });
}

TEST(CanonSettings, LevelRule) {
  for (size_t index : {13u, 14u, 15u, 42u}) {
    const int32_t key = 0x910000 + static_cast<int32_t>(index);
    const char* caption = index == 13   ? "コントラスト"
                          : index == 14 ? "彩度"
                          : index == 15 ? "シャープネス"
                                        : "カラートーン";
    CheckElements({
        {kCamera, index, 0, key, caption, "標準"},
        {kCamera, index, 1, key, caption, "+1"},
        {kCamera, index, 0xFFFF, key, caption, "-1"},
        {kCamera, index, 0x8000, key, caption, "-32768"},
        {kCamera, index, 0x7FFF, key, caption, std::nullopt},
    });
  }
}

TEST(CanonSettings, LensRangeFromFocalLengthsAndUnit) {
  struct Case {
    uint16_t long_focal, short_focal, unit;
    const char* want;
  } cases[] = {
      {5800, 1750, 100, "17.5-58(mm)"},
      {5800, 1750, 0, "1750-5800 Unit:0(mm)"},
      {50, 50, 1, "50(mm)"},
      {1000, 1000, 3, "333.333333333333(mm)"},
      {0, 0, 0, "0-0 Unit:0(mm)"},
  };
  for (const auto& c : cases) {
    std::vector<uint16_t> words(26, 0);
    words[23] = c.long_focal;
    words[24] = c.short_focal;
    words[25] = c.unit;
    TMakerResult r = Decode(kCamera, words);
    EXPECT_EQ(RowValue(r, 0x910019), c.want) << c.long_focal << "/" << c.short_focal << "/"
                                             << c.unit;
    EXPECT_EQ(testing_rows::FindRow(r, 0x910017), nullptr);
    EXPECT_EQ(testing_rows::FindRow(r, 0x910018), nullptr);
  }
}

TEST(CanonSettings, ShotInformationElements) {
  CheckElements({
      {kShot, 7, 9, 0x900007, "ホワイトバランス設定", "色温度直接設定"},
      {kShot, 7, 14, 0x900007, "ホワイトバランス設定", "蛍光灯 H"},
      {kShot, 7, 13, 0x900007, "ホワイトバランス設定", "Unknown (13)"},
      {kShot, 7, 0xFFFF, 0x900007, "ホワイトバランス設定", std::nullopt},
      {kShot, 9, 65535, 0x900009, "連続撮影時の連番", "65535"},
      {kShot, 14, 0, 0x90000E, "合焦AFフレーム(AiAF)", std::nullopt},
      {kShot, 14, 0x3007, 0x90000E, "合焦AFフレーム(AiAF)", "左 中央 右"},
      {kShot, 15, 0xFFF4, 0x90000F, "フラッシュ発光強度補正", "-0.33 EV"},
      {kShot, 15, 0xFFC0, 0x90000F, "フラッシュ発光強度補正", "-2 EV"},
      {kShot, 15, 0, 0x90000F, "フラッシュ発光強度補正", "0 EV "},
      {kShot, 15, 52, 0x90000F, "フラッシュ発光強度補正", "1.67 EV"},
      {kShot, 15, 0xFFFF, 0x90000F, "フラッシュ発光強度補正", "Unknown (65535)"},
      // Indices of the camera-settings array mean nothing here.
      {kShot, 1, 1, 0x900001, "", std::nullopt},
  });
}

TEST(CanonSettings, ProcessingElements) {
  CheckElements({
      {kProcessing, 2, 5, 0x920002, "シャープネスの強さ", "5"},
      {kProcessing, 2, 6, 0x920002, "シャープネスの強さ", "Unknown (6)"},
      {kProcessing, 3, 4, 0x920003, "シャープネスの対象", "やや細かい"},
      {kProcessing, 10, 4, 0x92000A, "カラーマトリックス", "マトリックス4(AdobeRGB)"},
      {kProcessing, 10, 0, 0x92000A, "カラーマトリックス", "Unknown (0)"},
      {kProcessing, 8, 9, 0x920008, "", std::nullopt},
  });
}

TEST(CanonSettings, ColourTemperatureOnlyWithItsWhiteBalance) {
  struct Case {
    uint16_t white_balance;
    std::optional<std::string> want;
  } cases[] = {{9, "5200K"}, {1, std::nullopt}, {0, std::nullopt}};
  for (const auto& c : cases) {
    std::vector<uint16_t> words(11, 0);
    words[8] = c.white_balance;
    words[9] = 5200;
    TMakerResult r = Decode(kProcessing, words);
    const TIFDItem* row = testing_rows::FindRow(r, 0x920009);
    if (!c.want) {
      EXPECT_EQ(row, nullptr) << c.white_balance;
    } else {
      ASSERT_NE(row, nullptr) << c.white_balance;
      EXPECT_EQ(row->Name, "指定色温度");
      EXPECT_EQ(row->Value, *c.want);
    }
  }
}

TEST(CanonSettings, DumpRowComesFirstInEitherByteOrder) {
  struct Case {
    int32_t kind;
    bool intel;
    const char* name;
  } cases[] = {
      {kCamera, false, "Unknown (0001)"},
      {kShot, true, "Unknown (0004)"},
      {kProcessing, false, "Unknown (00A0)"},
      {0x80002, true, "Unknown (0002)"},
  };
  for (const auto& c : cases) {
    TMakerResult r = Decode(c.kind, {0x0002, 0xABCD, 0x0000}, c.intel);
    ASSERT_GE(r.Count, 1);
    EXPECT_EQ(r.Items[0].Tag, c.kind);
    EXPECT_EQ(r.Items[0].Name, c.name);
    EXPECT_EQ(r.Items[0].Value, "0002 abcd 0000 ");
  }
}

TEST(CanonSettings, WordsFollowTheByteOrder) {
  for (bool intel : {false, true}) {
    TMakerResult r = Decode(kCamera, WithWord(3, 3), intel);
    EXPECT_EQ(RowValue(r, 0x910003), "ファイン") << intel;
  }
}

TEST(CanonSettings, ShortArraysAddOnlyWhatTheyHold) {
  TMakerResult one = Decode(kCamera, {1});
  EXPECT_EQ(one.Count, 1);
  TMakerResult none = Decode(kCamera, {});
  ASSERT_EQ(none.Count, 1);
  EXPECT_EQ(none.Items[0].Value, "");
}

TEST(CanonSettings, RowsGoAfterThoseAlreadyThere) {
  TMakerResult r;
  r.Add(0x80006, "before", "x");
  MemoryReader f(U16s(WithWord(1, 1), false));
  ReadCanonSettings(f, false, 0, kCamera, 2, r);
  ASSERT_EQ(r.Count, 3);
  EXPECT_EQ(r.Items[0].Name, "before");
  EXPECT_EQ(r.Items[1].Tag, kCamera);
  EXPECT_EQ(r.Items[2].Name, "マクロモード");
}

TEST(CanonSettings, FullResultDropsFurtherRows) {
  TMakerResult r;
  for (int i = 0; i < kRowCapacity - 1; ++i) r.Add(i, "row", "");
  MemoryReader f(U16s(std::vector<uint16_t>(43, 1), false));
  ReadCanonSettings(f, false, 0, kCamera, 43, r);
  EXPECT_EQ(r.Count, kRowCapacity);
  EXPECT_EQ(r.Items[kRowCapacity - 1].Tag, kCamera);
}

TEST(CanonSettings, ArrayPastTheEndOfTheFileFails) {
  for (uint32_t count : {4u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    MemoryReader f(U16s({1, 2, 3}, false));
    TMakerResult r;
    EXPECT_THROW(ReadCanonSettings(f, false, 0, kCamera, count, r), ReadError) << count;
  }
}

// The camera settings (tag 0x0001) and shot information (tag 0x0004) of
// the Canon maker note in real files.
TEST(CanonSettings, CorpusArrays) {
  if (corpus_peek::Folder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  for (const char* name : {"Canon.jpg", "CanonRaw.cr2"}) {
    SCOPED_TRACE(name);
    const std::string bytes = corpus_peek::Contents(name);
    const auto tiff = corpus_peek::FindTiff(bytes);
    ASSERT_TRUE(tiff);
    const auto note = corpus_peek::FindMakerNote(bytes, *tiff);
    ASSERT_TRUE(note);
    const uint64_t note_ifd = tiff->base + note->value;
    auto reader = FileReader::Open(corpus_peek::Path(name));
    ASSERT_TRUE(reader);
    TMakerResult r;
    for (const uint16_t tag : {uint16_t{0x0001}, uint16_t{0x0004}}) {
      const auto array = corpus_peek::FindEntry(bytes, tiff->intel, note_ifd, tag);
      ASSERT_TRUE(array) << tag;
      ASSERT_EQ(array->type, 3);
      ReadCanonSettings(*reader, tiff->intel, array->ValueAt(tiff->base), 0x80000 + tag,
                        array->count, r);
    }
    const std::string rows = testing_rows::RowsText(r);
    EXPECT_EQ(r.Items[0].Name, "Unknown (0001)") << rows;
    for (const char* caption : {"圧縮率", "フラッシュモード", "ドライブモード", "フォーカスモード",
                                "測光方式", "露出制御モード", "レンズ焦点距離",
                                "ホワイトバランス設定"}) {
      const TIFDItem* row = testing_rows::FindRowNamed(r, caption);
      ASSERT_NE(row, nullptr) << caption << "\n" << rows;
      EXPECT_EQ(row->Value.find("Unknown"), std::string::npos) << caption << "\n" << rows;
    }
    const std::string lens = testing_rows::FindRowNamed(r, "レンズ焦点距離")->Value;
    EXPECT_TRUE(lens.ends_with("(mm)") && lens.find("Unit") == std::string::npos) << lens;
  }
}

}  // namespace
}  // namespace kelvane
