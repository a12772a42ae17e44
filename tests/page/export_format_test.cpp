#include "page/export_format.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

std::vector<TreeRow> SampleRows() {
  return {
      {kStyleCaption, "メイン情報", "", false},
      {kStyleBasic, "Make", "Canon", true},
      {kStyleDetail, "緯度(N/S)", "N", false},
      {kStyleKey, "Comment", "say \"hi\"", true},
      {kStyleDetail, "UserComment", std::string("ASCII\0\0junk", 11), false},
  };
}

TEST(ExportText, ClipboardFormsInUtf8) {
  struct Case {
    ExportKind kind;
    std::string want;
  } cases[] = {
      {ExportKind::kCopyAll,
       "ファイル名 : IMG_0001.JPG\r\nメイン情報\r\nMake : Canon\r\n緯度(N/S) : N\r\n"
       "Comment : say \"hi\"\r\nUserComment : ASCII\r\n"},
      {ExportKind::kCopyNames, "ファイル名\r\nメイン情報\r\nMake\r\n緯度(N/S)\r\nComment\r\nUserComment\r\n"},
      {ExportKind::kCopyValues, "IMG_0001.JPG\r\n\r\nCanon\r\nN\r\nsay \"hi\"\r\nASCII\r\n"},
      {ExportKind::kCopySelected, "Make : Canon\r\nComment : say \"hi\"\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExportText(c.kind, SampleRows(), "IMG_0001.JPG", OutputEncoding::kUtf8), c.want)
        << static_cast<int>(c.kind);
}

TEST(ExportText, CopySelectedWritesSelectedCaptionsAsNamesAndNothingWhenNoneSelected) {
  std::vector<TreeRow> rows = SampleRows();
  rows[0].selected = true;
  EXPECT_EQ(ExportText(ExportKind::kCopySelected, rows, "x.jpg", OutputEncoding::kUtf8),
            "メイン情報\r\nMake : Canon\r\nComment : say \"hi\"\r\n");
  for (TreeRow& r : rows) r.selected = false;
  EXPECT_EQ(ExportText(ExportKind::kCopySelected, rows, "x.jpg", OutputEncoding::kUtf8), "");
}

TEST(ExportText, WithNoRowsOnlyTheFirstLine) {
  struct Case {
    ExportKind kind;
    std::string want;
  } cases[] = {
      {ExportKind::kCopyAll, "ファイル名 : a.jpg\r\n"},
      {ExportKind::kCopyNames, "ファイル名\r\n"},
      {ExportKind::kCopyValues, "a.jpg\r\n"},
      {ExportKind::kCopySelected, ""},
      // In UTF-8 "ファイル名" takes 15 of the 25 bytes.
      {ExportKind::kTextFile, "          ファイル名 : a.jpg\r\n"},
      {ExportKind::kCsvFile, "\"ファイル名\",\"a.jpg\"\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExportText(c.kind, {}, "a.jpg", OutputEncoding::kUtf8), c.want)
        << static_cast<int>(c.kind);
}

// The file forms are CP932; the 25-byte field counts CP932 bytes.
constexpr char kFileNameCp932[] = "\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC";  // ファイル名
constexpr char kMainCp932[] = "\x83\x81\x83\x43\x83\x93\x8F\xEE\x95\xF1";      // メイン情報
constexpr char kLatRefCp932[] = "\x88\xDC\x93\x78(N/S)";                        // 緯度(N/S)

TEST(ExportText, TextFileBytes) {
  const std::string want = std::string(15, ' ') + kFileNameCp932 + " : IMG_0001.JPG\r\n" +
                           kMainCp932 + "\r\n" + std::string(21, ' ') + "Make : Canon\r\n" +
                           std::string(16, ' ') + kLatRefCp932 + " : N\r\n" +
                           std::string(18, ' ') + "Comment : say \"hi\"\r\n" +
                           std::string(14, ' ') + "UserComment : ASCII\r\n";
  EXPECT_EQ(ExportText(ExportKind::kTextFile, SampleRows(), "IMG_0001.JPG",
                       OutputEncoding::kCp932),
            want);
}

TEST(ExportText, CsvFileBytesDoubleInnerQuotes) {
  const std::string want = std::string("\"") + kFileNameCp932 + "\",\"IMG_0001.JPG\"\r\n\"" +
                           kMainCp932 + "\"\r\n\"Make\",\"Canon\"\r\n\"" + kLatRefCp932 +
                           "\",\"N\"\r\n\"Comment\",\"say \"\"hi\"\"\"\r\n"
                           "\"UserComment\",\"ASCII\"\r\n";
  EXPECT_EQ(ExportText(ExportKind::kCsvFile, SampleRows(), "IMG_0001.JPG",
                       OutputEncoding::kCp932),
            want);
}

TEST(ExportText, LongNamesAreNotCutAndJapaneseFileNamesAreConverted) {
  const std::vector<TreeRow> rows = {{kStyleBasic, std::string(30, 'N'), "v", false}};
  EXPECT_EQ(ExportText(ExportKind::kTextFile, rows, "写真.jpg", OutputEncoding::kCp932),
            std::string(15, ' ') + kFileNameCp932 + " : \x8E\xCA\x90\x5E" ".jpg\r\n" +
                std::string(30, 'N') + " : v\r\n");
}

TEST(ExportText, NulEndsTheValueInFilesAndTheLineOnTheClipboard) {
  const std::vector<TreeRow> rows = {
      {kStyleBasic, std::string("Na\0me", 5), std::string("va\0lue", 6), false},
      {kStyleBasic, "Next", "row", false},
  };
  EXPECT_EQ(ExportText(ExportKind::kCopyAll, rows, "f", OutputEncoding::kUtf8),
            "ファイル名 : f\r\nNa\r\nNext : row\r\n");
  EXPECT_EQ(ExportText(ExportKind::kCopyValues, rows, "f", OutputEncoding::kUtf8),
            "f\r\nva\r\nrow\r\n");
  EXPECT_EQ(ExportText(ExportKind::kCsvFile, rows, "f", OutputEncoding::kUtf8),
            "\"ファイル名\",\"f\"\r\n\"" + std::string("Na\0me", 5) +
                "\",\"va\"\r\n\"Next\",\"row\"\r\n");
}

}  // namespace
}  // namespace kelvane
