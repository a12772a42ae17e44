#include "engine/containers/crw.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::CrwFile;
using fixtures::CrwHeap;
using fixtures::U16;
using fixtures::U32;

struct Decoded {
  TMakerResult result;
  int32_t width = -7, height = -7, rotation = -7;  // -7: untouched
};

Decoded Decode(const std::string& file) {
  Decoded d;
  MemoryReader f(file);
  ReadCRW(f, 0, d.width, d.height, d.rotation, d.result);
  return d;
}

std::string Words(std::initializer_list<uint32_t> words, bool intel = true) {
  std::string s;
  for (uint32_t w : words) s += U16(static_cast<uint16_t>(w), intel);
  return s;
}

std::string Dwords(std::initializer_list<uint32_t> dwords, bool intel = true) {
  std::string s;
  for (uint32_t w : dwords) s += U32(w, intel);
  return s;
}

// A NUL-terminated string.
std::string Z(const char* text) { return std::string(text) + '\0'; }

// Four words at `at` in a block of zeros.
std::string WordsAt(size_t at, std::initializer_list<uint32_t> words) {
  std::string s(at, '\0');
  return s + Words(words);
}

TEST(CanonCrw, OneRecordEach) {
  struct Case {
    const char* what;
    CrwHeap heap;
    const char* name;
    std::string value;
    int32_t key;
  } cases[] = {
      {"model is the second string", CrwHeap().Record(0x080A, std::string("Canon\0Canon EOS D30\0", 20)),
       "カメラ機種", "Canon EOS D30", 0x22080A},
      {"owner", CrwHeap().Record(0x0810, std::string("Phil\0junk", 9)), "所有者", "Phil", 0x220810},
      {"string in the record", CrwHeap().InRecord(0x480D, "USA"), "ROM制御モード", "USA", 0x22080D},
      {"single shot", CrwHeap().Record(0x100A, Words({0})), "撮影モード", "シングル撮影", 0x22100A},
      {"continuous", CrwHeap().Record(0x100A, Words({1})), "撮影モード", "連続撮影", 0x22100A},
      {"other mode", CrwHeap().Record(0x100A, Words({5})), "撮影モード", "5", 0x22100A},
      {"base ISO", CrwHeap().Record(0x101C, Words({100, 9})), "標準ISO感度", "100", 0x22101C},
      {"ISO", CrwHeap().InRecord(0x5028, Words({400})), "ISO感度", "400", 0x221028},
      {"focal length in the record", CrwHeap().InRecord(0x5029, Words({0, 24, 0x292, 0x262})),
       "レンズ焦点距離", "24.0(mm)", 0x221029},
      {"focal length not given", CrwHeap().Record(0x1029, Words({1, 24})), "レンズ焦点距離", "--", 0x221029},
      {"capture time at 0", CrwHeap().Record(0x180E, Dwords({0, 0, 0})), "撮影日時",
       "1970:01:01 00:00:00", 0x91F002},
      {"capture time on a leap day", CrwHeap().Record(0x180E, Dwords({951782400 + 3661})), "撮影日時",
       "2000:02:29 01:01:01", 0x91F002},
      {"capture time past 2038", CrwHeap().Record(0x180E, Dwords({0xFFFFFFFF})), "撮影日時",
       "2106:02:07 06:28:15", 0x91F002},
      {"sensor size", CrwHeap().Record(0x1031, Words({0, 3152, 2068, 0})), "CCD画像サイズ", "3152×2068",
       0x221031},
      {"white balance table", CrwHeap().Record(0x0032, WordsAt(72, {3, 2, 5, 10})), "Unknown(0032)",
       "Red:1.5 Blue:2  ", 0x220032},
      {"white balance without divisor", CrwHeap().Record(0x0032, WordsAt(72, {3, 0, 0, 10})),
       "Unknown(0032)", "Red:-- Blue:--  ", 0x220032},
      {"long ratio", CrwHeap().Record(0x0032, WordsAt(72, {1, 3, 1, 1})), "Unknown(0032)",
       "Red:0.333333333333333 Blue:1  ", 0x220032},
      {"colour ratios, the other order", CrwHeap().Record(0x102C, WordsAt(100, {2, 3, 5, 10})),
       "Unknown(102C)", "Red:1.5 Blue:0.5  ", 0x22102C},
      {"colour ratios without divisor", CrwHeap().Record(0x102C, WordsAt(100, {0, 3, 5, 0})),
       "Unknown(102C)", "Red:-- Blue:--  ", 0x22102C},
      {"other words", CrwHeap().Record(0x1093, Words({18, 0, 65535})), "Unknown(1093)", "18,0,65535",
       0x221093},
      // round(5 / 2) = 2 and round(7 / 2) = 4: halves go to the even side.
      {"odd word size rounds down to even", CrwHeap().Record(0x10AE, Words({7, 8, 9}).substr(0, 5)),
       "Unknown(10AE)", "7,8", 0x2210AE},
      // The eighth byte read is the low byte of the directory's count (1).
      {"odd word size rounds up to even", CrwHeap().Record(0x10AF, Words({7, 8, 9, 10}).substr(0, 7)),
       "Unknown(10AF)", "7,8,9,266", 0x2210AF},
      {"other dwords", CrwHeap().Record(0x1835, Dwords({1, 0, 514})), "Unknown(1835)", "1,0,514",
       0x221835},
      {"other high byte shows its size", CrwHeap().Record(0x0036, std::string(0xE82, 'x')),
       "Unknown(0036)", "0E82", 0x220036},
  };
  for (auto& c : cases) {
    Decoded d = Decode(CrwFile(true, c.heap));
    ASSERT_EQ(d.result.Count, 1) << c.what;
    EXPECT_EQ(d.result.Items[0].Name, c.name) << c.what;
    EXPECT_EQ(d.result.Items[0].Value, c.value) << c.what;
    EXPECT_EQ(d.result.Items[0].Tag, c.key) << c.what;
  }
}

