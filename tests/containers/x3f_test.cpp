#include "engine/containers/x3f.h"

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
using fixtures::Utf16LE;

using testing::Rows;
using testing::RowsOf;

// A property section: the entry table with the given character offsets and
// the character data after it.
std::string PropertySection(uint32_t count, const std::vector<uint32_t>& offsets,
                            const std::string& chars) {
  std::string s = "SECp" + LE32(0x00020000) + LE32(count) + LE32(0) + LE32(0) +
                  LE32(static_cast<uint32_t>(chars.size() / 2));
  for (uint32_t o : offsets) s += LE32(o);
  return s + chars;
}

// The section of name/value pairs as a camera writes it.
std::string PropertySection(const Rows& properties) {
  std::vector<uint32_t> offsets;
  std::string chars;
  for (const auto& [name, value] : properties) {
    offsets.push_back(static_cast<uint32_t>(chars.size() / 2));
    chars += Utf16LE(name) + std::string(2, '\0');
    offsets.push_back(static_cast<uint32_t>(chars.size() / 2));
    chars += Utf16LE(value) + std::string(2, '\0');
  }
  return PropertySection(static_cast<uint32_t>(properties.size()), offsets, chars);
}

// A file: header, the sections, then the directory naming them and, in the
// last four bytes, the directory's position.
std::string X3FFile(const std::vector<std::pair<std::string, std::string>>& sections) {
  std::string file = "FOVb" + std::string(12, '\0');
  std::string directory;
  for (const auto& [type, bytes] : sections) {
    directory += LE32(static_cast<uint32_t>(file.size())) +
                 LE32(static_cast<uint32_t>(bytes.size())) + type;
    file += bytes;
  }
  const auto directory_pos = static_cast<uint32_t>(file.size());
  file += "SECd" + LE32(0x00020000) + LE32(static_cast<uint32_t>(sections.size())) + directory;
  return file + LE32(directory_pos);
}

TMakerResult X3F(const std::string& bytes) {
  MemoryReader f(bytes);
  TMakerResult r;
  ReadX3F(f, r);
  return r;
}

TEST(ReadX3F, PropertiesWithCaptions) {
  std::string file = X3FFile({{"IMA2", "image"},
                              {"PROP", PropertySection({{"ISO", "100"},
                                                        {"TIME", "0"},
                                                        {"FLENGTH", "50   "},
                                                        {"AP_DESC", "2.8"},
                                                        {"SHARPNESS", "5"},
                                                        {"CAMMODEL", "SIGMA SD10"}})}});
  EXPECT_EQ(RowsOf(X3F(file)), (Rows{{"ISO感度", "100"},
                                     {"撮影時刻", "1970/01/01 09:00:00"},
                                     {"焦点距離", "50mm"},
                                     {"絞り値", "F2.8"},
                                     {"SHARPNESS", "5"},
                                     {"機種名", "SIGMA SD10"}}));
}

TEST(TranslateX3FProperty, CaptionsAndValues) {
  struct Case {
    const char* name;
    const char* value;
    const char* caption;
    const char* shown;
  } cases[] = {
      {"TIME", "54000", "撮影時刻", "1970/01/02 00:00:00"},
      {"TIME", "-32401", "撮影時刻", "1969/12/31 23:59:59"},
      {"TIME", "+978309395", "撮影時刻", "2001/01/01 09:36:35"},
      {"LENSFRANGE", "15 to 30 \t ", "レンズ焦点範囲", "15 to 30mm"},
      {"LENSARANGE", "", "レンズ絞り範囲", "mm"},
      {"CAMMANUF", "SIGMA", "カメラメーカー", "SIGMA"},
      {"EXPNET", "-0.3", "露出補正", "-0.3"},
      {"iso", "100", "iso", "100"},  // names are compared exactly
      {"", "x", "", "x"},
  };
  for (const auto& c : cases) {
    auto row = TranslateX3FProperty(c.name, c.value);
    ASSERT_TRUE(row.has_value()) << c.name;
    EXPECT_EQ(row->caption, c.caption);
    EXPECT_EQ(row->value, c.shown) << c.name;
  }
  for (const char* bad : {"", "12a", "1.5", " ", "2147483648", "--1", "+-1"})
    EXPECT_FALSE(TranslateX3FProperty("TIME", bad).has_value()) << bad;
}

TEST(ReadX3F, TimeThatIsNotANumberEndsTheList) {
  std::string file = X3FFile(
      {{"PROP", PropertySection({{"ISO", "100"}, {"TIME", "yesterday"}, {"CAMMODEL", "SD9"}})}});
  EXPECT_EQ(RowsOf(X3F(file)), (Rows{{"ISO感度", "100"}}));
}

