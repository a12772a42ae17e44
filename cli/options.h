// The command line of kelvane-info.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/loader/loader.h"
#include "page/export_format.h"

namespace kelvane::cli {

enum class Format { kTree, kText, kCsv, kJson };

struct Options {
  Format format = Format::kTree;
  LoadSwitches switches;
  OutputEncoding encoding = OutputEncoding::kUtf8;
  std::string thumbnail_out;  // --thumbnail=OUT.jpg
  bool recursive = false;  // --recursive: descend into subfolders
  // --jobs: the threads reading files (0: one per core).
  unsigned jobs = 0;
  bool help = false;
  bool version = false;
  std::vector<std::string> files;
};

// Parses argv[1..]; on a usage error returns nothing and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;
extern const char* const kVersion;

}  // namespace kelvane::cli
