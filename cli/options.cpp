#include "cli/options.h"

#include "kelvane_version.h"

#include <exception>
#include <string>

namespace kelvane::cli {

const char* const kVersion = "kelvane-info " KELVANE_VERSION;

const char* const kUsage =
    "Usage: kelvane-info [options] [FILE|FOLDER...]\n"
    "Shows every block of metadata in image, raw and movie files.\n"
    "With no FILE, shows a built-in sample photo. A FOLDER gives the image,\n"
    "raw and movie files it holds.\n"
    "\n"
    "  --format=tree|text|csv|json  output form (default tree)\n"
    "  --brief                      abbreviated view: leave out detail rows\n"
    "  --no-iptc                    leave out the IPTC group\n"
    "  --no-xmp                     leave out the XMP group\n"
    "  --no-pim                     leave out the PrintIM group\n"
    "  --encoding=utf-8|cp932       text encoding of tree, text and csv output\n"
    "  --thumbnail=OUT.jpg          save the embedded JPEG thumbnail (one FILE)\n"
    "  -r, --recursive              also read the files in subfolders of a FOLDER\n"
    "  -j, --jobs=N                 read the files on N threads (0, the default:\n"
    "                               one per core; 1: one after the other); the\n"
    "                               output is the same, in the order given\n"
    "  --help                       show this help\n"
    "  --version                    show the version\n"
    "\n"
    "Exit status: 0 when every file was read, 1 when a file could not be\n"
    "opened (or had no thumbnail to save), 2 for a usage error.\n";

namespace {

// More threads than this would only cost memory.
constexpr unsigned long kMaxJobs = 256;

bool TakeValue(const std::string& arg, const std::string& name, const std::vector<std::string>& args,
               size_t& i, std::string& value, bool& matched) {
  matched = false;
  if (arg == name) {
    matched = true;
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
  }
  if (arg.compare(0, name.size() + 1, name + "=") == 0) {
    matched = true;
    value = arg.substr(name.size() + 1);
    return true;
  }
  return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options o;
  bool only_files = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (only_files || a.empty() || a[0] != '-' || a == "-") {
      o.files.push_back(a);
      continue;
    }
    if (a == "--") {
      only_files = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      o.help = true;
      continue;
    }
    if (a == "--version") {
      o.version = true;
      continue;
    }
    if (a == "--recursive" || a == "-r") {
      o.recursive = true;
      continue;
    }
    if (a == "--brief") {
      o.switches.abbreviated = true;
      continue;
    }
    if (a == "--no-iptc") {
      o.switches.iptc = false;
      continue;
    }
    if (a == "--no-xmp") {
      o.switches.xmp = false;
      continue;
    }
    if (a == "--no-pim") {
      o.switches.pim = false;
      continue;
    }
    std::string value;
    bool matched = false;
    if (!TakeValue(a, "--format", args, i, value, matched)) {
      error = "--format needs a value";
      return std::nullopt;
    }
    if (matched) {
      if (value == "tree") o.format = Format::kTree;
      else if (value == "text") o.format = Format::kText;
      else if (value == "csv") o.format = Format::kCsv;
      else if (value == "json") o.format = Format::kJson;
      else {
        error = "unknown format '" + value + "' (tree, text, csv or json)";
        return std::nullopt;
      }
      continue;
    }
    if (!TakeValue(a, "--encoding", args, i, value, matched)) {
      error = "--encoding needs a value";
      return std::nullopt;
    }
    if (matched) {
      if (value == "utf-8" || value == "utf8" || value == "UTF-8") o.encoding = OutputEncoding::kUtf8;
      else if (value == "cp932" || value == "CP932" || value == "shift_jis" || value == "sjis")
        o.encoding = OutputEncoding::kCp932;
      else {
        error = "unknown encoding '" + value + "' (utf-8 or cp932)";
        return std::nullopt;
      }
      continue;
    }
    if (!TakeValue(a, "--thumbnail", args, i, value, matched)) {
      error = "--thumbnail needs a file name";
      return std::nullopt;
    }
    if (matched) {
      if (value.empty()) {
        error = "--thumbnail needs a file name";
        return std::nullopt;
      }
      o.thumbnail_out = value;
      continue;
    }
    // -j N, -jN, --jobs N, --jobs=N
    matched = true;
    if (a == "-j" || a == "--jobs") {
      if (i + 1 >= args.size()) {
        error = "--jobs needs a number";
        return std::nullopt;
      }
      value = args[++i];
    } else if (a.compare(0, 7, "--jobs=") == 0) {
      value = a.substr(7);
    } else if (a.size() > 2 && a.compare(0, 2, "-j") == 0) {
      value = a.substr(2);
    } else {
      matched = false;
    }
    if (matched) {
      unsigned long n = 0;
      size_t used = 0;
      try {
        n = std::stoul(value, &used);
      } catch (const std::exception&) {
        used = 0;
      }
      if (value.empty() || used != value.size() || value[0] == '-' || value[0] == '+' ||
          n > kMaxJobs) {
        error = "--jobs needs a number from 0 to " + std::to_string(kMaxJobs) + ", not '" +
                value + "'";
        return std::nullopt;
      }
      o.jobs = static_cast<unsigned>(n);
      continue;
    }
    error = "unknown option '" + a + "'";
    return std::nullopt;
  }
  return o;
}

}  // namespace kelvane::cli
