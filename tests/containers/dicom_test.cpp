#include "engine/containers/dicom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/containers/dicom_dictionary.h"
#include "engine/loader/loader.h"
#include "engine/reader/primitives.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/result_rows.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::DicomElement;
using fixtures::DicomElementWithLength;
using fixtures::DicomImplicit;
using fixtures::LE16;
using fixtures::LE32;

using testing::Rows;
using testing::RowsOf;

TMakerResult Walk(const std::string& elements) {
  MemoryReader f("DICM" + elements);
  TMakerResult r;
  ReadDICOM(f, true, 4, r);
  return r;
}

TEST(ReadDICOM, ValuesByRepresentation) {
  struct Case {
    std::string element;
    const char* caption;
    std::string value;
    int32_t tag;
  } cases[] = {
      {DicomElement(0x0010, 0x0010, "PN", "Yamada^Taro"), "患者の名前", "Yamada^Taro", 0x10},
      {DicomElement(0x0008, 0x0020, "DA", "20040506"), "検査日付", "2004年05月06日", 0x20},
      {DicomElement(0x0008, 0x0020, "DA", "2004.05.06"), "検査日付", "2004.05.06", 0x20},
      {DicomElement(0x0008, 0x0030, "TM", "123456.789"), "検査時刻", "12:34:56.789", 0x30},
      {DicomElement(0x0008, 0x0030, "TM", "1234"), "検査時刻", "1234", 0x30},
      {DicomElement(0x0028, 0x0010, "US", LE16(512)), "横行", "512", 0x10},
      {DicomElement(0x0002, 0x0000, "UL", LE32(180)), "グループ長", "180", 0},
      {DicomElement(0x0028, 0x0000, "UL", LE32(4000000000u)), "グループ長", "4000000000", 0},
      {DicomElement(0x0002, 0x0010, "UI", std::string("1.2.840.10008.1.2.1\0", 20)),
       "転送構文ＵＩＤ", std::string("1.2.840.10008.1.2.1\0", 20), 0x10},
      {DicomElement(0x0008, 0x0008, "CS", "ORIGINAL\\PRIMARY"), "画像タイプ", "ORIGINAL\\PRIMARY", 8},
      // Texts shown as stored: an age, a date and time, the long texts, a URI.
      {DicomElement(0x0010, 0x1010, "AS", "045Y"), "患者の年齢", "045Y", 0x1010},
      {DicomElement(0x0008, 0x0106, "DT", "20040506123456.5+0900"), "コンテキストグループ版",
       "20040506123456.5+0900", 0x106},
      {DicomElement(0x0008, 0x0081, "UT", "1 Main St"), "施設住所", "1 Main St", 0x81},
      {DicomElement(0x0008, 0x0081, "UC", "A\\B "), "施設住所", "A\\B ", 0x81},
      {DicomElement(0x0008, 0x0081, "UR", "http://x.example/a"), "施設住所", "http://x.example/a", 0x81},
      // Binary numbers: every value, joined as a text's values are.
      {DicomElement(0x0028, 0x0106, "SS", LE16(0xFFFD)), "最小画像画素値", "-3", 0x106},
      {DicomElement(0x0028, 0x0106, "SS", LE16(7) + LE16(0x8000)), "最小画像画素値", "7\\-32768", 0x106},
      {DicomElement(0x0009, 0x1001, "SL", LE32(0xFFFEEE90u)), "0009,1001", "-70000", 0x1001},
      {DicomElement(0x0009, 0x1001, "SL", LE32(2147483647u) + LE32(0x80000000u)), "0009,1001",
       "2147483647\\-2147483648", 0x1001},
      {DicomElement(0x0009, 0x1002, "FL", LE32(0x3DCCCCCDu)), "0009,1002", "0.1", 0x1002},
      {DicomElement(0x0009, 0x1002, "FL", LE32(0x3FC00000u) + LE32(0xC0000000u) + LE32(0x4B800000u)),
       "0009,1002", "1.5\\-2\\16777216", 0x1002},
      {DicomElement(0x0009, 0x1003, "FD", LE32(0x9999999Au) + LE32(0x3FB99999u)), "0009,1003", "0.1", 0x1003},
      {DicomElement(0x0009, 0x1003, "FD", LE32(0) + LE32(0x3FF80000u) + LE32(0x9ABCAF48u) + LE32(0x3E7AD7F2u)),
       "0009,1003", "1.5\\1e-07", 0x1003},
      // Not a number: that value is empty, the others stand.
      {DicomElement(0x0009, 0x1002, "FL", LE32(0x7FC00000u) + LE32(0x40000000u)), "0009,1002", "\\2", 0x1002},
      {DicomElement(0x0009, 0x1003, "FD", LE32(0) + LE32(0x7FF00000u)), "0009,1003", "", 0x1003},
      // A tag: its group and element.
      {DicomElement(0x0028, 0x0009, "AT", LE16(0x0018) + LE16(0x1063)), "フレーム増分ポインタ",
       "(0018,1063)", 9},
      {DicomElement(0x0028, 0x0009, "AT", LE16(0x0018) + LE16(0x1063) + LE16(0x7FE0) + LE16(0x0010)),
       "フレーム増分ポインタ", "(0018,1063)\\(7FE0,0010)", 9},
      // Bytes behind the last whole value are not read; a value needs all
      // its bytes.
      {DicomElement(0x0009, 0x1003, "FD", LE32(0) + LE32(0x3FF80000u) + "abcd"), "0009,1003", "1.5", 0x1003},
      {DicomElement(0x0009, 0x1002, "FL", LE16(1)), "0009,1002", "", 0x1002},
      // Unsigned integers keep to their first value.
      {DicomElement(0x0028, 0x0010, "US", LE16(512) + LE16(3)), "横行", "512", 0x10},
      // Bytes, sequences and unknown data stay unsupported.
      {DicomElement(0x7FE0, 0x0010, "OW", "pixels"), "画素データ", "非対応の形式[OW]", 0x10},
      {DicomElement(0x0009, 0x1004, "OB", "bytes!"), "0009,1004", "非対応の形式[OB]", 0x1004},
      {DicomElement(0x0009, 0x1004, "UN", "bytes!"), "0009,1004", "非対応の形式[UN]", 0x1004},
      {DicomElement(0x0020, 0x3105, "CS", "ID5"), "Source Image IDs", "ID5", 0x3105},
      {DicomElement(0x0009, 0x0010, "LO", "GEMS_IDEN_01"), "0009,0010", "GEMS_IDEN_01", 0x10},
      {DicomElement(0x00AB, 0x0000, "UL", LE32(1)), "00AB,0000", "1", 0},
      // Implicit VR: the dictionary's representation decides the value.
      {DicomImplicit(0x0010, 0x0010, "Yamada^Taro"), "患者の名前", "Yamada^Taro", 0x10},
      {DicomImplicit(0x0028, 0x0011, LE16(256)), "縦列", "256", 0x11},
      {DicomImplicit(0x0010, 0x1010, "028Y"), "患者の年齢", "028Y", 0x1010},
      {DicomImplicit(0x0028, 0x0009, LE16(0x0020) + LE16(0x0013)), "フレーム増分ポインタ", "(0020,0013)", 9},
      {DicomImplicit(0x0028, 0x1041, LE16(0xFFFF)), "画素強度関係符号", "-1", 0x1041},
      {DicomImplicit(0x0008, 0x0106, "2004"), "コンテキストグループ版", "2004", 0x106},
      {DicomImplicit(0x7FE0, 0x0010, "pixels"), "画素データ", "非対応の形式[UB]", 0x10},
      {DicomImplicit(0x0029, 0x1010, "private"), "0029,1010", "非対応の形式[--]", 0x1010},
      // A number shorter than its representation shows nothing.
      {DicomElement(0x0028, 0x0010, "US", ""), "横行", "", 0x10},
      {DicomElement(0x0002, 0x0000, "UL", LE16(7)), "グループ長", "", 0},
  };
  for (const auto& c : cases) {
    // Each element is followed by another, which the walk must reach.
    TMakerResult r = Walk(c.element + DicomElement(0x0008, 0x0060, "CS", "MR"));
    ASSERT_EQ(r.Count, 2) << c.caption;
    EXPECT_EQ(r.Items[0].Name, c.caption);
    EXPECT_EQ(r.Items[0].Value, c.value) << c.caption;
    EXPECT_EQ(r.Items[0].Tag, c.tag) << c.caption;
    EXPECT_EQ(r.Items[1].Name, "モダリティ");
    EXPECT_EQ(r.Items[1].Value, "MR");
  }
}