TEST(CanonCrw, ImageSizeAndRotation) {
  struct Case {
    std::string data;
    std::string value;
    int32_t rotation;
  } cases[] = {
      // 16 bytes: round(16 / 4) = 4, no rotation word; the out-parameter
      // keeps what it had.
      {Dwords({3072, 2048, 0, 0}), "3072×2048", -7},
      {Dwords({3072, 2048, 0x3FC00000, 90, 0, 0, 0}), "3072×2048 (90度回転)", 90},
      {Dwords({3072, 2048, 0, 0, 0}), "3072×2048", 0},
      // 18 bytes: round(4.5) = 4.
      {Dwords({3072, 2048, 0, 0, 0}).substr(0, 18), "3072×2048", -7},
  };
  for (const auto& c : cases) {
    Decoded d = Decode(CrwFile(true, CrwHeap().Record(0x1810, c.data)));
    ASSERT_EQ(d.result.Count, 1);
    EXPECT_EQ(d.result.Items[0].Name, "画像サイズ");
    EXPECT_EQ(d.result.Items[0].Value, c.value);
    EXPECT_EQ(d.width, 3072);
    EXPECT_EQ(d.height, 2048);
    EXPECT_EQ(d.rotation, c.rotation) << c.value;
  }
}

TEST(CanonCrw, RawBlocksAndTheEmbeddedJpeg) {
  // Root heap data area starts at 26: the raw block at 26, the JPEG at 30.
  const std::string file = CrwFile(true, CrwHeap()
                                             .Record(0x2005, "RAW!")
                                             .Record(0x2007, "JPEG-bytes")
                                             .Record(0x2008, "THUMB"));
  Decoded d = Decode(file);
  ASSERT_EQ(d.result.Count, 3);
  EXPECT_EQ(d.result.Items[0].Name, "CCDRAW実画像");
  EXPECT_EQ(d.result.Items[0].Value, "4Bytes(offset:26)");
  EXPECT_EQ(d.result.Items[1].Name, "同時記録JPEG画像");
  EXPECT_EQ(d.result.Items[1].Value, "10Bytes(offset:30)");
  EXPECT_EQ(d.result.Items[2].Name, "サムネイルJPEG画像");
  // The later record wins.
  EXPECT_EQ(d.result.ThumbOffset, 40u);
  EXPECT_EQ(d.result.ThumbLength, 5u);
}

