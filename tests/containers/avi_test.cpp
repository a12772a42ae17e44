#include "engine/containers/avi.h"

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

using fixtures::LE32;
using fixtures::RiffChunk;
using fixtures::RiffList;

using testing::Rows;
using testing::RowsOf;

std::string Riff(const std::string& chunks) {
  return "RIFF" + LE32(static_cast<uint32_t>(4 + chunks.size())) + "AVI " + chunks;
}

std::string MainHeader() {
  std::string data;
  const uint32_t values[13] = {66666, 206024, 0, 0x10010, 233, 0, 2, 13000, 320, 240, 0, 0,
                               0xFFFFFFFF};
  for (uint32_t v : values) data += LE32(v);
  return RiffChunk("avih", data);
}

std::string StreamHeader(std::string_view type, std::string_view handler) {
  return RiffChunk("strh", std::string(type) + std::string(handler) + std::string(48, '\0'));
}

TMakerResult Avi(const std::string& bytes) {
  MemoryReader f(bytes);
  TMakerResult r;
  ReadAVI(f, r);
  return r;
}

TEST(ReadAVI, CameraClip) {
  std::string hdrl = RiffList("hdrl", MainHeader() +
                                          RiffList("strl", StreamHeader("vids", "mjpg") +
                                                               RiffChunk("strf", "xx")) +
                                          RiffList("strl", StreamHeader("auds", std::string(4, '\0'))));
  std::string info = RiffList("INFO", RiffChunk("ISFT", std::string("CanonMVI\0\0", 10)) +
                                          RiffChunk("IDIT", "Mon Mar 10 15:04:43 2003"));
  TMakerResult r = Avi(Riff(hdrl + info + RiffList("movi", RiffChunk("ISFT", "not read"))));
  EXPECT_EQ(RowsOf(r), (Rows{{"dwMicroSecPerFrame", "66666"},
                             {"dwMaxBytesPerSec", "206024"},
                             {"dwReserved1", "0"},
                             {"dwFlags", "65552"},
                             {"dwTotalFrames", "233"},
                             {"dwInitialFrames", "0"},
                             {"dwStreams", "2"},
                             {"dwSuggestedBufferSize", "13000"},
                             {"dwWidth", "320"},
                             {"dwHeight", "240"},
                             {"dwScale", "0"},
                             {"dwRate", "0"},
                             {"dwStart", "-1"},
                             {"ビデオ形式", "Motion-JPEG"},
                             {"オーディオ形式", "PCM"},
                             {"作成ソフトウェア", "CanonMVI  "},
                             {"撮影日時", "Mon Mar 10 15:04:43 2003"}}));
  EXPECT_EQ(r.ExifBase, 0u);
}

