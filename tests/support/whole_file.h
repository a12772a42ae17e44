// Reads a whole file for a test (empty when it cannot be read).
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kelvane::testing {

inline std::string WholeFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace kelvane::testing
