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

TEST(PageSave, EachDialogHasItsTitleFiltersAndExtension) {
  struct Case {
    void (PropertyPage::*handler)();
    Call want;
  } cases[] = {
      {&PropertyPage::MSaveCSVClick,
       {"SaveFileDialog",
        {"CSV (Shift_JIS) (*.csv)|*.csv|CSV (UTF-8) (*.csv)|*.csv", "*.csv", "CSV形式で保存",
         "C:\\Photos\\", "C:\\Photos\\IMG_0001.csv", "prompt"}}},
      {&PropertyPage::N8Click,
       {"SaveFileDialog",
        {"テキスト (Shift_JIS) (*.txt)|*.txt|テキスト (UTF-8) (*.txt)|*.txt", "*.txt",
         "テキスト形式で保存", "C:\\Photos\\", "C:\\Photos\\IMG_0001.txt", "prompt"}}},
      {&PropertyPage::SaveButtonClick,
       {"SaveFileDialog",
        {"JPEG (*.jpg)|*.jpg", "*.jpg", "サムネイルの保存", "C:\\Photos\\",
         "C:\\Photos\\IMG_0001_thumbnail.jpg", "prompt"}}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;  // the user cancels
    FakeLoader loader = CanonLoader();
    loader.fields.ThumbPos = 10;
    loader.fields.ThumbLen = 10;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({"C:\\Photos\\IMG_0001.JPG"});
    platform.calls.clear();
    (page.*c.handler)();
    EXPECT_EQ(platform.calls, (std::vector<Call>{c.want}));
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

TEST(PageSave, Utf8ChoiceWritesUtf8WithAByteOrderMark) {
  struct Case {
    void (PropertyPage::*handler)();
    std::string want;
  } cases[] = {
      {&PropertyPage::N8Click, "\xEF\xBB\xBF          ファイル名 : IMG_0001.JPG\r\nメイン情報\r\n" +
                                   std::string(21, ' ') + "Make : 한국 ♥\r\n"},
      {&PropertyPage::MSaveCSVClick,
       "\xEF\xBB\xBF\"ファイル名\",\"IMG_0001.JPG\"\r\n\"メイン情報\"\r\n\"Make\",\"한국 ♥\"\r\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    FakePlatform platform;
    platform.dialog_answer = dir.File("out.txt");
    platform.dialog_filter_index = kUtf8FilterIndex;
    FakeLoader loader;
    loader.rows = {{3, "メイン情報", ""}, {0, "Make", "한국 ♥"}};
    PropertyPage page(platform, loader.Function());
    page.FormCreate({dir.File("IMG_0001.JPG")});
    (page.*c.handler)();
    EXPECT_EQ(ReadFile(*platform.dialog_answer), c.want);
    EXPECT_TRUE(platform.CallsNamed("ShowMessage").empty());
  }
}

TEST(PageSave, CharactersCp932LacksAreReportedOnceAfterTheSave) {
  const Call lost{"ShowMessage", {"Kelvane", "一部の文字は保存できませんでした"}};
  struct Case {
    const char* what;
    std::vector<FakeLoader::Row> rows;
    std::string file_name;
    bool reported;
  } cases[] = {
      {"all in CP932", {{3, "メイン情報", ""}, {0, "Comment", "what? ～ ¥"}}, "a.jpg", false},
      {"Hangul and an emoji in two rows",
       {{0, "Artist", "한국"}, {0, "Comment", "smile 😀"}}, "a.jpg", true},
      {"in a caption row", {{3, "情報 ♥", ""}}, "a.jpg", true},
      {"in the file name", {{0, "Make", "Canon"}}, "사진.jpg", true},
      {"after a NUL: not written", {{0, "UserComment", std::string("ok\0한", 6)}}, "a.jpg", false},
  };
  for (const Case& c : cases) {
    for (auto handler : {&PropertyPage::N8Click, &PropertyPage::MSaveCSVClick}) {
      TempDir dir;
      FakePlatform platform;
      platform.dialog_answer = dir.File("out.txt");
      FakeLoader loader;
      loader.rows = c.rows;
      PropertyPage page(platform, loader.Function());
      page.FormCreate({dir.File(c.file_name)});
      (page.*handler)();
      ASSERT_TRUE(ReadFile(*platform.dialog_answer).has_value()) << c.what;
      EXPECT_EQ(platform.CallsNamed("ShowMessage"),
                c.reported ? std::vector<Call>{lost} : std::vector<Call>{})
          << c.what;
    }
  }
}

TEST(PageSave, TheExaminedFileIsNeverATarget) {
  const std::string photo_bytes = "\xFF\xD8 the photo";
  struct Case {
    const char* target;  // relative to the folder; "/" stands for either separator
    std::string kind;    // "CSV", "text" or "thumbnail"
  } cases[] = {
      {"IMG_0001.JPG", "CSV"},
      {"img_0001.jpg", "text"},
      {"sub/../IMG_0001.JPG", "thumbnail"},
      {"./IMG_0001.JPG", "thumbnail"},
      {"IMG_0001.JPG", "thumbnail"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string photo = dir.File("IMG_0001.JPG");
    ASSERT_TRUE(WriteWholeFile(photo, photo_bytes));
    FakePlatform platform;
    platform.dialog_answer = dir.File(c.target);
    FakeLoader loader = CanonLoader();
    loader.fields.ThumbPos = 2;
    loader.fields.ThumbLen = 4;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({photo});
    if (c.kind == "CSV") page.MSaveCSVClick();
    if (c.kind == "text") page.N8Click();
    if (c.kind == "thumbnail") page.SaveButtonClick();
    EXPECT_EQ(ReadFile(photo), photo_bytes) << c.target << " " << c.kind;
    const auto messages = platform.CallsNamed("ShowMessage");
    ASSERT_EQ(messages.size(), 1u) << c.target << " " << c.kind;
    EXPECT_EQ(messages[0].args[1],
              "「" + dir.File(c.target) +
                  "」は表示中のファイルです。上書きすると写真が失われるため、保存できません。\n"
                  "別のファイル名を指定してください。");
  }
}

TEST(PageSave, AFailedWriteNamesTheFileAndTheReasonAndLeavesNoFile) {
  struct Case {
    const char* target;
    const char* reason;
  } cases[] = {
      {"missing/out.txt", "保存先のフォルダが見つかりません。"},
      {"folder", "同じ名前のフォルダがあります。"},
  };
  for (const Case& c : cases) {
    for (auto handler : {&PropertyPage::N8Click, &PropertyPage::MSaveCSVClick,
                         &PropertyPage::SaveButtonClick}) {
      TempDir dir;
      std::filesystem::create_directory(dir.File("folder"));
      const std::string photo = dir.File("IMG_0001.JPG");
      ASSERT_TRUE(WriteWholeFile(photo, std::string(64, 'p')));
      FakePlatform platform;
      platform.dialog_answer = dir.File(c.target);
      FakeLoader loader = CanonLoader();
      loader.fields.ThumbPos = 2;
      loader.fields.ThumbLen = 4;
      PropertyPage page(platform, loader.Function());
      page.FormCreate({photo});
      (page.*handler)();
      EXPECT_EQ(platform.CallsNamed("ShowMessage"),
                (std::vector<Call>{{"ShowMessage",
                                    {"Kelvane", "「" + dir.File(c.target) +
                                                    "」に保存できませんでした。\n" + c.reason}}}))
          << c.target;
      EXPECT_FALSE(std::filesystem::is_regular_file(dir.File(c.target))) << c.target;
      // Nothing half-written is left anywhere in the folder.
      size_t entries = 0;
      for (const auto& e : std::filesystem::recursive_directory_iterator(dir.File(""))) {
        (void)e;
        ++entries;
      }
      EXPECT_EQ(entries, 2u) << c.target;  // the photo and "folder"
    }
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

TEST(PageThumbnail, SavesExactlyTheRecordedBytesOverAnOlderFile) {
  for (bool existing : {false, true}) {
    TempDir dir;
    const std::string photo = dir.File("IMG_0001.JPG");
    ASSERT_TRUE(WriteWholeFile(photo, Pattern(300)));
    if (existing) {
      ASSERT_TRUE(WriteWholeFile(dir.File("thumb.jpg"), std::string(1000, 'o')));
    }
    FakePlatform platform;
    platform.dialog_answer = dir.File("thumb.jpg");
    FakeLoader loader;
    loader.fields.ThumbPos = 100;
    loader.fields.ThumbLen = 150;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({photo});
    page.SaveButtonClick();
    EXPECT_EQ(ReadFile(dir.File("thumb.jpg")), Pattern(300).substr(100, 150));
    EXPECT_EQ(ReadFile(photo), Pattern(300));
    EXPECT_TRUE(platform.CallsNamed("ShowMessage").empty());
  }
}

TEST(PageThumbnail, NothingIsWrittenWithoutThumbnailOrWhenItCannotBeRead) {
  struct Case {
    const char* what;
    uint64_t pos, len;
    bool photo_exists;
    bool cancel;
    size_t dialogs;
    bool unreadable_message;
  } cases[] = {
      {"no position", 0, 10, true, false, 0, false},
      {"no length", 10, 0, true, false, 0, false},
      {"cancelled", 10, 10, true, true, 1, false},
      {"photo gone", 10, 10, false, false, 1, true},
      {"past the end", 250, 51, true, false, 1, true},
      {"huge length", 1, UINT64_MAX, true, false, 1, true},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string photo = dir.File("IMG_0001.JPG");
    if (c.photo_exists) {
      ASSERT_TRUE(WriteWholeFile(photo, Pattern(300)));
    }
    FakePlatform platform;
    if (!c.cancel) platform.dialog_answer = dir.File("t.jpg");
    FakeLoader loader;
    loader.fields.ThumbPos = c.pos;
    loader.fields.ThumbLen = c.len;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({photo});
    page.SaveButtonClick();
    EXPECT_EQ(platform.CallsNamed("SaveFileDialog").size(), c.dialogs) << c.what;
    EXPECT_FALSE(std::filesystem::exists(dir.File("t.jpg"))) << c.what;
    const std::vector<Call> want =
        c.unreadable_message
            ? std::vector<Call>{{"ShowMessage",
                                 {"Kelvane", "「" + photo +
                                                 "」からサムネイルを読み込めませんでした。"
                                                 "ファイルが移動または変更された可能性があります。"}}}
            : std::vector<Call>{};
    EXPECT_EQ(platform.CallsNamed("ShowMessage"), want) << c.what;
  }
}

}  // namespace
}  // namespace kelvane
