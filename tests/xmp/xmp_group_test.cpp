// The XMP group as the loader shows it: found in each place a file keeps
// its packet, after the Exif groups, with the view switches.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"
#include "tests/support/load_helpers.h"
#include "tests/xmp/xmp_fixtures.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using fixtures::BE32;
using fixtures::Ifd;
using fixtures::Jpeg;
using testing::Described;
using testing::LoadBytes;
using testing::Row;

const std::string kPacket =
    Described("<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>夕焼け</rdf:li></rdf:Alt>"
              "</dc:title><crs:Exposure2012>+0.35</crs:Exposure2012>",
              " xmp:Rating='4'");
const std::vector<Row> kGroup = {{3, "XMP情報", ""},
                                 {1, "レーティング", "4"},
                                 {1, "タイトル", "[x-default] 夕焼け"},
                                 {2, "crs:Exposure2012", "+0.35"}};

std::string App1Xmp(std::string_view packet) {
  return std::string("http://ns.adobe.com/xap/1.0/\0", 29) + std::string(packet);
}

// The rows from the XMP group's caption to the end.
std::vector<Row> GroupOf(const std::vector<Row>& rows) {
  auto at = std::find_if(rows.begin(), rows.end(),
                         [](const Row& r) { return r.style == 3 && r.name == "XMP情報"; });
  return {at, rows.end()};
}

TEST(XmpGroup, FoundWhereverTheFileKeepsIt) {
  const std::string tiff_with_700 =
      fixtures::TiffHeader(true) + Ifd().Byte(0x02BC, kPacket).Build(true, 8);
  const std::string resources =
      std::string("Photoshop 3.0\0", 14) + fixtures::PhotoshopResource(1060, kPacket);
  const std::string signature("CANON OPTIONAL DATA\0", 20);
  const std::string blocks = BE32(0xFFFF0001) + BE32(2) + "ab" + BE32(0xFFFF00F6) +
                             BE32(static_cast<uint32_t>(kPacket.size())) + kPacket;
  const auto blocks_length = static_cast<uint32_t>(blocks.size());
  const std::string trailer = signature + std::string("\0\x01\0\0", 4) + BE32(blocks_length) +
                              blocks + signature + BE32(blocks_length) + std::string(40, '\0');
  struct Case {
    const char* what;
    std::string file;
    const char* name;
  } cases[] = {
      {"CRW's Digital Photo Professional trailer",
       fixtures::CrwFile(true, fixtures::CrwHeap()) + trailer, "a.crw"},
      {"JPEG APP1", Jpeg().Jfif().Segment(0xFFE1, App1Xmp(kPacket)).Build(), "a.jpg"},
      {"JPEG Photoshop resource 1060", Jpeg().Segment(0xFFED, resources).Build(), "a.jpg"},
      {"TIFF tag 700", tiff_with_700, "a.tif"},
      {"TIFF raw", tiff_with_700, "a.nef"},
      {"PNG iTXt",
       fixtures::PngFile(fixtures::PngChunk("IHDR", fixtures::PngHeader(1, 1, 8, 2)) +
                         fixtures::PngChunk("iTXt", std::string("XML:com.adobe.xmp\0\0\0\0\0", 22) +
                                                         kPacket)),
       "a.png"},
      {"WebP XMP chunk",
       fixtures::WebPFile(fixtures::WebPChunk("VP8X", std::string(10, '\0')) +
                          fixtures::WebPChunk("XMP ", kPacket)),
       "a.webp"},
      {"JPEG XL xml box", fixtures::JxlFile(Atom("xml ", kPacket)), "a.jxl"},
      {"MP4 uuid box",
       Atom("ftyp", "isom" + BE32(0) + "isom") + Atom("moov", "") +
           Atom("uuid", std::string("\xBE\x7A\xCF\xCB\x97\xA9\x42\xE8\x9C\x71\x99\x94\x91\xE3\xAF\xAC",
                                    16) +
                            kPacket),
       "a.mp4"},
      {"QuickTime XMP_ atom", Atom("moov", Atom("udta", Atom("XMP_", kPacket))), "a.mov"},
      {"AVI _PMX chunk",
       fixtures::RiffChunk("RIFF", "AVI " + fixtures::RiffChunk("_PMX", kPacket)), "a.avi"},
  };
  for (const Case& c : cases) {
    const auto rows = LoadBytes(c.file, c.name).rows;
    EXPECT_EQ(GroupOf(rows), kGroup) << c.what;
    LoadSwitches no_xmp;
    no_xmp.xmp = false;
    EXPECT_TRUE(GroupOf(LoadBytes(c.file, c.name, no_xmp).rows).empty()) << c.what;
  }
}

