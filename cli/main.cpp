// kelvane-info: the rows of the property page on any machine.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#define KELVANE_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define KELVANE_ISATTY(fd) isatty(fd)
#endif

#include "cli/file_list.h"
#include "cli/ordered_jobs.h"
#include "cli/options.h"
#include "cli/render.h"
#include "cli/sample_image.h"
#include "engine/loader/loader.h"
#include "engine/reader/reader.h"
#include "page/export_format.h"

namespace kelvane::cli {

namespace {

std::string BaseName(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool UseColour() {
  const char* no_colour = std::getenv("NO_COLOR");
  if (no_colour && *no_colour) return false;
  return KELVANE_ISATTY(1) != 0;
}

// Copies the thumbnail the loader found; false with a message otherwise.
bool SaveThumbnail(Reader& source, const std::string& path, const PageFields& page,
                   const std::string& out_path) {
  if (page.ThumbPos == 0 || page.ThumbLen == 0) {
    std::cerr << "kelvane-info: " << path << ": no embedded JPEG thumbnail\n";
    return false;
  }
  std::string bytes;
  try {
    source.Seek(page.ThumbPos);
    bytes = source.ReadString(page.ThumbLen);
  } catch (const std::exception&) {
    std::cerr << "kelvane-info: " << path << ": cannot read the thumbnail\n";
    return false;
  }
  std::ofstream out(out_path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << "kelvane-info: cannot write " << out_path << "\n";
    return false;
  }
  return true;
}

// What one file gives: its text for standard output, its messages for
// standard error, and whether it counts as a failure for the exit status.
struct FileOutput {
  std::string out;
  std::string errors;
  bool failed = false;
};

// Reads file `i` of `files` into `tree` and renders it; `source` and `page`
// keep what the thumbnail needs.
FileOutput ReadFile(const Options& o, const std::vector<std::string>& files, size_t i, bool sample,
                    bool colour, Loader& loader, InfoTree& tree, std::unique_ptr<Reader>& source,
                    PageFields& page) {
  FileOutput result;
  const std::string& path = files[i];
  if (sample)
    source = std::make_unique<MemoryReader>(SampleImage());
  else
    source = FileReader::Open(path);

  if (source) {
    loader.LoadFrom(*source, path, o.switches, tree, page);
  } else {
    loader.Load(path, o.switches, tree, page);  // gives the page's error row
    result.errors = "kelvane-info: " + path + ": cannot open the file\n";
    result.failed = true;
  }

  std::string& out = result.out;
  switch (o.format) {
    case Format::kTree:
      if (files.size() > 1) out += (i ? "\n" : "") + std::string("== ") + path + " ==\n";
      out += RenderTree(tree, colour, o.encoding);
      break;
    case Format::kText:
      out = ExportText(ExportKind::kTextFile, tree.Rows(), BaseName(path), o.encoding);
      break;
    case Format::kCsv:
      out = ExportText(ExportKind::kCsvFile, tree.Rows(), BaseName(path), o.encoding);
      break;
    case Format::kJson:
      out = (i ? ",\n" : "\n") + RenderJson(path, tree, page);
      break;
  }
  return result;
}

// Files waiting to be printed, per thread, with --jobs: enough to keep every
// thread busy while one large file is printed, few enough to keep the
// memory small.
constexpr size_t kWaitingPerThread = 4;

int Run(const Options& o) {
  if (o.help) {
    std::cout << kUsage;
    return 0;
  }
  if (o.version) {
    std::cout << kVersion << "\n";
    return 0;
  }
  std::vector<std::string> folder_errors;
  std::vector<std::string> files = ExpandPaths(o.files, o.recursive, folder_errors);
  for (const auto& e : folder_errors) std::cerr << "kelvane-info: " << e << "\n";
  const bool sample = o.files.empty();
  if (sample) files.push_back(kSampleName);
  if (!o.thumbnail_out.empty() && files.size() != 1) {
    std::cerr << "kelvane-info: --thumbnail takes one FILE\n";
    return 2;
  }

  const bool colour = o.format == Format::kTree && UseColour();
  int status = folder_errors.empty() ? 0 : 1;
  if (o.format == Format::kJson) std::cout << "[";
  auto print = [&](FileOutput& result) {
    if (!result.errors.empty()) {
      std::cout.flush();
      std::cerr << result.errors;
    }
    std::cout << result.out;
    if (result.failed) status = 1;
  };
  const unsigned threads =
      static_cast<unsigned>(std::min<size_t>(JobThreads(o.jobs), files.size()));
  if (threads <= 1) {
    // One loader and one tree for all files, as the page keeps them: a load
    // clears the tree and reuses the storage of both.
    Loader loader;
    InfoTree tree;
    for (size_t i = 0; i < files.size(); ++i) {
      std::unique_ptr<Reader> source;
      PageFields page;
      FileOutput result = ReadFile(o, files, i, sample, colour, loader, tree, source, page);
      print(result);
      if (!o.thumbnail_out.empty() && source &&
          !SaveThumbnail(*source, files[i], page, o.thumbnail_out))
        status = 1;
    }
  } else {
    // A loader and a tree for each thread; each file's text is printed,
    // and freed, in the order of the files.
    std::vector<Loader> loaders(threads);
    std::vector<InfoTree> trees(threads);
    RunInOrder<FileOutput>(
        files.size(), threads, kWaitingPerThread * threads,
        [&](unsigned worker, size_t i) {
          std::unique_ptr<Reader> source;
          PageFields page;
          return ReadFile(o, files, i, sample, colour, loaders[worker], trees[worker], source,
                          page);
        },
        [&](size_t, FileOutput&& result) { print(result); });
  }
  if (o.format == Format::kJson) std::cout << "\n]\n";
  std::cout.flush();
  return status;
}

}  // namespace

}  // namespace kelvane::cli

#ifdef _WIN32
// The arguments as UTF-8 from the UTF-16 command line, so that file names
// outside the ANSI code page reach the loader intact.
static std::vector<std::string> Utf8Arguments() {
  std::vector<std::string> args;
  int n = 0;
  LPWSTR* w = CommandLineToArgvW(GetCommandLineW(), &n);
  if (!w) return args;
  for (int i = 1; i < n; ++i) {
    int len = WideCharToMultiByte(CP_UTF8, 0, w[i], -1, nullptr, 0, nullptr, nullptr);
    std::string a(static_cast<size_t>(len > 0 ? len : 1), '\0');
    if (len > 0) WideCharToMultiByte(CP_UTF8, 0, w[i], -1, a.data(), len, nullptr, nullptr);
    a.resize(a.size() - 1);
    args.push_back(std::move(a));
  }
  LocalFree(w);
  return args;
}
#endif

int main(int argc, char** argv) {
  try {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    (void)argc;
    (void)argv;
    std::vector<std::string> args = Utf8Arguments();
#else
    std::vector<std::string> args(argv + 1, argv + argc);
#endif
    std::string error;
    auto options = kelvane::cli::ParseOptions(args, error);
    if (!options) {
      std::cerr << "kelvane-info: " << error << "\n"
                << "Try 'kelvane-info --help'.\n";
      return 2;
    }
    return kelvane::cli::Run(*options);
  } catch (const std::exception& e) {
    std::cerr << "kelvane-info: " << e.what() << "\n";
    return 1;
  } catch (...) {
    std::cerr << "kelvane-info: unexpected error\n";
    return 1;
  }
}
