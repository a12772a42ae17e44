#include "tests/support/corpus.h"

#include <cstdlib>
#include <system_error>

namespace kelvane::testing {

namespace fs = std::filesystem;

fs::path CorpusFolder() {
  if (const char* named = std::getenv("KELVANE_CORPUS"); named && *named) return named;
  // KELVANE_SOURCE_DIR is the repository's folder, given by the build.
  const fs::path beside = (fs::path(KELVANE_SOURCE_DIR) / ".." / "shared" / "corpus").lexically_normal();
  std::error_code error;
  return fs::is_directory(beside, error) ? beside : fs::path();
}

fs::path CorpusFile(std::string_view name) { return CorpusFolder() / name; }

}  // namespace kelvane::testing
