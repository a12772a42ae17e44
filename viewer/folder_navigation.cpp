#include "viewer/folder_navigation.h"

#include <algorithm>
#include <cstddef>

#include "cli/file_list.h"

namespace kelvane::viewer {

namespace {

std::string_view NameOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string_view(".") : path.substr(0, slash + 1);
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

}  // namespace

std::optional<std::string> NeighbourIn(const std::vector<std::string>& folder_files,
                                       const std::string& current, int step) {
  if (step == 0) return std::nullopt;
  const std::string_view name = NameOf(current);
  auto match = [&](auto same) {
    return std::find_if(folder_files.begin(), folder_files.end(),
                        [&](const std::string& f) { return same(NameOf(f), name); });
  };
  auto at = match([](std::string_view a, std::string_view b) { return a == b; });
  if (at == folder_files.end()) at = match(SameIgnoringAsciiCase);
  std::ptrdiff_t target = 0;
  if (at != folder_files.end()) {
    target = (at - folder_files.begin()) + step;
  } else {
    // Between the names around it: the first one after it is "next".
    const auto after = std::find_if(folder_files.begin(), folder_files.end(),
                                    [&](const std::string& f) { return NameOf(f) > name; });
    target = (after - folder_files.begin()) + (step > 0 ? step - 1 : step);
  }
  if (target < 0 || target >= static_cast<std::ptrdiff_t>(folder_files.size())) return std::nullopt;
  return folder_files[static_cast<size_t>(target)];
}

std::optional<std::string> NeighbourFile(const std::string& current, int step) {
  std::vector<std::string> errors;
  const std::vector<std::string> files =
      cli::ExpandPaths({std::string(FolderOf(current))}, false, errors);
  return NeighbourIn(files, current, step);
}

}  // namespace kelvane::viewer
