#include "page/file_names.h"

namespace kelvane {

namespace {
// Both separators: the page runs on Windows, the tests and tools elsewhere.
constexpr const char* kSeparators = "/\\";

size_t NameStart(const std::string& path) {
  size_t cut = path.find_last_of(kSeparators);
  return cut == std::string::npos ? 0 : cut + 1;
}
}  // namespace

std::string FileNameOf(const std::string& path) { return path.substr(NameStart(path)); }

std::string FolderPartOf(const std::string& path) { return path.substr(0, NameStart(path)); }

std::string ChangeExtension(const std::string& path, const std::string& ext) {
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < NameStart(path)) return path + ext;
  return path.substr(0, dot) + ext;
}

}  // namespace kelvane
