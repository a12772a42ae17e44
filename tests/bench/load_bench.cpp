// In-process benchmark: loads every file given (folders are expanded, with
// subfolders) several times and compares the cost with the floor of
// opening each file and reading its first 64 KiB.
//   kelvane_bench [--rounds=N] FILE|FOLDER...
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/file_list.h"
#include "engine/loader/loader.h"
#include "engine/reader/reader.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The floor: open, read up to 64 KiB, close.
double Floor(const std::vector<std::string>& files, int rounds) {
  std::vector<char> buffer(64 * 1024);
  auto start = Clock::now();
  for (int r = 0; r < rounds; ++r) {
    for (const auto& path : files) {
      std::FILE* f = std::fopen(path.c_str(), "rb");
      if (!f) continue;
      size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
      (void)got;
      std::fclose(f);
    }
  }
  return Seconds(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 20;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--rounds=", 9) == 0)
      rounds = std::max(1, std::atoi(argv[i] + 9));
    else
      args.push_back(argv[i]);
  }
  std::vector<std::string> errors;
  std::vector<std::string> files = kelvane::cli::ExpandPaths(args, true, errors);
  if (files.empty()) {
    std::fprintf(stderr, "usage: kelvane_bench [--rounds=N] FILE|FOLDER...\n");
    return 2;
  }

  // Warm the page cache, then time.
  Floor(files, 1);
  double floor = Floor(files, rounds);

  uint64_t reads = 0, bytes = 0, rows = 0;
  auto start = Clock::now();
  for (int r = 0; r < rounds; ++r) {
    for (const auto& path : files) {
      kelvane::InfoTree tree;
      kelvane::PageFields page;
      auto f = kelvane::FileReader::Open(path);
      if (!f) continue;
      kelvane::LoadFrom(*f, path, {}, tree, page);
      reads += f->SourceReads();
      bytes += f->SourceBytes();
      rows += tree.size();
    }
  }
  double load = Seconds(Clock::now() - start);

  double n = static_cast<double>(files.size()) * rounds;
  std::printf("files: %zu, rounds: %d\n", files.size(), rounds);
  std::printf("load:  %.0f files/s (%.1f us/file), %.1f reads/file, %.0f bytes read/file, %.0f rows/file\n",
              n / load, 1e6 * load / n, reads / n, bytes / n, rows / n);
  std::printf("floor: %.0f files/s (%.1f us/file) opening each file and reading its first 64 KiB\n",
              n / floor, 1e6 * floor / n);
  std::printf("ratio: %.2f x the floor\n", load / floor);
  return 0;
}