TEST(ReadDICOM, NewerRepresentationsWithFourByteLengthsKeepTheWalkInStep) {
  struct Case {
    const char* vr;
    std::string value;
  } cases[] = {
      {"UT", "Some long text"},
      {"UC", "Some long text"},
      {"UR", "Some long text"},
      {"UN", "非対応の形式[UN]"},
      {"OF", "非対応の形式[OF]"},
  };
  for (const auto& c : cases) {
    TMakerResult r = Walk(DicomElement(0x0008, 0x0081, c.vr, "Some long text") +
                          DicomElement(0x0010, 0x0020, "LO", "123456"));
    EXPECT_EQ(RowsOf(r), (Rows{{"施設住所", c.value}, {"患者ＩＤ", "123456"}})) << c.vr;
  }
}

// An explicit-VR element with a 2-byte length, in either byte order.
std::string ShortElement(bool intel, uint16_t group, uint16_t element, std::string_view vr,
                         const std::string& value) {
  return fixtures::U16(group, intel) + fixtures::U16(element, intel) + std::string(vr) +
         fixtures::U16(static_cast<uint16_t>(value.size()), intel) + value;
}

TEST(ReadDICOM, NumbersFollowTheByteOrder) {
  using fixtures::U16;
  using fixtures::U32;
  struct Case {
    const char* vr;
    std::function<std::string(bool)> value;
    const char* want;
  } cases[] = {
      {"US", [](bool intel) { return U16(0x0102, intel); }, "258"},
      {"UL", [](bool intel) { return U32(0x01020304, intel); }, "16909060"},
      {"SS", [](bool intel) { return U16(0xFF00, intel); }, "-256"},
      {"SL", [](bool intel) { return U32(0xFFFFFF00u, intel); }, "-256"},
      {"FL", [](bool intel) { return U32(0x40490FDBu, intel); }, "3.1415927"},
      {"FD", [](bool intel) { return intel ? U32(0x54442D18u, true) + U32(0x400921FBu, true)
                                           : U32(0x400921FBu, false) + U32(0x54442D18u, false); },
       "3.14159265358979"},
      {"AT", [](bool intel) { return U16(0x0028, intel) + U16(0x0010, intel); }, "(0028,0010)"},
  };
  for (bool intel : {true, false}) {
    for (const auto& c : cases) {
      MemoryReader f("DICM" + ShortElement(intel, 0x0009, 0x1010, c.vr, c.value(intel)) +
                     ShortElement(intel, 0x0008, 0x0060, "CS", "MR"));
      TMakerResult r;
      ReadDICOM(f, intel, 4, r);
      EXPECT_EQ(RowsOf(r), (Rows{{"0009,1010", c.want}, {"モダリティ", "MR"}})) << c.vr << intel;
    }
  }
}

