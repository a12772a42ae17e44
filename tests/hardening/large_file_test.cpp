// Files of any size load by seeking: a 4 GiB TIFF whose IFD lies at its
// end and a 4 GiB movie whose header follows its media data are read in a
// few small reads, never in full. The files are sparse.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using fixtures::BE32;
using fixtures::Ifd;

constexpr uint64_t kFourGiB = uint64_t{1} << 32;

// Writes `head` at 0 and `tail` at `tail_at`; the bytes between are a hole.
fs::path SparseFile(const std::string& name, const std::string& head, uint64_t tail_at,
                    const std::string& tail) {
  fs::path p = fs::temp_directory_path() / ("kelvane-large-" + std::to_string(getpid()) + name);
  {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << head;
    out.seekp(static_cast<std::streamoff>(tail_at));
    out << tail;
  }
  return p;
}

struct Timed {
  double ms;
  std::vector<TreeRow> rows;
};

Timed LoadTimed(const fs::path& p) {
  InfoTree tree;
  PageFields page;
  auto start = std::chrono::steady_clock::now();
  Load(p.string(), {}, tree, page);
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  return {ms, {tree.Rows().begin(), tree.Rows().end()}};
}

bool HasRow(const std::vector<TreeRow>& rows, const std::string& name, const std::string& value) {
  for (const auto& r : rows)
    if (r.name == name && r.value == value) return true;
  return false;
}

TEST(LargeFiles, FourGiBTiffWithItsIfdAtTheEnd) {
  const uint32_t ifd_at = static_cast<uint32_t>(kFourGiB - 4096);
  Ifd ifd0;
  ifd0.Ascii(0x010F, "Kelvane").Ascii(0x0110, "Far Away");
  fs::path p = SparseFile(".tif", fixtures::TiffHeader(true, ifd_at), ifd_at, ifd0.Build(true, ifd_at));
  ASSERT_GE(fs::file_size(p), kFourGiB - 4096);
  Timed t = LoadTimed(p);
  fs::remove(p);
  EXPECT_TRUE(HasRow(t.rows, "機種", "Far Away"));
  std::printf("4 GiB TIFF loaded in %.2f ms\n", t.ms);
  EXPECT_LT(t.ms, 200.0);  // a few milliseconds; the bound leaves room for sanitizers
}

TEST(LargeFiles, FourGiBMovieWithItsHeaderAfterTheMedia) {
  // ftyp, then an mdat of 4 GiB with a 64-bit size, then moov/mvhd.
  std::string ftyp = fixtures::Atom("ftyp", "qt  " + BE32(0) + "qt  ");
  const uint64_t mdat_size = kFourGiB + 16;
  std::string mdat_head = BE32(1) + "mdat" + BE32(static_cast<uint32_t>(mdat_size >> 32)) +
                          BE32(static_cast<uint32_t>(mdat_size));
  // mvhd version 0: flags, created, modified, time scale 600, duration 6000.
  std::string mvhd = fixtures::Atom("mvhd", BE32(0) + BE32(0xBE0B6A00) + BE32(0xBE0B6A00) +
                                                BE32(600) + BE32(6000) + std::string(80, '\0'));
  std::string moov = fixtures::Atom("moov", mvhd);
  const uint64_t moov_at = ftyp.size() + mdat_size;
  fs::path p = SparseFile(".mov", ftyp + mdat_head, moov_at, moov);
  Timed t = LoadTimed(p);
  fs::remove(p);
  std::printf("4 GiB movie loaded in %.2f ms, %zu rows\n", t.ms, t.rows.size());
  bool length_row = false;
  for (const auto& r : t.rows) length_row |= r.value.find("00:10.00") != std::string::npos;
  EXPECT_TRUE(length_row) << "the movie header past 4 GiB was not reached";
  EXPECT_LT(t.ms, 200.0);
}

TEST(LargeFiles, FourGiBPhoneMovieWithItsHeaderAfterTheMedia) {
  // An MP4 from a phone: the media first (a 64-bit size past 4 GiB), then
  // moov with the maker's name in its user data.
  std::string ftyp = fixtures::Atom("ftyp", "isom" + BE32(0) + "isommp42");
  const uint64_t mdat_size = kFourGiB + 16;
  std::string mdat_head = BE32(1) + "mdat" + BE32(static_cast<uint32_t>(mdat_size >> 32)) +
                          BE32(static_cast<uint32_t>(mdat_size));
  std::string mvhd = fixtures::Atom("mvhd", BE32(0) + BE32(0xBE0B6A00) + BE32(0xBE0B6A00) +
                                                BE32(600) + BE32(6000) + std::string(80, '\0'));
  std::string make = fixtures::Atom("\xA9mak", fixtures::BE16(7) + fixtures::BE16(0x55C4) + "Kelvane");
  std::string moov = fixtures::Atom("moov", mvhd + fixtures::Atom("udta", make));
  fs::path p = SparseFile(".mp4", ftyp + mdat_head, ftyp.size() + mdat_size, moov);
  Timed t = LoadTimed(p);
  fs::remove(p);
  std::printf("4 GiB MP4 loaded in %.2f ms, %zu rows\n", t.ms, t.rows.size());
  EXPECT_TRUE(HasRow(t.rows, "メーカー名", "Kelvane"));
  EXPECT_LT(t.ms, 200.0);
}

}  // namespace
}  // namespace kelvane
