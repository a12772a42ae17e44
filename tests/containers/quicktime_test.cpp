#include "engine/containers/quicktime.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/result_rows.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using fixtures::BE32;
using fixtures::Bytes;
using fixtures::LE16;
using fixtures::LE32;

using testing::Rows;
using testing::RowsOf;

TMakerResult Movie(const std::string& bytes) {
  MemoryReader f(bytes);
  TMakerResult r;
  ReadMovie(f, 0, r);
  return r;
}

std::string MovieHeader(uint32_t created, uint32_t modified, uint32_t scale, uint32_t duration) {
  return Atom("mvhd", std::string(4, '\0') + BE32(created) + BE32(modified) + BE32(scale) +
                          BE32(duration) + std::string(80, '\0'));
}

std::string UserText(std::string_view type, std::string_view text) {
  return Atom(type, std::string(4, '\0') + std::string(text));
}

std::string Tags(std::string_view maker, std::string_view model, uint16_t word,
                 std::vector<int32_t> pairs = {}) {
  std::string payload = std::string(maker) + std::string(24 - maker.size(), '\0') +
                        std::string(model) + std::string(8 - model.size(), '\0') + LE16(word);
  for (int32_t v : pairs) payload += LE32(static_cast<uint32_t>(v));
  return Atom("TAGS", payload);
}