// Explicit VR Big Endian: the meta group stays little-endian, the data set
// after it is read most significant byte first; other syntaxes stay as
// they are.
TEST(ReadDICOM, BigEndianTransferSyntaxSwitchesAfterTheMetaGroup) {
  auto be_element = [](uint16_t group, uint16_t element, std::string_view vr,
                       const std::string& value) {
    return fixtures::BE16(group) + fixtures::BE16(element) + std::string(vr) +
           fixtures::BE16(static_cast<uint16_t>(value.size())) + value;
  };
  const std::string data_set = be_element(0x0028, 0x0010, "US", fixtures::BE16(512)) +
                               be_element(0x0010, 0x0010, "PN", "Yamada^Taro ");
  struct Case {
    std::string syntax;
    bool big_endian;
  } cases[] = {
      {std::string("1.2.840.10008.1.2.2\0", 20), true},
      {std::string("1.2.840.10008.1.2.2 ", 20), true},
      {std::string("1.2.840.10008.1.2.1\0", 20), false},
  };
  for (const auto& c : cases) {
    const Rows rows = RowsOf(Walk(DicomElement(0x0002, 0x0010, "UI", c.syntax) + data_set));
    ASSERT_GE(rows.size(), 2u) << c.syntax;
    if (c.big_endian) {
      ASSERT_EQ(rows.size(), 3u);
      EXPECT_EQ(rows[1], (std::pair<std::string, std::string>{"横行", "512"}));
      EXPECT_EQ(rows[2], (std::pair<std::string, std::string>{"患者の名前", "Yamada^Taro "}));
    } else {
      EXPECT_NE(rows[1].first, "横行") << c.syntax;
    }
  }
}

