// kelvane-info: the rows of the property page on any machine.
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
  // One loader and one tree for all files, as the page keeps them: a load
  // clears the tree and reuses the storage of both.
  Loader loader;
  InfoTree tree;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string& path = files[i];
    std::unique_ptr<Reader> source;
    if (sample)
      source = std::make_unique<MemoryReader>(SampleImage());
    else
      source = FileReader::Open(path);

    PageFields page;
    if (source) {
      loader.LoadFrom(*source, path, o.switches, tree, page);
    } else {
      loader.Load(path, o.switches, tree, page);  // gives the page's error row
      std::cerr << "kelvane-info: " << path << ": cannot open the file\n";
      status = 1;
    }

    std::string out;
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
    std::cout << out;
    if (!o.thumbnail_out.empty() && source &&
        !SaveThumbnail(*source, path, page, o.thumbnail_out))
      status = 1;
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
