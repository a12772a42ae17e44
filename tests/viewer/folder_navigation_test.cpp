// The viewer's previous and next file: a folder's files of the kinds the
// loader reads, in kelvane-info's order, from the open file (of a kind the
// loader reads or not), stopping at either end.
#include "viewer/folder_navigation.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace kelvane::viewer {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kFolder = {"/p/A.JPG", "/p/b.nef", "/p/c.x3f", "/p/e.dcm"};

TEST(NeighbourIn, StepsThroughTheSortedFilesAndStopsAtTheEnds) {
  struct Case {
    const char* current;
    int step;
    std::optional<std::string> expected;
  } cases[] = {
      {"/p/A.JPG", 1, "/p/b.nef"},
      {"/p/b.nef", 1, "/p/c.x3f"},
      {"/p/b.nef", -1, "/p/A.JPG"},
      {"/p/b.nef", 2, "/p/e.dcm"},
      {"/p/A.JPG", -1, std::nullopt},
      {"/p/e.dcm", 1, std::nullopt},
      {"/p/b.nef", 0, std::nullopt},
      // Spelled otherwise on the command line: the same file on Windows.
      {"/p/a.jpg", 1, "/p/b.nef"},
      {"C:\\p\\C.X3F", -1, "/p/b.nef"},
      // Not among them (another kind, or gone): its place between them.
      {"/p/d.txt", 1, "/p/e.dcm"},
      {"/p/d.txt", -1, "/p/c.x3f"},
      {"/p/d.txt", -2, "/p/b.nef"},
      {"/p/0.txt", -1, std::nullopt},
      {"/p/0.txt", 1, "/p/A.JPG"},
      {"/p/z.txt", 1, std::nullopt},
      {"/p/z.txt", -1, "/p/e.dcm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.current) + " " + std::to_string(c.step));
    EXPECT_EQ(NeighbourIn(kFolder, c.current, c.step), c.expected);
  }
  EXPECT_EQ(NeighbourIn({}, "/p/a.jpg", 1), std::nullopt);
}

// On disk: only the kinds the loader reads count, subfolders do not, and
// the order is kelvane-info's (byte order of the names).
TEST(NeighbourFile, WalksTheFolderAsKelvaneInfoListsIt) {
  const fs::path dir = fs::temp_directory_path() / ("kelvane-viewer-" + std::to_string(::getpid()));
  fs::create_directories(dir / "sub.jpg");
  for (const char* name : {"b.jpg", "Z.dcm", "notes.txt", "c.X3F", "d.jpg.bak"})
    std::ofstream(dir / name) << "x";
  const std::string b = (dir / "b.jpg").string(), c = (dir / "c.X3F").string(),
                    z = (dir / "Z.dcm").string();
  EXPECT_EQ(NeighbourFile(z, 1), b);
  EXPECT_EQ(NeighbourFile(b, 1), c);
  EXPECT_EQ(NeighbourFile(c, 1), std::nullopt);
  EXPECT_EQ(NeighbourFile(c, -1), b);
  EXPECT_EQ(NeighbourFile(z, -1), std::nullopt);
  EXPECT_EQ(NeighbourFile((dir / "notes.txt").string(), -1), c);
  EXPECT_EQ(NeighbourFile((dir / "notes.txt").string(), 1), std::nullopt);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kelvane::viewer