TEST(ReadDICOM, LengthsThatCannotBeRead) {
  const std::string patient = DicomElement(0x0010, 0x0020, "LO", "123456");
  // A sequence of undefined length is shown empty and its items are walked.
  const std::string referenced = DicomElement(0x0008, 0x1150, "UI", "12");
  std::string item = LE16(0xFFFE) + LE16(0xE000) + LE32(static_cast<uint32_t>(referenced.size())) + referenced;
  std::string delimiter = LE16(0xFFFE) + LE16(0xE0DD) + LE32(0);
  TMakerResult r = Walk(DicomElementWithLength(0x0008, 0x1140, "SQ", 0xFFFFFFFF, "") + item +
                        delimiter + patient);
  EXPECT_EQ(RowsOf(r), (Rows{{"参照画像シーケンス", ""},
                             {"FFFE,E000", "非対応の形式[--]"},
                             {"FFFE,E0DD", "非対応の形式[--]"},
                             {"患者ＩＤ", "123456"}}));

  // A length past the end of the file shows the element and ends the walk.
  struct Case {
    std::string element;
    const char* caption;
  } cases[] = {
      {DicomElementWithLength(0x0010, 0x0010, "PN", 1000, "Ya"), "患者の名前"},
      {DicomElementWithLength(0x0008, 0x1140, "SQ", 0xFFFFFFF0u, "Ya"), "参照画像シーケンス"},
      {DicomElementWithLength(0x0002, 0x0000, "UL", 1000, LE32(5)), "グループ長"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RowsOf(Walk(patient + c.element + patient)), (Rows{{"患者ＩＤ", "123456"}, {c.caption, ""}}));
}

TEST(ReadDICOM, WalkEnds) {
  const std::string patient = DicomElement(0x0010, 0x0020, "LO", "123456");
  // A cut element header ends the walk; the rows made stay.
  EXPECT_EQ(RowsOf(Walk(patient + patient.substr(0, 5))), (Rows{{"患者ＩＤ", "123456"}}));
  // A cut value is not read; its element is shown.
  EXPECT_EQ(RowsOf(Walk(patient + patient.substr(0, patient.size() - 1))),
            (Rows{{"患者ＩＤ", "123456"}, {"患者ＩＤ", ""}}));
  // Rows stop at the record's capacity.
  std::string many;
  for (int i = 0; i < 150; ++i) many += patient;
  EXPECT_EQ(Walk(many).Count, kRowCapacity);
}

TEST(DicomDictionary, OneEntryPerAttribute) {
  std::set<std::pair<uint16_t, uint16_t>> keys;
  for (const DicomAttribute& a : DicomAttributes()) {
    EXPECT_TRUE(keys.emplace(a.group, a.element).second) << std::hex << a.group << "," << a.element;
    EXPECT_EQ(a.vr.size(), 2u);
    EXPECT_FALSE(a.caption.empty());
  }
  // With the three date words, the 504 captions the system keeps.
  EXPECT_EQ(DicomAttributes().size() + 3, 504u);
  struct Case {
    uint16_t group, element;
    const char* caption;
    const char* vr;
  } cases[] = {
      {0x0008, 0x0106, "コンテキストグループ版", "DT"},
      {0x0008, 0x2111, "導出記述", "ST"},
      {0x0028, 0x0106, "最小画像画素値", "US"},
      {0x0028, 0x0107, "最大画像画素値", "US"},
      {0x7FE0, 0x0010, "画素データ", "UB"},
      {0x0054, 0x0000, "グループ長", "UL"},
      {0x0008, 0x0070, "製造者", "LO"},
      {0x0018, 0x1020, "ソフトウェア版", "LO"},
      {0x0020, 0x000D, "検査インスタンスＵＩＤ", "UI"},
      {0x0028, 0x0100, "割り当てビット", "US"},
  };
  for (const auto& c : cases) {
    const DicomAttribute* a = FindDicomAttribute(c.group, c.element);
    ASSERT_NE(a, nullptr) << c.caption;
    EXPECT_EQ(a->caption, c.caption);
    EXPECT_EQ(a->vr, c.vr);
  }
  EXPECT_EQ(FindDicomAttribute(0x0009, 0x0000), nullptr);
  EXPECT_EQ(FindDicomAttribute(0x0020, 0x3200), nullptr);
}

TEST(DicomLoader, PrefixDecidesBetweenErrorAndElements) {
  const std::string elements = DicomElement(0x0008, 0x0060, "CS", "MR");
  struct Case {
    std::string file;
    Rows want;
    int style;
  } cases[] = {
      {std::string(128, '\0') + "DICM" + elements, {{"DICOMヘッダー", ""}, {"モダリティ", "MR"}}, kStylePlain},
      {std::string(996, '\0') + "DICM" + elements, {{"DICOMヘッダー", ""}, {"モダリティ", "MR"}}, kStylePlain},
      {std::string(997, '\0') + "DICM" + elements, {{"エラー", "ファイルが開けません"}}, kStyleDetail},
  };
  for (const auto& c : cases) {
    MemoryReader f(c.file);
    InfoTree tree;
    PageFields page;
    LoadFrom(f, "scan.dcm", LoadSwitches{}, tree, page);
    Rows rows;
    for (const TreeRow& row : tree.Rows()) rows.emplace_back(row.name, row.value);
    EXPECT_EQ(rows, c.want);
    EXPECT_EQ(tree.Rows().back().style, c.style);
  }
}

TEST(ReadDICOM, CorpusImage) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  auto f = FileReader::Open((corpus / "DICOM.dcm").string());
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(FindDicomPrefix(*f), 132);
  TMakerResult r;
  ReadDICOM(*f, true, 132, r);
  Rows rows = RowsOf(r);
  auto has = [&](const char* name, const char* value) {
    return std::find(rows.begin(), rows.end(), std::pair<std::string, std::string>{name, value}) !=
           rows.end();
  };
  EXPECT_TRUE(has("モダリティ", "MR"));
  EXPECT_TRUE(has("製造者", "GE Medical Systems"));
  EXPECT_TRUE(has("検査日付", "2001年03月16日"));
  EXPECT_TRUE(has("横行", "256"));
  EXPECT_TRUE(has("格納ビット", "16"));
  EXPECT_EQ(rows.back().first, "画素データ");
}

}  // namespace
}  // namespace kelvane
