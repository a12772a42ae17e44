#include "page/file_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "page/file_output.h"
#include "tests/page/fake_platform.h"

namespace kelvane {
namespace {

TEST(NamesSameFile, NamesAreComparedAsWindowsComparesThem) {
  struct Case {
    const char* target;
    const char* examined;
    bool same;
  } cases[] = {
      {"C:\\Photos\\IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG", true},
      {"c:\\photos\\img_0001.jpg", "C:\\Photos\\IMG_0001.JPG", true},
      {"C:/Photos/IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG", true},
      {"C:\\Photos\\.\\sub\\..\\IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG", true},
      {"C:\\Photos\\\\IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG", true},
      {"C:\\Photos\\IMG_0001.JPG.", "C:\\Photos\\IMG_0001.JPG", true},
      {"C:\\Photos\\IMG_0001.JPG ", "C:\\Photos\\IMG_0001.JPG", true},
      {"C:\\Photos\\IMG_0001.jpg.txt", "C:\\Photos\\IMG_0001.JPG", false},
      {"C:\\Photos\\IMG_0001.txt", "C:\\Photos\\IMG_0001.JPG", false},
      {"C:\\Other\\IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG", false},
      {"C:\\Photos\\..\\IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG", false},
      {"D:\\Photos\\IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG", false},
      {"C:\\写真\\ＩＭＧ.jpg", "C:\\写真\\ＩＭＧ.jpg", true},
      {"", "", false},
      {"C:\\Photos\\IMG_0001.JPG", "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NamesSameFile(c.target, c.examined), c.same) << c.target << " / " << c.examined;
}

TEST(NamesSameFile, TwoNamesOfOneFileOnDiskAreTheSame) {
  testing::TempDir dir;
  ASSERT_TRUE(WriteWholeFile(dir.File("photo.jpg"), "bytes"));
  ASSERT_TRUE(WriteWholeFile(dir.File("other.jpg"), "bytes"));
  std::filesystem::create_hard_link(dir.File("photo.jpg"), dir.File("link.jpg"));
  EXPECT_TRUE(NamesSameFile(dir.File("link.jpg"), dir.File("photo.jpg")));
  EXPECT_FALSE(NamesSameFile(dir.File("other.jpg"), dir.File("photo.jpg")));
  EXPECT_FALSE(NamesSameFile(dir.File("new.jpg"), dir.File("photo.jpg")));
}

}  // namespace
}  // namespace kelvane
