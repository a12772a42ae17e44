// kelvane-info as a user runs it: output forms, exit status, messages.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/json_check.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out;
};

// Runs kelvane-info with the arguments (already shell-quoted where needed).
Result RunInfo(const std::string& args) {
  std::string command = std::string(KELVANE_INFO_PATH) + " " + args + " 2>/dev/null";
  Result r{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

class KelvaneInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kelvane-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }

  fs::path dir_;
};

// Two comment rows: one plain, one with a quote, a NUL and Japanese text.
std::string TwoComments() {
  return fixtures::Jpeg()
      .Segment(0xFFFE, "plain")
      .Segment(0xFFFE, std::string("say \"hi\"\0tail", 13))
      .Segment(0xFFFE, "\x93\xfa\x96\x7b")  // "日本" in Shift_JIS
      .Build();
}

TEST_F(KelvaneInfo, TextFormatIsTheExportFormatInCp932) {
  std::string path = Write("t.jpg", TwoComments());
  Result r = RunInfo("--format=text --encoding=cp932 " + path);
  EXPECT_EQ(r.status, 0);
  const std::string file_caption = "\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc";  // ファイル名
  const std::string comment = "\x83\x52\x83\x81\x83\x93\x83\x67";               // コメント
  std::string want = std::string(15, ' ') + file_caption + " : t.jpg\r\n" +  //
                     std::string(17, ' ') + comment + " : plain\r\n" +      //
                     std::string(17, ' ') + comment + " : say \"hi\"\r\n" +
                     std::string(17, ' ') + comment + " : \x93\xfa\x96\x7b\r\n";
  EXPECT_EQ(r.out, want);
}

TEST_F(KelvaneInfo, TextFormatCountsUtf8BytesInUtf8) {
  std::string path = Write("t.jpg", fixtures::Jpeg().Segment(0xFFFE, "x").Build());
  Result r = RunInfo("--format=text " + path);
  // "ファイル名" is 15 bytes in UTF-8, "コメント" 12.
  EXPECT_EQ(r.out, std::string(10, ' ') + "ファイル名 : t.jpg\r\n" + std::string(13, ' ') +
                       "コメント : x\r\n");
}

TEST_F(KelvaneInfo, CsvFormatQuotesAndDoublesQuotes) {
  std::string path = Write("c.jpg", TwoComments());
  Result r = RunInfo("--format=csv " + path);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "\"ファイル名\",\"c.jpg\"\r\n"
            "\"コメント\",\"plain\"\r\n"
            "\"コメント\",\"say \"\"hi\"\"\"\r\n"
            "\"コメント\",\"日本\"\r\n");
}

TEST_F(KelvaneInfo, CaptionRowsAreOneFieldInCsvAndANameInText) {
  std::string path = Write("bad.tif", "this is not a TIFF header");
  Result csv = RunInfo("--format=csv " + path);
  EXPECT_EQ(csv.out, "\"ファイル名\",\"bad.tif\"\r\n\"エラー\",\"Exif情報が見つかりません\"\r\n");
}

TEST_F(KelvaneInfo, JsonIsValidAndCarriesEveryRow) {
  std::string a = Write("a.jpg", TwoComments());
  std::string b = Write("b.tif", std::string("\xff\xfe\x00\x01garbage", 11));
  Result r = RunInfo("--format=json " + a + " " + b);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(testing::IsValidJson(r.out)) << r.out;
  EXPECT_NE(r.out.find("\"value\": \"say \\\"hi\\\"\\u0000tail\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"name\": \"エラー\""), std::string::npos);
  EXPECT_NE(r.out.find("\"map\": null"), std::string::npos);
  EXPECT_NE(r.out.find("\"thumbnail\": {\"offset\": 0, \"length\": 0}"), std::string::npos);
}

TEST_F(KelvaneInfo, MissingFileGivesTheErrorRowAndStatusOne) {
  std::string missing = (dir_ / "missing.jpg").string();
  Result tree = RunInfo(missing);
  EXPECT_EQ(tree.status, 1);
  EXPECT_EQ(tree.out, "  エラー: ファイルが開けません\n");
  Result json = RunInfo("--format=json " + missing);
  EXPECT_EQ(json.status, 1);
  EXPECT_TRUE(testing::IsValidJson(json.out));
  // One missing file among readable ones still fails the call.
  std::string ok = Write("ok.jpg", TwoComments());
  EXPECT_EQ(RunInfo(ok + " " + missing).status, 1);
  EXPECT_EQ(RunInfo(ok).status, 0);
}

