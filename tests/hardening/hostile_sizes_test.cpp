// Lengths, counts and offsets a hostile file may hold: none may make the
// loader allocate more than the file could hold, recurse without end or
// run long. Real files are made hostile by writing huge values over every
// field of their first KiBs; crafted files add cycles and deep nesting.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/allocation_tracker.h"
#include "tests/support/whole_file.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using fixtures::Atom;
using fixtures::BE16;
using fixtures::BE32;
using fixtures::Bytes;
using fixtures::FullBox;
using fixtures::Ifd;
using fixtures::LE16;
using fixtures::LE32;

// Generous bounds, so that sanitizer builds pass too; the plain build runs
// each of these loads in well under a millisecond.
constexpr double kMaxSeconds = 0.5;

struct Measure {
  double seconds = 0;
  size_t largest_allocation = 0;
  size_t rows = 0;
};

Measure LoadMeasured(const std::string& bytes, const std::string& name) {
  MemoryReader f(bytes);
  InfoTree tree;
  PageFields page;
  testing::ResetLargestAllocation();
  auto start = Clock::now();
  LoadFrom(f, name, {}, tree, page);
  Measure m;
  m.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  m.largest_allocation = testing::LargestAllocation();
  m.rows = tree.size();
  return m;
}

// What a load may allocate at once: a few times the file, plus room for
// the fixed records and tables.
size_t AllocationBound(size_t file_size) { return 4 * file_size + (1u << 20); }

TEST(HostileSizes, HugeValuesOverEveryFieldOfRealFiles) {
  const std::filesystem::path dir = testing::CorpusFolder();
  if (dir.empty()) GTEST_SKIP() << testing::kNoCorpus;
  const std::string patterns[] = {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), Bytes({0x7F, 0xFF, 0xFF, 0xF0}),
                                  Bytes({0x00, 0x00, 0xFF, 0xFF})};
  double slowest = 0;
  std::string slowest_case;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    const std::string original = testing::WholeFile(entry.path());
    const std::string name = entry.path().filename().string();
    // The headers, directories and first values of every kind lie here.
    const size_t span = std::min<size_t>(original.size(), 1024);
    std::string bytes = original;
    for (size_t at = 0; at + 4 <= span; at += 2) {
      for (const auto& pattern : patterns) {
        bytes.replace(at, 4, pattern);
        Measure m = LoadMeasured(bytes, name);
        ASSERT_LE(m.largest_allocation, AllocationBound(bytes.size()))
            << name << " with " << std::hex << static_cast<unsigned>(pattern[3] & 0xFF)
            << " at " << std::dec << at;
        ASSERT_LT(m.seconds, kMaxSeconds) << name << " at " << at;
        if (m.seconds > slowest) {
          slowest = m.seconds;
          slowest_case = name + " at " + std::to_string(at);
        }
        bytes.replace(at, 4, original, at, 4);
      }
    }
  }
  std::printf("slowest hostile load: %.3f ms (%s)\n", slowest * 1e3, slowest_case.c_str());
}

// A small Intel TIFF: IFD0 at 8 with the given entries, next IFD `next`.
std::string Tiff(const Ifd& ifd0, uint32_t next = 0) {
  return fixtures::TiffHeader(true, 8) + ifd0.Build(true, 8, next);
}

std::string Ftyp(const char* brand) {
  return fixtures::Atom("ftyp", std::string(brand) + BE32(0) + brand);
}
std::string HeifStart() { return fixtures::Atom("ftyp", std::string("heic") + BE32(0) + "mif1heic"); }
std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}
// A HEIC whose meta box holds an Exif item and `boxes`.
std::string HeifWith(const std::string& boxes) {
  const std::string infe = FullBox("infe", 2, 0, BE16(1) + BE16(0) + "Exif" + std::string(1, '\0'));
  return HeifStart() + FullBox("meta", 0, 0, FullBox("pitm", 0, 0, BE16(1)) +
                                                  FullBox("iinf", 0, 0, BE16(1) + infe) + boxes);
}
std::string Iloc(const std::vector<std::pair<uint32_t, uint32_t>>& extents) {
  std::string items = BE16(1) + BE16(1) + BE16(0) + BE16(0) + BE16(static_cast<uint16_t>(extents.size()));
  for (auto [offset, length] : extents) items += BE32(offset) + BE32(length);
  return FullBox("iloc", 1, 0, std::string("\x44\x00", 2) + items);
}
// Items whose 65535 extents have no bytes at all (offset and length sizes 0).
std::string HugeIloc() {
  std::string items = BE16(0xFFFF);
  for (int i = 0; i < 2000; ++i) items += BE16(static_cast<uint16_t>(i + 2)) + BE16(0) + BE16(0) + BE16(0xFFFF);
  return FullBox("iloc", 1, 0, std::string("\x00\x00", 2) + items);
}

