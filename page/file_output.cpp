#include "page/file_output.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "engine/reader/reader.h"

namespace kelvane {

namespace {

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

void Remove(const std::string& path) noexcept {
  try {
    std::error_code ec;
    std::filesystem::remove(PathOf(path), ec);
  } catch (...) {
  }
}

}  // namespace

bool WriteWholeFile(const std::string& path, std::string_view bytes) try {
  std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  Remove(path);  // a disk that filled up leaves no partial file behind
  return false;
} catch (...) {
  // A name the platform cannot convert, or no memory: nothing written.
  return false;
}

bool CopyFileRange(const std::string& source, uint64_t position, uint64_t length,
                   const std::string& target) try {
  // All bytes are read before the target is created: the target may be the
  // source itself, which creating it would empty.
  std::string bytes;
  {
    std::unique_ptr<FileReader> in = FileReader::Open(source);
    if (!in) return false;
    if (position > in->Size() || length > in->Size() - position) return false;
    in->Seek(position);
    bytes = in->ReadString(length);
  }
  return WriteWholeFile(target, bytes);
} catch (...) {
  // The source shrank since it was loaded, or no memory: nothing written.
  return false;
}

}  // namespace kelvane
