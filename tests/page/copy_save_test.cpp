#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "page/file_output.h"
#include "page/property_page.h"
#include "tests/page/fake_platform.h"

namespace kelvane {
namespace {

using testing::Call;
using testing::FakeLoader;
using testing::FakePlatform;
using testing::TempDir;

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

FakeLoader CanonLoader() {
  FakeLoader loader;
  loader.rows = {{3, "メイン情報", ""}, {0, "Make", "Canon"}};
  return loader;
}

TEST(PageCopy, EachCopyPutsItsTextOnTheClipboard) {
  struct Case {
    void (PropertyPage::*handler)();
    std::string want;
  } cases[] = {
      {&PropertyPage::MCopyAllClick, "ファイル名 : IMG_0001.JPG\r\nメイン情報\r\nMake : Canon\r\n"},
      {&PropertyPage::MCopyAllNameClick, "ファイル名\r\nメイン情報\r\nMake\r\n"},
      {&PropertyPage::MCopyAllInfoClick, "IMG_0001.JPG\r\n\r\nCanon\r\n"},
      {&PropertyPage::MCopy2Click, ""},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    FakeLoader loader = CanonLoader();
    PropertyPage page(platform, loader.Function());
    page.FormCreate({"C:\\Photos\\IMG_0001.JPG"});
    platform.calls.clear();
    (page.*c.handler)();
    EXPECT_EQ(platform.calls, (std::vector<Call>{{"SetClipboardText", {c.want}}}));
  }
}

TEST(PageCopy, CopySelectedTakesTheRowsTheTreeReportsSelected) {
  FakePlatform platform;
  FakeLoader loader = CanonLoader();
  loader.rows.push_back({1, "Model", "EOS"});
  PropertyPage page(platform, loader.Function());
  page.FormCreate({"/photos/a.jpg"});
  page.SelectRow(0, true);
  page.SelectRow(2, true);
  page.MCopy2Click();
  page.SelectRow(0, false);
  page.MCopy2Click();
  EXPECT_EQ(platform.CallsNamed("SetClipboardText"),
            (std::vector<Call>{{"SetClipboardText", {"メイン情報\r\nModel : EOS\r\n"}},
                               {"SetClipboardText", {"Model : EOS\r\n"}}}));
}

TEST(PageSave, DialogOffersTheFileWithTxtForBothKinds) {
  for (const char* kind : {"CSV", ""}) {
    FakePlatform platform;  // the user cancels
    FakeLoader loader = CanonLoader();
    PropertyPage page(platform, loader.Function());
    page.FormCreate({"C:\\Photos\\IMG_0001.JPG"});
    platform.calls.clear();
    page.SaveFile(kind);
    EXPECT_EQ(platform.calls,
              (std::vector<Call>{{"SaveFileDialog",
                                  {"Text (*.txt)|*.txt|CSV (*.csv)|*.csv", "*.txt", "Save CSV",
                                   "C:\\Photos\\", "C:\\Photos\\IMG_0001.txt", "prompt"}}}))
        << kind;
  }
}

TEST(PageSave, WritesTheChosenFileInCp932) {
  const std::string file_line_text = std::string(15, ' ') +
                                     "\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC : IMG_0001.JPG\r\n";
  const std::string main_cp932 = "\x83\x81\x83\x43\x83\x93\x8F\xEE\x95\xF1";
  struct Case {
    void (PropertyPage::*handler)();
    std::string want;
  } cases[] = {
      {&PropertyPage::N8Click,
       file_line_text + main_cp932 + "\r\n" + std::string(21, ' ') + "Make : Canon\r\n"},
      {&PropertyPage::MSaveCSVClick,
       "\"\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\",\"IMG_0001.JPG\"\r\n\"" + main_cp932 +
           "\"\r\n\"Make\",\"Canon\"\r\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    FakePlatform platform;
    platform.dialog_answer = dir.File("out.txt");
    ASSERT_TRUE(WriteWholeFile(*platform.dialog_answer, "old contents that are longer"));
    FakeLoader loader = CanonLoader();
    PropertyPage page(platform, loader.Function());
    page.FormCreate({dir.File("IMG_0001.JPG")});
    (page.*c.handler)();
    EXPECT_EQ(ReadFile(*platform.dialog_answer), c.want);
  }
}

TEST(PageSave, CancelWritesNothing) {
  TempDir dir;
  FakePlatform platform;
  FakeLoader loader = CanonLoader();
  PropertyPage page(platform, loader.Function());
  page.FormCreate({dir.File("IMG_0001.JPG")});
  page.N8Click();
  page.MSaveCSVClick();
  EXPECT_FALSE(std::filesystem::exists(dir.File("IMG_0001.txt")));
  EXPECT_EQ(platform.CallsNamed("SaveFileDialog").size(), 2u);
}

std::string Pattern(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s.push_back(static_cast<char>(i * 7 + 3));
  return s;
}

TEST(PageThumbnail, SavesExactlyTheRecordedBytes) {
  TempDir dir;
  const std::string photo = dir.File("IMG_0001.JPG");
  ASSERT_TRUE(WriteWholeFile(photo, Pattern(300)));
  FakePlatform platform;
  platform.dialog_answer = dir.File("thumb.jpg");
  FakeLoader loader;
  loader.fields.ThumbPos = 100;
  loader.fields.ThumbLen = 150;
  PropertyPage page(platform, loader.Function());
  page.FormCreate({photo});
  platform.calls.clear();
  page.SaveButtonClick();
  EXPECT_EQ(platform.calls,
            (std::vector<Call>{{"SaveFileDialog",
                                {"JPEG (*.jpg)|*.jpg", "*.jpg", "Save Thumbnail", "", "",
                                 "no prompt"}}}));
  EXPECT_EQ(ReadFile(dir.File("thumb.jpg")), Pattern(300).substr(100, 150));
}

TEST(PageThumbnail, SavingOverTheExaminedFileKeepsTheThumbnailBytes) {
  TempDir dir;
  const std::string photo = dir.File("IMG_0001.JPG");
  ASSERT_TRUE(WriteWholeFile(photo, Pattern(300)));
  FakePlatform platform;
  platform.dialog_answer = photo;
  FakeLoader loader;
  loader.fields.ThumbPos = 40;
  loader.fields.ThumbLen = 60;
  PropertyPage page(platform, loader.Function());
  page.FormCreate({photo});
  page.SaveButtonClick();
  EXPECT_EQ(ReadFile(photo), Pattern(300).substr(40, 60));
}

TEST(PageThumbnail, NothingWithoutThumbnailOrWhenTheCopyCannotBeMade) {
  struct Case {
    const char* what;
    uint64_t pos, len;
    bool photo_exists;
    bool cancel;
    const char* target;
    size_t dialogs;
  } cases[] = {
      {"no position", 0, 10, true, false, "t.jpg", 0},
      {"no length", 10, 0, true, false, "t.jpg", 0},
      {"cancelled", 10, 10, true, true, "t.jpg", 1},
      {"photo gone", 10, 10, false, false, "t.jpg", 1},
      {"past the end", 250, 51, true, false, "t.jpg", 1},
      {"huge length", 1, UINT64_MAX, true, false, "t.jpg", 1},
      {"no such folder", 10, 10, true, false, "missing/t.jpg", 1},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string photo = dir.File("IMG_0001.JPG");
    if (c.photo_exists) {
      ASSERT_TRUE(WriteWholeFile(photo, Pattern(300)));
    }
    FakePlatform platform;
    if (!c.cancel) platform.dialog_answer = dir.File(c.target);
    FakeLoader loader;
    loader.fields.ThumbPos = c.pos;
    loader.fields.ThumbLen = c.len;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({photo});
    page.SaveButtonClick();
    EXPECT_EQ(platform.CallsNamed("SaveFileDialog").size(), c.dialogs) << c.what;
    EXPECT_FALSE(std::filesystem::exists(dir.File(c.target))) << c.what;
    EXPECT_TRUE(platform.CallsNamed("ShowMessage").empty()) << c.what;
  }
}

}  // namespace
}  // namespace kelvane