TEST(CanonCrw, WalksSubHeapsDepthFirstInEitherOrder) {
  for (bool intel : {true, false}) {
    CrwHeap inner;
    inner.Record(0x0810, Z("Owner")).Record(0x1028, Words({200}, intel));
    CrwHeap middle;
    middle.Record(0x080B, Z("Firmware 1.0")).Heap(0x3004, inner, intel).Record(0x101C, Words({100}, intel));
    CrwHeap root;
    root.Record(0x0816, Z("CRW_0001.CRW")).Heap(0x300A, middle, intel).Record(0x0817, Z("CRW_0001.THM"));
    Decoded d = Decode(CrwFile(intel, root));
    ASSERT_EQ(d.result.Count, 6) << intel;
    const char* want[][2] = {{"画像ファイル名", "CRW_0001.CRW"}, {"ファームウェア", "Firmware 1.0"},
                             {"所有者", "Owner"},                {"ISO感度", "200"},
                             {"標準ISO感度", "100"},          {"サムネイルファイル名", "CRW_0001.THM"}};
    for (size_t i = 0; i < 6; ++i) {
      EXPECT_EQ(d.result.Items[i].Name, want[i][0]) << intel;
      EXPECT_EQ(d.result.Items[i].Value, want[i][1]) << intel;
    }
  }
}

TEST(CanonCrw, CameraSettingsRecordsMakeNoRowOfTheirOwn) {
  Decoded d = Decode(CrwFile(true, CrwHeap()
                                       .Record(0x102A, Words({1, 2, 3, 4}))
                                       .Record(0x102D, Words({1, 2, 3}))
                                       .Record(0x0810, Z("me"))));
  ASSERT_GT(d.result.Count, 0);
  const auto count = static_cast<size_t>(d.result.Count);
  for (size_t i = 0; i < count; ++i) {
    EXPECT_NE(d.result.Items[i].Name, "Unknown(102A)");
    EXPECT_NE(d.result.Items[i].Name, "Unknown(102D)");
  }
  EXPECT_EQ(d.result.Items[count - 1].Name, "所有者");
}

TEST(CanonCrw, WrongSignatureAddsNothing) {
  std::string file = CrwFile(true, CrwHeap().Record(0x0810, Z("me")));
  file[6] = 'X';
  Decoded d = Decode(file);
  EXPECT_EQ(d.result.Count, 0);
  EXPECT_EQ(d.result.ThumbOffset, 0u);
}

TEST(CanonCrw, HostileHeapsEndQuietly) {
  // A heap whose only record is itself, and two heaps pointing at each
  // other: the depth limit and the record budget end the walk.
  {
    // Root heap at 26: directory at 0 (count 1, one record: tag 0x300A,
    // size = the heap's length, offset 0), then the directory offset.
    std::string heap = U16(1, true) + U16(0x300A, true) + U32(16, true) + U32(0, true) + U32(0, true);
    std::string file = CrwFile(true, CrwHeap());
    file = file.substr(0, 26) + heap;
    Decoded d = Decode(file);
    EXPECT_EQ(d.result.Count, 0);
  }
  {
    // Many records in a heap that contains itself twice: the budget bounds
    // the walk (2^16 visits otherwise); rows stay within the record.
    std::string heap = U16(3, true) + U16(0x300A, true) + U32(36, true) + U32(0, true) +
                       U16(0x300B, true) + U32(36, true) + U32(0, true) + U16(0x4810, true) +
                       std::string("Owner\0\0\0", 8) + U32(0, true);
    std::string file = CrwFile(true, CrwHeap()).substr(0, 26) + heap;
    Decoded d = Decode(file);
    EXPECT_EQ(d.result.Count, kRowCapacity);
    EXPECT_EQ(d.result.Items[kRowCapacity - 1].Name, "所有者");
  }
}