TEST(XmpGroup, FollowsTheExifGroupsAndTheBriefViewKeepsTheKeyRows) {
  const std::string tiff = fixtures::TiffHeader(true) + Ifd().Ascii(0x010F, "Canon").Build(true, 8);
  const std::string file = Jpeg().Segment(0xFFE1, App1Xmp(kPacket)).Exif(tiff).Build();
  const auto rows = LoadBytes(file, "a.jpg").rows;
  const auto main = std::find_if(rows.begin(), rows.end(),
                                 [](const Row& r) { return r.name == "メイン情報"; });
  const auto group = GroupOf(rows);
  ASSERT_NE(main, rows.end());
  ASSERT_FALSE(group.empty());
  EXPECT_LT(main - rows.begin(), static_cast<long>(rows.size() - group.size()));
  EXPECT_EQ(group, kGroup);

  LoadSwitches brief;
  brief.abbreviated = true;
  EXPECT_EQ(GroupOf(LoadBytes(file, "a.jpg", brief).rows),
            (std::vector<Row>{kGroup[0], kGroup[1], kGroup[2]}));
}

TEST(XmpGroup, ExtendedXmpIsJoinedFromItsSegments) {
  const std::string guid = "0123456789ABCDEF0123456789ABCDEF";
  const std::string main = Described("", " xmpNote:HasExtendedXMP='" + guid + "'");
  const std::string extension = Described("<crs:ToneCurve>0, 0</crs:ToneCurve>");
  auto segment = [&](uint32_t full, uint32_t offset, std::string_view data) {
    return std::string("http://ns.adobe.com/xmp/extension/\0", 35) + guid + BE32(full) +
           BE32(offset) + std::string(data);
  };
  const auto size = static_cast<uint32_t>(extension.size());
  const std::string joined = Jpeg()
                                 .Segment(0xFFE1, App1Xmp(main))
                                 .Segment(0xFFE1, segment(size, 30, extension.substr(30)))
                                 .Segment(0xFFE1, segment(size, 0, extension.substr(0, 30)))
                                 .Build();
  EXPECT_EQ(GroupOf(LoadBytes(joined, "a.jpg").rows),
            (std::vector<Row>{{3, "XMP情報", ""}, {2, "拡張XMP", guid}, {2, "crs:ToneCurve", "0, 0"}}));
  const std::string claimed = Jpeg()
                                  .Segment(0xFFE1, App1Xmp(main))
                                  .Segment(0xFFE1, segment(0xFFFFFFFF, 0, extension))
                                  .Build();
  EXPECT_EQ(GroupOf(LoadBytes(claimed, "a.jpg").rows),
            (std::vector<Row>{{3, "XMP情報", ""}, {2, "拡張XMP", guid}, {4, "拡張XMP", "情報が破損"}}));
}

TEST(XmpGroup, APacketPastTheEndOfTheFileShowsAsDamaged) {
  const std::string tiff =
      fixtures::TiffHeader(true) + Ifd().Byte(0x02BC, kPacket).Build(true, 8);
  const std::string cut = tiff.substr(0, tiff.size() - kPacket.size() / 2);
  const auto group = GroupOf(LoadBytes(cut, "a.tif").rows);
  ASSERT_FALSE(group.empty());
  EXPECT_EQ(group.back(), (Row{4, "XMP", "情報が破損"}));
}

// Values other readers show for the corpus files' packets.
TEST(XmpGroup, CorpusFilesShowTheirPackets) {
  if (testing::CorpusFolder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  struct Case {
    const char* file;
    std::vector<Row> some;  // rows of the group, in order
  } cases[] = {
      {"XMP.jpg",  // a UTF-16 packet
       {{1, "タイトル", "[x-default] Test IPTC picture"},
        {2, "補足カテゴリー", "amazing, image, utilities"},
        {2, "xapBJ:JobRef/stJob:name", "My Job"}}},
      {"ExtendedXMP.jpg", {{2, "拡張XMP", "04B9E48040A30A6308713BD1E4223B41"},
                           {2, "pdf:Title", "PDF Title"}}},
      {"Photoshop.psd", {{1, "作成者", "Phil Harvey"}, {1, "著作権", "[x-default] Free for all"}}},
      {"QuickTime.mov", {{2, "xmpDM:album", "No Album"}, {1, "作成者", "Phil Harvey"}}},
      {"RIFF.avi", {{2, "xmpDM:altTapeName", "An Alternate Scene Name"}}},
      {"CanonRaw.cr3", {{1, "レーティング", "0"}}},
      {"CanonRaw.crw", {{2, "XMPツールキット", "Image::ExifTool 8.31"}}},
      {"DNG.dng", {{2, "フラッシュ/exif:Mode", "発光禁止"}, {2, "レンズ", "18.0-55.0 mm"}}},
      {"iPhone7.heic", {{2, "作成ソフトウェア", "ProCam 10.5.8"}}},
      {"RIFF.webp", {{1, "キーワード", "test"}}},
      {"JXLBrotli.jxl", {{1, "説明", "[x-default] XMP description"}}},
  };
  for (const Case& c : cases) {
    InfoTree tree;
    PageFields page;
    Load(testing::CorpusFile(c.file).string(), {}, tree, page);
    const auto group = GroupOf(testing::RowsOf(tree));
    size_t from = 0;
    for (const Row& want : c.some) {
      auto at = std::find(group.begin() + static_cast<long>(from), group.end(), want);
      EXPECT_NE(at, group.end()) << c.file << ": " << want;
      if (at != group.end()) from = static_cast<size_t>(at - group.begin());
    }
    for (const Row& r : group) EXPECT_NE(r.value, "情報が破損") << c.file << ": " << r;
  }
}

}  // namespace
}  // namespace kelvane
