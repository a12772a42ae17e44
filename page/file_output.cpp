#include "page/file_output.h"

#include <algorithm>
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

void Remove(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(PathOf(path), ec);
}

}  // namespace

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

bool CopyFileRange(const std::string& source, uint64_t position, uint64_t length,
                   const std::string& target) {
  std::unique_ptr<FileReader> in = FileReader::Open(source);
  if (!in) return false;
  if (position > in->Size() || length > in->Size() - position) return false;
  std::ofstream out(PathOf(target), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  constexpr uint64_t kChunk = 64 * 1024;
  bool ok = true;
  try {
    in->Seek(position);
    for (uint64_t left = length; left > 0 && ok;) {
      const std::string chunk = in->ReadString(std::min(left, kChunk));
      out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
      ok = static_cast<bool>(out);
      left -= chunk.size();
    }
  } catch (const ReadError&) {
    ok = false;  // the file shrank since it was loaded
  }
  out.close();
  ok = ok && static_cast<bool>(out);
  if (!ok) Remove(target);
  return ok;
}

}  // namespace kelvane
