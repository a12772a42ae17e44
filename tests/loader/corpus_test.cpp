// Every real file of the corpus goes through the loader: no crash, no
// sanitizer report, the file closed, a JSON document that parses. The
// same files cut short must end their run just as quietly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/render.h"
#include "engine/loader/loader.h"
#include "tests/support/corpus.h"
#include "tests/support/json_check.h"
#include "tests/support/load_helpers.h"
#include "tests/support/whole_file.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  const fs::path dir = testing::CorpusFolder();
  if (dir.empty() || !fs::is_directory(dir)) return files;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

size_t OpenDescriptors() {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

TEST(Corpus, EveryFileLoadsClosesAndGivesValidJson) {
  auto files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << testing::kNoCorpus;
  for (const auto& path : files) {
    for (bool brief : {false, true}) {
      LoadSwitches sw;
      sw.abbreviated = brief;
      InfoTree tree;
      PageFields page;
      size_t before = OpenDescriptors();
      Load(path.string(), sw, tree, page);
      EXPECT_EQ(OpenDescriptors(), before) << path << ": file left open";
      EXPECT_FALSE(tree.Updating()) << path;
      std::string json = cli::RenderJson(path.string(), tree, page);
      EXPECT_TRUE(testing::IsValidJson(json)) << path;
      if (page.ThumbLen != 0) {
        EXPECT_LE(page.ThumbPos + page.ThumbLen, fs::file_size(path)) << path;
      }
    }
  }
}

// The abbreviated view shows a maker group only when it keeps one of its
// rows: a note whose rows are all detail rows leaves no empty heading.
TEST(Corpus, AbbreviatedViewShowsNoEmptyMakerHeading) {
  auto files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << testing::kNoCorpus;
  for (const auto& path : files) {
    LoadSwitches sw;
    sw.abbreviated = true;
    InfoTree tree;
    PageFields page;
    Load(path.string(), sw, tree, page);
    const std::vector<testing::Row> rows = testing::RowsOf(tree);
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].style != kStyleCaption || rows[i].name != "メーカー独自情報") continue;
      const bool last = i + 1 == rows.size();
      EXPECT_TRUE(!last && rows[i + 1].style != kStyleCaption)
          << path << ": empty heading " << rows[i];
    }
  }
}

// The page and kelvane-info keep one tree for every file they show, and the
// tree keeps the loader's storage between runs: nothing of one file may
// show in the next, whatever came before it.
TEST(Corpus, OneTreeForManyFilesGivesWhatANewTreeGives) {
  auto files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << testing::kNoCorpus;
  std::vector<fs::path> reversed(files.rbegin(), files.rend());
  for (const auto* order : {&files, &reversed}) {
    InfoTree shared;
    for (const auto& path : *order) {
      PageFields page, fresh_page;
      Load(path.string(), {}, shared, page);
      InfoTree fresh;
      Load(path.string(), {}, fresh, fresh_page);
      EXPECT_EQ(testing::RowsOf(shared), testing::RowsOf(fresh)) << path;
    }
  }
}

TEST(Corpus, RealJpegsListTheirExifSegment) {
  auto files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << testing::kNoCorpus;
  for (const char* name : {"Canon.jpg", "Nikon.jpg", "GPS.jpg", "Sony.jpg"}) {
    const fs::path path = testing::CorpusFile(name);
    if (!fs::exists(path)) continue;
    InfoTree tree;
    PageFields page;
    Load(path.string(), {}, tree, page);
    ASSERT_GT(tree.size(), 0u) << name;
    EXPECT_EQ(tree[0].name, "JFIF_APP1") << name;
    EXPECT_EQ(tree[0].value, "Exif") << name;
    bool main_group = false;
    for (const auto& row : tree.Rows()) main_group |= row.style == 3 && row.name == "メイン情報";
    EXPECT_TRUE(main_group) << name;
  }
}

TEST(Corpus, TruncatedFilesEndTheRunQuietly) {
  auto files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << testing::kNoCorpus;
  for (const auto& path : files) {
    const std::string bytes = testing::WholeFile(path);
    std::vector<size_t> cuts;
    // Every length through the headers and first directories, then a
    // stride through the rest.
    constexpr size_t kEveryLength = 2048;
    for (size_t n = 0; n < std::min(bytes.size(), kEveryLength); ++n) cuts.push_back(n);
    for (size_t k = 1; k <= 64 && bytes.size() > kEveryLength; ++k)
      cuts.push_back(kEveryLength + (bytes.size() - kEveryLength) * k / 65);
    for (size_t n : cuts) {
      MemoryReader f(bytes.substr(0, n));
      InfoTree tree;
      PageFields page;
      LoadFrom(f, path.filename().string(), {}, tree, page);
      ASSERT_FALSE(tree.Updating()) << path << " cut at " << n;
      ASSERT_LE(page.ThumbPos + page.ThumbLen, n) << path << " cut at " << n;
    }
  }
}

}  // namespace
}  // namespace kelvane
