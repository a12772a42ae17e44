#include "cli/file_list.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "engine/loader/loader.h"

namespace kelvane::cli {

namespace fs = std::filesystem;

namespace {

// Paths are UTF-8 in and out, on Windows too (where a plain std::string
// would be read in the ANSI code page).
fs::path PathOf(const std::string& utf8) {
  return fs::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8Of(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

void AddFolder(const fs::path& folder, bool recursive, std::vector<std::string>& out,
               std::vector<std::string>& errors) {
  std::vector<std::string> found;
  std::error_code ec;
  auto options = fs::directory_options::skip_permission_denied;
  // The same walk over one folder or over its whole tree.
  auto walk = [&](auto it) {
    for (decltype(it) end; !ec && it != end; it.increment(ec)) {
      std::error_code type_ec;
      if (!it->is_regular_file(type_ec)) continue;
      std::string name = Utf8Of(it->path());
      if (IsReadableExtension(name)) found.push_back(std::move(name));
    }
  };
  if (recursive)
    walk(fs::recursive_directory_iterator(folder, options, ec));
  else
    walk(fs::directory_iterator(folder, options, ec));
  if (ec) errors.push_back(Utf8Of(folder) + ": " + ec.message());
  std::sort(found.begin(), found.end());
  out.insert(out.end(), found.begin(), found.end());
}

}  // namespace

bool IsReadableExtension(const std::string& path) {
  std::string ext = LowerExtension(path);
  return std::find(kReadableExtensions.begin(), kReadableExtensions.end(), ext) !=
         kReadableExtensions.end();
}

std::vector<std::string> ExpandPaths(const std::vector<std::string>& args, bool recursive,
                                     std::vector<std::string>& errors) {
  std::vector<std::string> out;
  for (const std::string& arg : args) {
    std::error_code ec;
    const fs::path path = PathOf(arg);
    if (fs::is_directory(path, ec))
      AddFolder(path, recursive, out, errors);
    else
      out.push_back(arg);
  }
  return out;
}

}  // namespace kelvane::cli