TEST(MovieLength, ShowsTheRealHundredths) {
  struct Case {
    uint64_t duration;
    uint32_t scale;
    const char* want;
  } cases[] = {
      {57000, 600, "01:35.00(秒)"},
      {57162, 600, "01:35.27(秒)"},
      {300, 600, "00:00.50(秒)"},
      {123, 100, "00:01.23(秒)"},
      {2980, 600, "00:04.97(秒)"},
      {1, 200, "00:00.00(秒)"},  // half a hundredth goes to the even neighbour
      {3, 200, "00:00.02(秒)"},  // 1.5 hundredths too
      {59999, 1000, "01:00.00(秒)"},  // 59.999 s rounds up into the next minute
      {3600, 1, "60:00.00(秒)"},
      {0, 600, "00:00.00(秒)"},
      {100, 0, "--"},
      {0xFFFFFFFF, 1, "71582788:15.00(秒)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MovieLengthText(c.duration, c.scale), c.want) << c.duration << "/" << c.scale;
}

TEST(MovieLength, SplitsMilliseconds) {
  DurationParts p = SplitDuration(95500);
  EXPECT_EQ(p.minutes, 1u);
  EXPECT_EQ(p.seconds, 35u);
  EXPECT_EQ(p.milliseconds, 500u);
}

TEST(ReadMovie, MovieHeaderGivesDatesAndLength) {
  // 0xBF210B4A seconds after 1904 is 2005-08-11 14:03:54.
  TMakerResult r = Movie(Atom("moov", MovieHeader(0, 0xBF210B4A, 600, 57000)) + Atom("mdat", ""));
  EXPECT_EQ(RowsOf(r), (Rows{{"撮影日時", "1904/01/01 00:00:00"},
                             {"更新日時", "2005/08/11 14:03:54"},
                             {"長さ", "01:35.00(秒)"}}));
}

TEST(ReadMovie, VersionOneHeaderHoldsWideFields) {
  std::string mvhd = Atom("mvhd", Bytes({1, 0, 0, 0}) + BE32(0) + BE32(0xBF210B4A) + BE32(0) +
                                      BE32(0xBF210B4A) + BE32(1000) + BE32(0) + BE32(61000));
  EXPECT_EQ(RowsOf(Movie(Atom("moov", mvhd))),
            (Rows{{"撮影日時", "2005/08/11 14:03:54"},
                  {"更新日時", "2005/08/11 14:03:54"},
                  {"長さ", "01:01.00(秒)"}}));
}

TEST(ReadMovie, UserDataTextsTagsAndOtherAtoms) {
  std::string udta = Atom("udta", UserText("\xA9" "fmt", "Digital Camera") +
                                      UserText("\xA9" "inf", std::string("PENTAX\0\0", 8)) +
                                      Tags("PENTAX", "K10", 1, {1, 60, 28, 10, -2, 3}) +
                                      Atom("XMP_", "abc"));
  std::string moov = Atom("moov", Atom("trak", Atom("mdia", "")) + udta);
  // Offset rows count from the file's start: the headers of moov (8) and
  // udta (8), trak (16), ©fmt (26), ©inf (20) and TAGS (66) come first.
  EXPECT_EQ(RowsOf(Movie(moov)), (Rows{{"動画形式", "Digital Camera"},
                                       {"コメント", "PENTAX"},
                                       {"メーカー名", "PENTAX"},
                                       {"機種名", "K10"},
                                       {"シャッタースピード", "1/60秒"},
                                       {"レンズF値", "F2.8"},
                                       {"EV補正値", "-0.666666666666667"},
                                       {"XMP_", "Offset:144  11bytes"}}));
}

TEST(ReadMovie, TagsPairs) {
  struct Case {
    std::vector<int32_t> pairs;
    const char* shutter;
    const char* aperture;
    const char* bias;
  } cases[] = {
      {{1, 60, 28, 10, 0, 3}, "1/60秒", "F2.8", "±0"},
      {{10, 384, 40, 10, 1, 2}, "1/38秒", "F4.0", "0.5"},
      {{2, 5, 5, 1, 3, 1}, "1/2秒", "F5.0", "3"},  // 2.5 goes to the even neighbour
      {{0, 60, 28, 0, 0, 0}, "--", "--", "±0"},   // zero divisors
      {{1, 0, 0, 10, 1, 0}, "1/0秒", "F0.0", "--"},
  };
  for (const auto& c : cases) {
    TMakerResult r = Movie(Atom("moov", Atom("udta", Tags("M", "X", 1, c.pairs))));
    ASSERT_EQ(r.Count, 5);
    EXPECT_EQ(r.Items[2].Value, c.shutter);
    EXPECT_EQ(r.Items[3].Value, c.aperture);
    EXPECT_EQ(r.Items[4].Value, c.bias);
  }
}

TEST(ReadMovie, TagsWithoutExposureWordGiveMakerAndModelOnly) {
  TMakerResult r = Movie(Atom("moov", Atom("udta", Tags("PENTAX", "", 0, {1, 60, 28, 10, 0, 3}))));
  EXPECT_EQ(RowsOf(r), (Rows{{"メーカー名", "PENTAX"}, {"機種名", ""}}));
}

TEST(ReadMovie, UserDataWalkGoesOnPastItsParent) {
  // Atoms after the user data inside the movie, and after the movie itself,
  // are listed by the user-data walk.
  std::string moov = Atom("moov", Atom("udta", "") + Atom("free", "xy"));
  TMakerResult r = Movie(moov + Atom("mdat", "1234"));
  EXPECT_EQ(RowsOf(r), (Rows{{"free", "Offset:16  10bytes"}, {"mdat", "Offset:26  12bytes"}}));
}

TEST(ReadMovie, PictPreviewPosition) {
  auto pict = [](std::string_view tag, std::string_view tail) {
    return Atom("PICT", std::string(140, '\0') + std::string(tag) + std::string(tail));
  };
  const std::string jpeg = Bytes({0xFF, 0xD8, 0xFF, 0xD9});
  struct Case {
    std::string file;
    uint32_t offset;
    uint32_t length;
  } cases[] = {
      {pict("jpeg", Bytes({0, 0x18, 0xFF, 0xFF}) + jpeg), 156, 4},
      {pict("jpeg", Bytes({0xFF, 0xFF}) + jpeg) + Atom("free", ""), 154, 4},
      {pict("pntg", Bytes({0xFF, 0xFF}) + jpeg), 0, 0},
      // A single 0xFF right after the tag is not a pair.
      {pict("jpeg", Bytes({0xFF, 0x00}) + jpeg.substr(2)), 0, 0},
      // The pair must lie inside the atom.
      {pict("jpeg", Bytes({1, 2, 0xFF})) + Bytes({0xFF, 0, 0, 0, 0}), 0, 0},
  };
  for (const auto& c : cases) {
    TMakerResult r = Movie(c.file);
    EXPECT_EQ(r.ThumbOffset, c.offset);
    EXPECT_EQ(r.ThumbLength, c.length);
    EXPECT_EQ(r.Count, 0);
  }
}

TEST(ReadMovie, TruncatedMovieKeepsRowsReadBeforeTheCut) {
  std::string file = Atom("moov", MovieHeader(0, 0, 600, 600));
  file.resize(8 + 8 + 4 + 8 + 2);  // cut inside the time scale
  EXPECT_EQ(RowsOf(Movie(file)), (Rows{{"撮影日時", "1904/01/01 00:00:00"},
                                       {"更新日時", "1904/01/01 00:00:00"}}));
}

TEST(ReadMovie, RevisitingUserDataStaysWithinTheRowCapacity) {
  // Empty user-data atoms: each starts a walk over all that follow.
  std::string children;
  for (int i = 0; i < 99; ++i) children += Atom("udta", "");
  children += UserText("\xA9" "inf", std::string(100000, 'x'));
  TMakerResult r = Movie(Atom("moov", children));
  EXPECT_EQ(r.Count, kRowCapacity);
  EXPECT_EQ(r.Items[0].Name, "udta");
  EXPECT_EQ(r.Items[98].Name, "コメント");
  EXPECT_EQ(r.Items[98].Value.size(), 64u * 1024);  // long texts are cut
}

TEST(ListBoxes, ListsTypeAndSize) {
  std::string file = Atom("jP  ", Bytes({0x0D, 0x0A, 0x87, 0x0A})) + Atom("ftyp", "jp2 ") +
                     Atom("jp2h", Atom("ihdr", std::string(14, '\0'))) +
                     Atom(std::string("xml\0", 4), "<x/>");
  MemoryReader f(file);
  TMakerResult r;
  r.ThumbOffset = 7;  // not the lister's
  ListBoxes(f, false, 0, r);
  EXPECT_EQ(RowsOf(r), (Rows{{"jP  ", "12"}, {"ftyp", "12"}, {"jp2h", "30"}, {"xml", "12"}}));
  EXPECT_EQ(r.ThumbOffset, 7u);
}

TEST(ListBoxes, WalkLimits) {
  // A box of size 1 carries its real size in 64 bits after the type.
  std::string extended = BE32(1) + "jp2c" + BE32(0) + BE32(20) + "data";
  struct Case {
    std::string file;
    Rows want;
  } cases[] = {
      {extended + Atom("free", ""), {{"jp2c", "20"}, {"free", "8"}}},
      {Atom("ftyp", "") + BE32(0) + "jp2c" + Atom("free", ""), {{"ftyp", "8"}, {"jp2c", "0"}}},
      // A box reaching past the end is listed and ends the walk.
      {BE32(1000) + "jp2c", {{"jp2c", "1000"}}},
      // A cut header ends the walk quietly.
      {Atom("ftyp", "") + "\0\0", {{"ftyp", "8"}}},
  };
  for (const auto& c : cases) {
    MemoryReader f(c.file);
    TMakerResult r;
    ListBoxes(f, false, 0, r);
    EXPECT_EQ(RowsOf(r), c.want);
  }
  std::string many;
  for (int i = 0; i < 150; ++i) many += Atom("free", "");
  MemoryReader f(many);
  TMakerResult r;
  ListBoxes(f, false, 0, r);
  EXPECT_EQ(r.Count, 100);
}

TEST(MovieLoader, RowsAndPreview) {
  const std::string jpeg = Bytes({0xFF, 0xD8, 0xFF, 0xD9});
  std::string pict = Atom("PICT", std::string(140, '\0') + "jpeg" + Bytes({0xFF, 0xFF}) + jpeg);
  std::string file = pict + Atom("moov", MovieHeader(0, 0, 600, 600));
  MemoryReader f(file);
  InfoTree tree;
  PageFields page;
  LoadFrom(f, "clip.MOV", LoadSwitches{}, tree, page);
  ASSERT_EQ(tree.size(), 4u);
  EXPECT_EQ(tree[0].name, "QuickTime Movie");
  EXPECT_EQ(tree[0].style, kStyleCaption);
  EXPECT_EQ(tree[3].name, "長さ");
  EXPECT_EQ(tree[3].value, "00:01.00(秒)");
  EXPECT_EQ(tree[3].style, kStyleKey);
  EXPECT_EQ(page.ThumbPos, 154u);
  EXPECT_EQ(page.ThumbLen, 4u);
  EXPECT_EQ(file.substr(page.ThumbPos, page.ThumbLen), jpeg);
}

TEST(BoxLoader, Jpeg2000Boxes) {
  MemoryReader f(Atom("jP  ", "abcd") + Atom("ftyp", "jp2 "));
  InfoTree tree;
  PageFields page;
  LoadFrom(f, "pic.jp2", LoadSwitches{}, tree, page);
  ASSERT_EQ(tree.size(), 3u);
  EXPECT_EQ(tree[0].name, "JPEG2000");
  EXPECT_EQ(tree[2].name, "ftyp");
  EXPECT_EQ(tree[2].value, "12");
  EXPECT_EQ(tree[2].style, kStyleKey);
}

TEST(ReadMovie, CorpusMovie) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  auto f = FileReader::Open((corpus / "QuickTime.mov").string());
  ASSERT_NE(f, nullptr);
  TMakerResult r;
  ReadMovie(*f, 0, r);
  Rows rows = RowsOf(r);
  ASSERT_GE(rows.size(), 11u);
  EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"撮影日時", "2005/08/11 14:03:54"}));
  EXPECT_EQ(rows[2], (std::pair<std::string, std::string>{"長さ", "00:04.97(秒)"}));
  EXPECT_EQ(rows[5], (std::pair<std::string, std::string>{"メーカー名", "PENTAX DIGITAL CAMERA"}));
}

}  // namespace
}  // namespace kelvane