TEST(ReadX3F, FilesWithoutProperties) {
  std::string prop = PropertySection({{"ISO", "100"}});
  std::string no_directory = X3FFile({{"PROP", prop}});
  no_directory.replace(no_directory.size() - 4, 4, LE32(0));
  std::string not_secp = X3FFile({{"PROP", "SECx" + prop.substr(4)}});
  std::string huge_directory = "FOVb" + std::string("SECd") + LE32(0) + LE32(0xFFFFFFFF) + LE32(4);
  const std::string cases[] = {
      X3FFile({{"IMA2", "image"}}),  // no PROP section
      no_directory,
      not_secp,
      huge_directory,
      "SEC",
      "",
  };
  for (const std::string& file : cases) EXPECT_EQ(X3F(file).Count, 0);
}

TEST(ReadX3F, LastPropertySectionWins) {
  std::string file = X3FFile({{"PROP", PropertySection({{"ISO", "100"}})},
                              {"PROP", PropertySection({{"ISO", "400"}})}});
  EXPECT_EQ(RowsOf(X3F(file)), (Rows{{"ISO感度", "400"}}));
}

TEST(ReadX3F, CharacterBudgets) {
  // Character data: "ISO\0" "100\0" "AB\5C\0"
  std::string chars = Utf16LE("ISO") + std::string(2, '\0') + Utf16LE("100") + std::string(2, '\0') +
                      Utf16LE("AB") + std::string("\x05\0", 2) + Utf16LE("C") + std::string(2, '\0');
  struct Case {
    std::vector<uint32_t> offsets;  // name, value
    Rows want;
  } cases[] = {
      // The name's budget (b - a - 1 characters) cuts it; the value's
      // budget runs to the table's next four bytes, here the first two
      // characters, so the value ends at its 0 character.
      {{0, 2}, {{"I", "O"}}},
      {{0, 4}, {{"ISO感度", "100"}}},
      // A name after its value: a negative budget gives an empty text.
      {{4, 0}, {{"", "ISO"}}},
      // U+0005 is dropped.
      {{0, 8}, {{"ISO感度", "ABC"}}},
  };
  for (const auto& c : cases) {
    TMakerResult r = X3F(X3FFile({{"PROP", PropertySection(1, c.offsets, chars)}}));
    EXPECT_EQ(RowsOf(r), c.want) << c.offsets[0] << "," << c.offsets[1];
  }
}

TEST(ReadX3F, RowsStopAtTheRecordCapacity) {
  Rows many;
  for (int i = 0; i < 150; ++i) many.emplace_back("P" + std::to_string(i), "v");
  TMakerResult r = X3F(X3FFile({{"PROP", PropertySection(many)}}));
  EXPECT_EQ(r.Count, kRowCapacity);
  EXPECT_EQ(r.Items[100].Name, "P100");
  // A count far beyond the table ends with a read error, keeping the rows.
  std::string section = PropertySection({{"ISO", "100"}});
  section.replace(8, 4, LE32(0x40000000));
  EXPECT_LE(X3F(X3FFile({{"PROP", section}})).Count, 1);
}

TEST(X3FLoader, RowsUnderTheirCaption) {
  MemoryReader f(X3FFile({{"PROP", PropertySection({{"CAMMANUF", "SIGMA"}})}}));
  InfoTree tree;
  PageFields page;
  LoadFrom(f, "raw.X3F", LoadSwitches{}, tree, page);
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree[0].name, "X3F");
  EXPECT_EQ(tree[0].style, kStyleCaption);
  EXPECT_EQ(tree[1].name, "カメラメーカー");
  EXPECT_EQ(tree[1].style, kStyleKey);
}

TEST(ReadX3F, CorpusRaw) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  auto f = FileReader::Open((corpus / "Sigma.x3f").string());
  ASSERT_NE(f, nullptr);
  TMakerResult r;
  ReadX3F(*f, r);
  Rows rows = RowsOf(r);
  auto has = [&](const char* name, const char* value) {
    return std::find(rows.begin(), rows.end(), std::pair<std::string, std::string>{name, value}) !=
           rows.end();
  };
  EXPECT_TRUE(has("カメラメーカー", "SIGMA"));
  EXPECT_TRUE(has("機種名", "SIGMA SD10"));
  EXPECT_TRUE(has("シリアル番号", "02001234"));
  EXPECT_TRUE(has("撮影時刻", "2001/01/01 09:36:35"));
  EXPECT_TRUE(has("焦点距離", "30mm"));
}

}  // namespace
}  // namespace kelvane
