// The real HEIC, AVIF, CR3 and movie files of the corpus show the facts a
// user looks for: camera, date, exposure, position, the movie's tracks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/loader/loader.h"
#include "tests/support/load_helpers.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

struct Fact {
  const char* file;
  const char* name;
  const char* value;
};

TEST(BoxCorpus, RealFilesShowTheirKeyFacts) {
  const std::string dir = kelvane::testing::CorpusFolder().string();
  if (dir.empty()) GTEST_SKIP() << kelvane::testing::kNoCorpus;
  const Fact facts[] = {
      {"iPhone7.heic", "HEIF 情報", ""},
      {"iPhone7.heic", "画像サイズ", "4032 x 3024"},
      {"iPhone7.heic", "メーカー名", "Apple"},
      {"iPhone7.heic", "機種", "iPhone 7"},
      {"iPhone7.heic", "露出時間", "1/4000秒"},
      {"iPhone7.heic", "GPS情報", ""},
      {"ExifAtEnd.heic", "機種", "iPhone 11 Pro"},
      {"ExifAtEnd.heic", "ISO感度", "32"},
      {"QuickTime.heic", "圧縮形式", "HEVC (hvc1)"},
      {"AVIF.avif", "AVIF 情報", ""},
      {"AVIF.avif", "圧縮形式", "AV1 (av01)"},
      {"AVIF.avif", "Exifバージョン", "0232"},
      {"CanonRaw.cr3", "Canon CR3 情報", ""},
      {"CanonRaw.cr3", "機種", "Canon EOS M50"},
      {"CanonRaw.cr3", "ISO感度", "12800"},
      {"CanonRaw.cr3", "メーカー独自情報", ""},
      {"CanonRaw.cr3", "レンズ焦点距離", "15-45(mm)"},
      {"PhoneUdta.mp4", "MP4 Movie", ""},
      {"PhoneUdta.mp4", "作者", "ReplayKitRecording"},
      {"PhoneUdta.mp4", "トラック1 形式", "hvc1"},
      {"PhoneUdta.mp4", "トラック1 サイズ", "886 x 1920"},
      {"Sample.3gp", "トラック2 サイズ", "176 x 144"},
      {"Sample.3gp", "トラック2 フレームレート", "15.00fps"},
      {"SonyXAVC.mp4", "トラック1 形式", "avc1"},
      {"SonyXAVC.mp4", "トラック1 フレームレート", "50.00fps"},
      {"QuickTime.mov", "アルバム", "ålbum"},
      {"QuickTime.mov", "トラック1 サイズ", "320 x 240"},
  };
  for (const Fact& fact : facts) {
    InfoTree tree;
    PageFields page;
    Load(std::string(dir) + "/" + fact.file, {}, tree, page);
    const auto rows = testing::RowsOf(tree);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const testing::Row& r) {
      return r.name == fact.name && r.value == fact.value;
    })) << fact.file << ": " << fact.name << " = " << fact.value;
    if (std::string(fact.file) == "iPhone7.heic") {
      EXPECT_NE(page.MapURL, "");
    }
  }
}

}  // namespace
}  // namespace kelvane