TEST_F(KelvaneInfo, UsageErrorsGiveStatusTwo) {
  for (const char* args : {"--format=xml", "--bogus", "--encoding=latin1", "--format",
                           "--thumbnail= a.jpg", "--thumbnail=t.jpg a.jpg b.jpg"})
    EXPECT_EQ(RunInfo(args).status, 2) << args;
  EXPECT_EQ(RunInfo("--help").status, 0);
  Result v = RunInfo("--version");
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out.rfind("kelvane-info ", 0), 0u);
}

TEST_F(KelvaneInfo, NoFileShowsTheBuiltInSample) {
  Result r = RunInfo("");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("[メイン情報]"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("JFIF_APP1: Exif"), std::string::npos);
  EXPECT_TRUE(testing::IsValidJson(RunInfo("--format=json").out));
}

TEST_F(KelvaneInfo, TreeShowsCaptionsAsHeadingsWithoutColourInAPipe) {
  std::string path = Write("bad.tif", "this is not a TIFF header");
  std::string jpeg = Write("c.jpg", fixtures::Jpeg().Segment(0xFFFE, "hello").Build());
  Result r = RunInfo(jpeg + " " + path);
  EXPECT_EQ(r.out, "== " + jpeg + " ==\n  コメント: hello\n\n== " + path +
                       " ==\n  エラー: Exif情報が見つかりません\n");
}

TEST_F(KelvaneInfo, TreeKeepsEachRowOnOneLine) {
  std::string path = Write("c.jpg", fixtures::Jpeg().Segment(0xFFFE, "one\r\n[two]\tthree").Build());
  EXPECT_EQ(RunInfo(path).out, "  コメント: one  [two] three\n");
  // JSON keeps the bytes.
  EXPECT_NE(RunInfo("--format=json " + path).out.find("one\\r\\n[two]\\tthree"), std::string::npos);
}

TEST_F(KelvaneInfo, ThumbnailOptionFailsCleanlyWithoutOne) {
  std::string path = Write("c.jpg", fixtures::Jpeg().Segment(0xFFFE, "hello").Build());
  std::string out = (dir_ / "thumb.jpg").string();
  EXPECT_EQ(RunInfo("--thumbnail=" + out + " " + path).status, 1);
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(KelvaneInfo, FoldersGiveTheirImageFilesSortedAndRecursiveDescends) {
  const std::string jpeg = fixtures::Jpeg().Segment(0xFFFE, "x").Build();
  Write("b.jpg", jpeg);
  Write("a.JPG", jpeg);
  Write("notes.txt", "not an image");
  fs::create_directories(dir_ / "sub");
  Write("sub/c.tif", "II*");
  for (const char* name : {"sub/d.HEIC", "sub/e.heif", "sub/f.hif", "sub/g.avif", "sub/h.CR3",
                           "sub/i.mp4", "sub/j.m4v", "sub/k.3gp"})
    Write(name, "");
  const std::string folder = dir_.string();

  Result flat = RunInfo("--format=csv " + folder);
  EXPECT_EQ(flat.status, 0);
  EXPECT_EQ(flat.out,
            "\"ファイル名\",\"a.JPG\"\r\n\"コメント\",\"x\"\r\n"
            "\"ファイル名\",\"b.jpg\"\r\n\"コメント\",\"x\"\r\n");

  Result deep = RunInfo("--format=json --recursive " + folder);
  EXPECT_TRUE(testing::IsValidJson(deep.out));
  EXPECT_NE(deep.out.find("sub/c.tif"), std::string::npos);
  for (const char* name : {"sub/d.HEIC", "sub/e.heif", "sub/f.hif", "sub/g.avif", "sub/h.CR3",
                           "sub/i.mp4", "sub/j.m4v", "sub/k.3gp"})
    EXPECT_NE(deep.out.find(name), std::string::npos) << name;
  EXPECT_EQ(deep.out.find("notes.txt"), std::string::npos);

  EXPECT_EQ(RunInfo("--thumbnail=" + (dir_ / "t.jpg").string() + " " + folder).status, 2);
}

TEST_F(KelvaneInfo, FoldersListTheFilesOfToday) {
  const std::vector<std::string> names = {"a.png", "b.webp", "c.jxl", "d.arw", "e.sr2", "f.srw",
                                          "g.nrw", "h.rwl", "i.3fr", "j.iiq", "k.RW2"};
  for (const std::string& name : names) Write(name, "x");
  Write("l.heic.txt", "x");
  Result listed = RunInfo("--format=json " + dir_.string());
  EXPECT_EQ(listed.status, 0);
  for (const std::string& name : names) EXPECT_NE(listed.out.find(name), std::string::npos) << name;
  EXPECT_EQ(listed.out.find("l.heic.txt"), std::string::npos);
}

}  // namespace
}  // namespace kelvane