TEST(CanonCrw, ReadsPastTheEndThrowWithoutAllocating) {
  struct Case {
    const char* what;
    CrwHeap heap;
  } cases[] = {
      {"word list claiming 4 GiB", CrwHeap().Record(0x0810, Z("kept")).RawRecord(0x1093, 0xFFFFFFF0, 0)},
      {"dword list claiming 4 GiB", CrwHeap().Record(0x0810, Z("kept")).RawRecord(0x1835, 0xFFFFFFF0, 0)},
      {"date past the end", CrwHeap().Record(0x0810, Z("kept")).RawRecord(0x180E, 4, 0x7FFFFFF0)},
      {"sub-heap past the end", CrwHeap().Record(0x0810, Z("kept")).RawRecord(0x300A, 64, 0x7FFFFFF0)},
  };
  for (auto& c : cases) {
    MemoryReader f(CrwFile(true, c.heap));
    TMakerResult r;
    int32_t w = 0, h = 0, rot = 0;
    EXPECT_THROW(ReadCRW(f, 0, w, h, rot, r), ReadError) << c.what;
    ASSERT_EQ(r.Count, 1) << c.what;  // the rows before stay
    EXPECT_EQ(r.Items[0].Value, "kept");
  }
  // A directory that claims more records than the file holds.
  std::string file = CrwFile(true, CrwHeap().Record(0x0810, Z("kept")));
  MemoryReader f(file.substr(0, 26) + U16(0xFFFF, true) + U32(0, true));
  TMakerResult r;
  int32_t w = 0, h = 0, rot = 0;
  EXPECT_THROW(ReadCRW(f, 0, w, h, rot, r), ReadError);
}

TEST(CanonCrw, LoaderShowsTheHeapAndItsJpeg) {
  const std::string file = CrwFile(true, CrwHeap()
                                             .Record(0x2007, "JPEG")
                                             .Record(0x0810, Z("Owner"))
                                             .Record(0x1093, Words({1, 2})));
  for (bool abbreviated : {false, true}) {
    MemoryReader f(file);
    InfoTree tree;
    PageFields page;
    LoadSwitches sw;
    sw.abbreviated = abbreviated;
    LoadFrom(f, "IMG.CRW", sw, tree, page);
    std::vector<std::pair<int, std::string>> rows;
    for (const auto& row : tree.Rows()) rows.emplace_back(row.style, row.name);
    std::vector<std::pair<int, std::string>> want = {
        {3, "Canon CRW 情報"}, {1, "同時記録JPEG画像"}, {1, "所有者"}};
    if (!abbreviated) want.emplace_back(4, "Unknown(1093)");
    EXPECT_EQ(rows, want);
    EXPECT_EQ(page.ThumbPos, 26u);
    EXPECT_EQ(page.ThumbLen, 4u);
  }
  // A JPEG record that runs past the end of the file is no thumbnail.
  MemoryReader f(CrwFile(true, CrwHeap().RawRecord(0x2007, 1000, 0)));
  InfoTree tree;
  PageFields page;
  LoadFrom(f, "IMG.crw", LoadSwitches{}, tree, page);
  EXPECT_EQ(page.ThumbPos, 0u);
  EXPECT_EQ(page.ThumbLen, 0u);
  EXPECT_EQ(tree.size(), 2u);
}

TEST(CanonCrw, CorpusFile) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  InfoTree tree;
  PageFields page;
  Load((corpus / "CanonRaw.crw").string(), LoadSwitches{}, tree, page);
  auto value = [&](const char* name) {
    for (const auto& row : tree.Rows())
      if (row.name == name) return row.value;
    return std::string("(missing)");
  };
  EXPECT_EQ(value("カメラ機種"), "Canon EOS DIGITAL REBEL");
  EXPECT_EQ(value("所有者"), "Phil Harvey");
  EXPECT_EQ(value("ファームウェア"), "Firmware Version 1.1.1");
  EXPECT_EQ(value("撮影日時"), "2003:11:10 17:39:26");
  EXPECT_EQ(value("画像サイズ"), "3072×2048");
  EXPECT_EQ(value("レンズ焦点距離"), "24.0(mm)");
  EXPECT_EQ(value("CCD画像サイズ"), "3152×2068");
  EXPECT_EQ(page.ThumbPos, 48u);
  EXPECT_EQ(page.ThumbLen, 29u);
}

}  // namespace
}  // namespace kelvane
