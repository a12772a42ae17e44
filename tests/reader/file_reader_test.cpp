// The buffered file reader gives exactly what the in-memory reader gives,
// at the same positions, with the same errors, while reading in windows.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "engine/reader/primitives.h"
#include "engine/reader/reader.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

TEST(FileReader, MatchesTheMemoryReaderAcrossWindowEdges) {
  std::mt19937 random(1);
  std::string bytes(100000, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  fs::path path = fs::temp_directory_path() / ("kelvane-reader-" + std::to_string(getpid()));
  std::ofstream(path, std::ios::binary) << bytes;

  auto file = FileReader::Open(path.string());
  ASSERT_TRUE(file);
  MemoryReader memory(bytes);
  EXPECT_EQ(file->Size(), bytes.size());
  // Seeks forwards and backwards, small and large reads, some past the end.
  for (int i = 0; i < 2000; ++i) {
    uint64_t pos = random() % (bytes.size() + 10);
    uint64_t n = (i % 50 == 0) ? 40000 : random() % 9;
    file->Seek(pos);
    memory.Seek(pos);
    std::string a, b;
    bool a_failed = false, b_failed = false;
    try {
      a = ReadRaw(*file, static_cast<int64_t>(n));
    } catch (const ReadError&) {
      a_failed = true;
    }
    try {
      b = ReadRaw(memory, static_cast<int64_t>(n));
    } catch (const ReadError&) {
      b_failed = true;
    }
    ASSERT_EQ(a_failed, b_failed) << pos << "+" << n;
    ASSERT_EQ(a, b) << pos << "+" << n;
    ASSERT_EQ(file->Position(), memory.Position());
  }
  // Byte-by-byte reads: the window starts at 4 KiB and doubles while the
  // reading runs on (4 + 8 + 16 + 32 KiB, then the last 38560 bytes).
  auto sequential = FileReader::Open(path.string());
  for (int i = 0; i < 4096; ++i) ReadByte(*sequential);
  EXPECT_EQ(sequential->SourceReads(), 1u);
  EXPECT_EQ(sequential->SourceBytes(), 4096u);
  for (size_t i = 4096; i < bytes.size(); ++i) ReadByte(*sequential);
  EXPECT_EQ(sequential->SourceReads(), 5u);
  EXPECT_EQ(sequential->SourceBytes(), bytes.size());
  // A jump back reads that place once more.
  sequential->Seek(10);
  ReadByte(*sequential);
  EXPECT_EQ(sequential->SourceReads(), 6u);
  sequential.reset();
  file.reset();
  fs::remove(path);
}

TEST(FileReader, MissingFilesAndFoldersDoNotOpen) {
  EXPECT_FALSE(FileReader::Open("/no/such/file.jpg"));
  EXPECT_FALSE(FileReader::Open(fs::temp_directory_path().string()));
}

}  // namespace
}  // namespace kelvane