TEST(ReadAVI, StreamFormats) {
  struct Case {
    std::string chunk;
    Rows want;
  } cases[] = {
      {StreamHeader("vids", "cvid"), {{"ビデオ形式", "cvid"}}},
      {StreamHeader("auds", std::string("ms\0\0", 4)), {{"オーディオ形式", "ms"}}},
      {StreamHeader("txts", "abcd"), {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RowsOf(Avi(Riff(RiffList("hdrl", RiffList("strl", c.chunk))))), c.want);
}

TEST(ReadAVI, ExifBlockInStreamData) {
  std::string strd = RiffChunk("strd", "AVIF" + std::string(4, '\0') + "II*" + std::string(1, '\0'));
  std::string file = Riff(RiffList("hdrl", RiffList("strl", StreamHeader("vids", "mjpg") + strd)));
  TMakerResult r = Avi(file);
  // The TIFF header lies 8 bytes after the tag's start.
  const size_t tag = file.find("AVIF");
  EXPECT_EQ(r.ExifBase, tag + 8);
  EXPECT_EQ(file.substr(r.ExifBase, 3), "II*");
}

TEST(ReadAVI, FilesAndChunksThatEndTheWalk) {
  std::string info = RiffList("INFO", RiffChunk("ISFT", "Soft"));
  struct Case {
    std::string file;
    Rows want;
  } cases[] = {
      {"RIFX" + LE32(16) + "AVI " + info, {}},
      {"RIFF" + LE32(16) + "WAVE" + info, {}},
      // A top-level chunk past the RIFF size ends the walk.
      {"RIFF" + LE32(4) + "AVI " + info, {}},
      // A list chunk of size 0 ends the list.
      {Riff(RiffList("INFO", RiffChunk("ISFT", "") + RiffChunk("IDIT", "x"))), {}},
      // A chunk that runs past its list ends the list.
      {Riff(RiffList("INFO", "ISFT" + LE32(100) + "Soft")), {}},
      // A file cut inside the INFO list keeps the rows before the cut.
      {Riff(RiffList("INFO", RiffChunk("ISFT", "Soft") + RiffChunk("IDIT", "2003"))).substr(0, 44),
       {{"作成ソフトウェア", "Soft"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(RowsOf(Avi(c.file)), c.want);
}

TEST(ReadAVI, NestedListsAreEnteredToDepthEight) {
  // The header list itself is the first level.
  for (int depth : {2, 8, 9}) {
    std::string list = RiffList("strl", StreamHeader("vids", "mjpg"));
    for (int d = 2; d < depth; ++d) list = RiffList("strl", list);
    TMakerResult r = Avi(Riff(RiffList("hdrl", list)));
    EXPECT_EQ(r.Count, depth <= 8 ? 1 : 0) << depth;
  }
}

TEST(ReadAVI, RowsPastCapacityAreDropped) {
  std::string chunks;
  for (int i = 0; i < 90; ++i) chunks += RiffChunk("ISFT", "s");
  TMakerResult r = Avi(Riff(RiffList("INFO", chunks) + RiffList("hdrl", MainHeader())));
  EXPECT_EQ(r.Count, kRowCapacity);
  EXPECT_EQ(r.Items[100].Name, "dwScale");
}

TEST(AviLoader, ExifLinkLeadsToTheTiffPath) {
  std::string strd = RiffChunk("strd", "AVIF" + std::string(4, '\0') + "II*" + std::string(1, '\0') +
                                           LE32(8) + std::string(6, '\0'));
  for (bool with_exif : {false, true}) {
    std::string strl = StreamHeader("vids", "mjpg") + (with_exif ? strd : "");
    MemoryReader f(Riff(RiffList("hdrl", RiffList("strl", strl))));
    InfoTree tree;
    PageFields page;
    LoadFrom(f, "clip.AVI", LoadSwitches{}, tree, page);
    ASSERT_GE(tree.size(), 2u);
    EXPECT_EQ(tree[0].name, "AVI");
    EXPECT_EQ(tree[0].style, kStyleCaption);
    EXPECT_EQ(tree[1].name, "ビデオ形式");
    EXPECT_EQ(tree[1].style, kStyleKey);
    const bool main_group = tree.size() > 2 && tree[2].name == "メイン情報";
    EXPECT_EQ(main_group, with_exif);
  }
}

TEST(ReadAVI, CorpusClip) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  auto f = FileReader::Open((corpus / "RIFF.avi").string());
  ASSERT_NE(f, nullptr);
  TMakerResult r;
  ReadAVI(*f, r);
  Rows rows = RowsOf(r);
  ASSERT_EQ(rows.size(), 17u);
  EXPECT_EQ(rows[8], (std::pair<std::string, std::string>{"dwWidth", "320"}));
  EXPECT_EQ(rows[13], (std::pair<std::string, std::string>{"ビデオ形式", "Motion-JPEG"}));
  EXPECT_EQ(rows[16], (std::pair<std::string, std::string>{"作成ソフトウェア", "CanonMVI01  "}));
}

}  // namespace
}  // namespace kelvane
