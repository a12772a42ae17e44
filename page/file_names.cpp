#include "page/file_names.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace kelvane {

namespace {
// Both separators: the page runs on Windows, the tests and tools elsewhere.
constexpr const char* kSeparators = "/\\";

size_t NameStart(const std::string& path) {
  size_t cut = path.find_last_of(kSeparators);
  return cut == std::string::npos ? 0 : cut + 1;
}
// The name as Windows compares it: one separator, ASCII letters folded,
// empty and "." steps dropped, ".." steps taken back, trailing dots and
// blanks of each step dropped (Windows ignores them).
std::string ComparableName(const std::string& path) {
  std::vector<std::string> steps;
  std::string prefix;  // a drive ("c:") or the leading separators
  size_t at = 0;
  while (at < path.size() && (path[at] == '/' || path[at] == '\\')) {
    prefix += '\\';
    ++at;
  }
  while (at <= path.size()) {
    size_t end = path.find_first_of(kSeparators, at);
    if (end == std::string::npos) end = path.size();
    std::string step = path.substr(at, end - at);
    for (char& c : step)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    while (!step.empty() && step != "." && step != ".." &&
           (step.back() == '.' || step.back() == ' '))
      step.pop_back();
    if (step == "..") {
      if (!steps.empty() && steps.back() != "..") {
        steps.pop_back();
      } else {
        steps.push_back(step);
      }
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    at = end + 1;
  }
  std::string out = prefix;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i) out += '\\';
    out += steps[i];
  }
  return out;
}

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

}  // namespace

bool NamesSameFile(const std::string& target, const std::string& examined) {
  if (target.empty() || examined.empty()) return false;
  if (ComparableName(target) == ComparableName(examined)) return true;
  try {
    std::error_code ec;
    return std::filesystem::equivalent(PathOf(target), PathOf(examined), ec) && !ec;
  } catch (...) {
    // A name the platform cannot convert names no file.
    return false;
  }
}

std::string FileNameOf(const std::string& path) { return path.substr(NameStart(path)); }

std::string FolderPartOf(const std::string& path) { return path.substr(0, NameStart(path)); }

std::string ChangeExtension(const std::string& path, const std::string& ext) {
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < NameStart(path)) return path + ext;
  return path.substr(0, dot) + ext;
}

}  // namespace kelvane
