// In-process benchmark: loads every file given (folders are expanded, with
// subfolders) several times and compares the cost with the floor of
// opening each file and reading its first 64 KiB.
//   kelvane_bench [--rounds=N] FILE|FOLDER...
//   kelvane_bench --floor FILE...   (one pass of the floor, nothing printed)
// Each round times one pass of the floor and one pass of the loader back to
// back, so that a busy machine slows both alike; the report gives the best
// and the median round of each.
#include <algorithm>
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
double Floor(const std::vector<std::string>& files) {
  std::vector<char> buffer(64 * 1024);
  auto start = Clock::now();
  for (const auto& path : files) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) continue;
    size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
    (void)got;
    std::fclose(f);
  }
  return Seconds(Clock::now() - start);
}

struct LoadStats {
  uint64_t reads = 0, bytes = 0, rows = 0;
};

double LoadAll(const std::vector<std::string>& files, LoadStats& stats) {
  // One loader and one tree for all loads, as the page and kelvane-info
  // keep them.
  kelvane::Loader loader;
  kelvane::InfoTree tree;
  auto start = Clock::now();
  for (const auto& path : files) {
    kelvane::PageFields page;
    auto f = kelvane::FileReader::Open(path);
    if (!f) continue;
    loader.LoadFrom(*f, path, {}, tree, page);
    stats.reads += f->SourceReads();
    stats.bytes += f->SourceBytes();
    stats.rows += tree.size();
  }
  return Seconds(Clock::now() - start);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 50;
  bool floor_only = false;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--rounds=", 9) == 0)
      rounds = std::max(1, std::atoi(argv[i] + 9));
    else if (std::strcmp(argv[i], "--floor") == 0)
      floor_only = true;
    else
      args.push_back(argv[i]);
  }
  // --floor FILE...: one process that opens each file, reads its first
  // 4 KiB and closes it, the floor kelvane-info's whole runs are set
  // against.
  if (floor_only) {
    char buffer[4096];
    for (const std::string& path : args) {
      std::FILE* f = std::fopen(path.c_str(), "rb");
      if (!f) continue;
      const size_t got = std::fread(buffer, 1, sizeof buffer, f);
      (void)got;
      std::fclose(f);
    }
    return 0;
  }
  std::vector<std::string> errors;
  std::vector<std::string> files = kelvane::cli::ExpandPaths(args, true, errors);
  if (files.empty()) {
    std::fprintf(stderr, "usage: kelvane_bench [--rounds=N] FILE|FOLDER...\n");
    return 2;
  }

  // Warm the page cache and the code, then time.
  LoadStats stats;
  Floor(files);
  LoadAll(files, stats);
  stats = {};
  std::vector<double> floor, load;
  for (int r = 0; r < rounds; ++r) {
    floor.push_back(Floor(files));
    load.push_back(LoadAll(files, stats));
  }

  const double n = static_cast<double>(files.size());
  const double loads = n * rounds;
  auto us = [&](double seconds) { return 1e6 * seconds / n; };
  const double best_floor = *std::min_element(floor.begin(), floor.end());
  const double best_load = *std::min_element(load.begin(), load.end());
  std::printf("files: %zu, rounds: %d\n", files.size(), rounds);
  std::printf("load:  %.0f files/s, %.1f us/file (median %.1f), %.1f reads/file, %.0f bytes read/file, %.0f rows/file\n",
              n / best_load, us(best_load), us(Median(load)), static_cast<double>(stats.reads) / loads,
              static_cast<double>(stats.bytes) / loads, static_cast<double>(stats.rows) / loads);
  std::printf("floor: %.0f files/s, %.1f us/file (median %.1f) opening each file and reading its first 64 KiB\n",
              n / best_floor, us(best_floor), us(Median(floor)));
  std::vector<double> ratios;
  for (size_t r = 0; r < load.size(); ++r) ratios.push_back(load[r] / floor[r]);
  std::printf("ratio: %.2f x the floor (best rounds; median of the rounds' ratios %.2f)\n",
              best_load / best_floor, Median(ratios));
  return 0;
}
