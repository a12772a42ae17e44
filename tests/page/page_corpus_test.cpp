// The page over every real file of the corpus (KELVANE_CORPUS): the view
// switches rebuild the same rows, and the exports are built from them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "page/property_page.h"
#include "tests/page/fake_platform.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using testing::FakePlatform;

using RowText = std::tuple<int, std::string, std::string>;

std::vector<RowText> RowsOf(const PropertyPage& page) {
  std::vector<RowText> out;
  for (const TreeRow& r : page.Tree().Rows()) out.emplace_back(r.style, r.name, r.value);
  return out;
}

TEST(PageCorpus, SwitchesRebuildTheSameRowsAndCopiesCarryThem) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
    const std::string path = entry.path().string();
    ++files;
    FakePlatform platform;
    PropertyPage page(platform);
    page.FormCreate({path});
    const std::vector<RowText> first = RowsOf(page);
    const PageFields fields = page.Fields();

    page.MShowIPTCClick();
    page.MShowIPTCClick();
    page.MShowXMPClick();
    page.MShowXMPClick();
    page.PIMClick();
    page.PIMClick();
    page.MShowMinClick();
    EXPECT_LE(page.Tree().size(), first.size()) << path;
    page.MShowAllClick();
    EXPECT_EQ(RowsOf(page), first) << path;
    EXPECT_EQ(page.Fields().MapURL, fields.MapURL) << path;
    EXPECT_EQ(page.Fields().ThumbPos, fields.ThumbPos) << path;
    EXPECT_EQ(page.Fields().ThumbLen, fields.ThumbLen) << path;
    EXPECT_EQ(page.MenuEnabled(MenuId::ShowMap), !fields.MapURL.empty()) << path;

    page.MCopyAllClick();
    const auto copies = platform.CallsNamed("SetClipboardText");
    ASSERT_EQ(copies.size(), 1u);
    const std::string& text = copies[0].args[0];
    const std::string head = "ファイル名 : " + entry.path().filename().string() + "\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head) << path;
    // Every row's name, in order (values may hold line breaks of their own).
    size_t at = head.size();
    for (const auto& [style, name, value] : first) {
      const size_t found = text.find(name.substr(0, name.find('\0')), at);
      ASSERT_NE(found, std::string::npos) << path << ": " << name;
      at = found;
    }
  }
  EXPECT_GT(files, 0u);
}

}  // namespace
}  // namespace kelvane