TEST(HostileSizes, CraftedFilesEndQuietly) {
  struct Case {
    const char* what;
    std::string name;
    std::string bytes;
  } cases[] = {
      {"ASCII count 0xFFFFFFFF", "a.tif", Tiff(Ifd().Raw(0x010E, 2, 0xFFFFFFFF, LE32(8)))},
      {"LONG count wrapping 32 bits", "a.tif", Tiff(Ifd().Raw(0x0111, 4, 0x40000001, LE32(8)))},
      {"RATIONAL count 0x20000000", "a.tif", Tiff(Ifd().Raw(0x011A, 5, 0x20000000, LE32(8)))},
      {"65535 entries claimed", "a.tif", fixtures::TiffHeader(true, 8) + LE16(0xFFFF) + std::string(100, '\0')},
      {"IFD1 is IFD0", "a.tif", Tiff(Ifd().Ascii(0x010F, "Canon"), 8)},
      {"Exif and GPS IFDs are IFD0", "a.tif", Tiff(Ifd().Long(0x8769, {8}).Long(0x8825, {8}).Long(0xA005, {8}), 8)},
      {"24 SubIFDs all IFD0", "a.tif", Tiff(Ifd().Long(0x014A, std::vector<uint32_t>(30, 8)))},
      {"IPTC of 0xFFFFFFFF bytes", "a.tif", Tiff(Ifd().Raw(0x83BB, 7, 0xFFFFFFFF, LE32(8)))},
      {"Photoshop run of 0xFFFFFFFF bytes", "a.tif", Tiff(Ifd().Raw(0x8649, 1, 0xFFFFFFFF, LE32(8)))},
      {"JPEG segment length 0xFFFF everywhere", "a.jpg", std::string("\xFF\xD8") + std::string(4000, '\xFF')},
      {"all 0xFF", "a.mov", std::string(4096, '\xFF')},
      {"all 0xFF", "a.avi", "RIFF" + LE32(0xFFFFFFF0) + "AVI " + std::string(4096, '\xFF')},
      {"all 0xFF", "a.dcm", std::string(128, '\0') + "DICM" + std::string(4096, '\xFF')},
      {"all 0xFF", "a.x3f", std::string(4096, '\xFF')},
      {"all 0xFF", "a.crw", "II" + LE32(26) + "HEAPCCDR" + std::string(4096, '\xFF')},
      {"all 0xFF", "a.psd", "8BPS" + Bytes({0, 1}) + std::string(4096, '\xFF')},
      {"all 0xFF", "a.jp2", std::string(4096, '\xFF')},
      {"all 0xFF", "a.raf", "FUJIFILMCCD-RAW " + std::string(4096, '\xFF')},
      {"all 0xFF", "a.mrw", std::string("\0MRM", 4) + std::string(4096, '\xFF')},
      {"all 0xFF", "a.heic", HeifStart() + std::string(4096, '\xFF')},
      {"all 0xFF", "a.cr3", Ftyp("crx ") + std::string(4096, '\xFF')},
      {"all 0xFF", "a.mp4", Ftyp("isom") + std::string(4096, '\xFF')},
      {"box size 0 (to the end) everywhere", "a.mp4", Ftyp("isom") + Repeat(BE32(0) + "moov", 500)},
      {"box size 1 with 64-bit 0xFFFFFFFFFFFFFFFF", "a.heic",
       HeifStart() + Repeat(BE32(1) + "meta" + std::string(8, '\xFF'), 300)},
      {"box size 0xFFFFFFFF", "a.cr3", Ftyp("crx ") + BE32(0xFFFFFFFF) + "moov" + std::string(64, '\0')},
      {"iloc with 65535 empty extents per item", "a.heic", HeifWith(HugeIloc())},
      {"iloc extents past the end", "a.heic", HeifWith(Iloc({{0xFFFFFF00u, 0xFFFFFFu}}))},
      {"iloc extents overlapping the boxes", "a.heic", HeifWith(Iloc({{0, 4096}, {0, 4096}}))},
      {"iinf claiming 0xFFFFFFFF items", "a.heic",
       HeifWith(FullBox("iinf", 1, 0, BE32(0xFFFFFFFF) + Repeat(FullBox("infe", 2, 0, BE16(2) + BE16(0) + "Exif" + std::string(1, '\0')), 200)))},
      {"stts with 0xFFFFFFFF entries", "a.mp4",
       Ftyp("isom") + Atom("moov", Atom("trak", Atom("mdia", FullBox("hdlr", 0, 0, BE32(0) + "vide" + std::string(12, '\0')) +
                                                          FullBox("mdhd", 0, 0, std::string(8, '\0') + BE32(600) + BE32(0) + BE32(0)) +
                                                          Atom("minf", Atom("stbl", FullBox("stts", 0, 0, BE32(0xFFFFFFFF) + std::string(8000, '\x01'))))))) },
      {"keys and ilst of 0xFFFFFFFF", "a.mp4",
       Ftyp("isom") + Atom("moov", Atom("meta", FullBox("hdlr", 0, 0, BE32(0) + "mdta" + std::string(12, '\0')) +
                                                    FullBox("keys", 0, 0, BE32(0xFFFFFFFF) + Repeat(Atom("mdta", "k"), 300)) +
                                                    Atom("ilst", Repeat(Atom(BE32(1), Atom("data", BE32(1) + BE32(0) + "v")), 300))))},
      {"all 0xFF", "a.png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(4096, '\xFF')},
      {"all 0xFF", "a.webp", "RIFF" + LE32(0xFFFFFFFF) + "WEBP" + std::string(4096, '\xFF')},
      {"all 0xFF", "a.jxl", std::string("\0\0\0\x0CJXL \r\n\x87\n", 12) + std::string(4096, '\xFF')},
      {"all 0xFF", "a.jxl", "\xFF\x0A" + std::string(4096, '\xFF')},
      {"all 0xFF", "a.rw2", std::string("IIU\0", 4) + std::string(4096, '\xFF')},
  };
  for (const auto& c : cases) {
    Measure m = LoadMeasured(c.bytes, c.name);
    EXPECT_LE(m.largest_allocation, AllocationBound(c.bytes.size())) << c.what << " " << c.name;
    EXPECT_LT(m.seconds, kMaxSeconds) << c.what << " " << c.name;
  }
}

TEST(HostileSizes, DeepNestingIsBounded) {
  // AVI lists, QuickTime atoms and CRW heaps nested far deeper than any
  // real file: the walk ends at its depth limit.
  std::string avi_list = fixtures::RiffChunk("strh", std::string(56, '\0'));
  std::string atoms = fixtures::Atom("free", "");
  for (int depth = 0; depth < 2000; ++depth) {
    avi_list = fixtures::RiffList("strl", avi_list);
    atoms = fixtures::Atom("udta", atoms);
  }
  // Ten thousand boxes deep, each kind's own boxes.
  std::string movie = fixtures::Atom("free", ""), meta = movie, canon = movie;
  for (int depth = 0; depth < 10000; ++depth) {
    movie = fixtures::Atom(depth % 2 ? "trak" : "udta", movie);
    meta = FullBox("meta", 0, 0, meta);
    canon = fixtures::Atom("moov", canon);
  }
  std::string avi = "RIFF" + LE32(static_cast<uint32_t>(avi_list.size() + 4)) + "AVI " +
                    fixtures::RiffList("hdrl", avi_list);
  fixtures::CrwHeap heap;
  for (int depth = 0; depth < 200; ++depth) {
    fixtures::CrwHeap outer;
    outer.Heap(0x300A, heap, true);
    heap = outer;
  }
  struct Case {
    std::string name;
    std::string bytes;
  } cases[] = {
      {"deep.avi", avi},
      {"deep.mov", fixtures::Atom("moov", atoms)},
      {"deep.crw", fixtures::CrwFile(true, heap)},
      {"deep.mp4", Ftyp("isom") + fixtures::Atom("moov", movie)},
      {"deep.heic", HeifStart() + meta},
      {"deep.cr3", Ftyp("crx ") + canon},
  };
  for (const auto& c : cases) {
    Measure m = LoadMeasured(c.bytes, c.name);
    EXPECT_LT(m.seconds, kMaxSeconds) << c.name;
    EXPECT_LE(m.rows, 102u) << c.name;
  }
}

TEST(HostileSizes, SelfContainedCrwHeapEnds) {
  // A sub-heap record that spans its own heap: every level is the same heap.
  fixtures::CrwHeap heap;
  heap.Record(0x0805, "text");
  std::string file = fixtures::CrwFile(true, heap);
  // Point a raw sub-heap record at offset 0 with the whole heap's size.
  fixtures::CrwHeap looping;
  looping.RawRecord(0x300A, static_cast<uint32_t>(file.size() - 26), 0).Record(0x0805, "x");
  Measure m = LoadMeasured(fixtures::CrwFile(true, looping), "loop.crw");
  EXPECT_LT(m.seconds, kMaxSeconds);
}

}  // namespace
}  // namespace kelvane
