#include "engine/reader/reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace kelvane {

namespace {

int SeekFile(std::FILE* f, uint64_t pos) {
#ifdef _WIN32
  return _fseeki64(f, static_cast<long long>(pos), SEEK_SET);
#else
  return fseeko(f, static_cast<off_t>(pos), SEEK_SET);
#endif
}

uint64_t FileSize(std::FILE* f) {
#ifdef _WIN32
  if (_fseeki64(f, 0, SEEK_END) != 0) return 0;
  long long size = _ftelli64(f);
#else
  if (fseeko(f, 0, SEEK_END) != 0) return 0;
  off_t size = ftello(f);
#endif
  return size < 0 ? 0 : static_cast<uint64_t>(size);
}

}  // namespace

void Reader::Read(void* dst, size_t n) {
  if (n == 0) return;
  if (pos_ >= size_ || n > size_ - pos_) throw ReadError("read past the end of the file");
  size_t got = Fetch(pos_, dst, n);
  if (got != n) throw ReadError("short read");
  pos_ += n;
}

std::string Reader::ReadString(uint64_t n) {
  if (n > Remaining()) throw ReadError("read past the end of the file");
  std::string s(static_cast<size_t>(n), '\0');
  Read(s.data(), s.size());
  return s;
}

int Reader::Get() {
  if (AtEnd()) return -1;
  unsigned char b;
  Read(&b, 1);
  return b;
}

size_t MemoryReader::Fetch(uint64_t pos, void* dst, size_t n) {
  ++source_reads_;
  source_bytes_ += n;
  std::memcpy(dst, bytes_.data() + pos, n);
  return n;
}

std::unique_ptr<FileReader> FileReader::Open(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(std::filesystem::u8path(path), ec)) return nullptr;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return nullptr;
  // Our own window does the buffering; stdio's would only copy twice.
  std::setvbuf(f, nullptr, _IONBF, 0);
  uint64_t size = FileSize(f);
  return std::unique_ptr<FileReader>(new FileReader(f, size));
}

FileReader::FileReader(std::FILE* file, uint64_t size) : Reader(size), file_(file) {}

FileReader::~FileReader() {
  if (file_) std::fclose(file_);
}

size_t FileReader::Fetch(uint64_t pos, void* dst, size_t n) {
  auto* out = static_cast<unsigned char*>(dst);
  size_t done = 0;
  while (done < n) {
    uint64_t at = pos + done;
    if (at >= window_pos_ && at < window_pos_ + window_len_) {
      size_t off = static_cast<size_t>(at - window_pos_);
      size_t take = std::min(n - done, window_len_ - off);
      std::memcpy(out + done, window_.data() + off, take);
      done += take;
      continue;
    }
    size_t want = n - done;
    if (file_pos_ != at) {
      if (SeekFile(file_, at) != 0) return done;
      file_pos_ = at;
    }
    if (want >= kWindow) {
      // A large block goes straight to the caller.
      size_t got = std::fread(out + done, 1, want, file_);
      ++source_reads_;
      source_bytes_ += got;
      file_pos_ += got;
      done += got;
      if (got != want) return done;
      continue;
    }
    if (window_.size() != kWindow) window_.resize(kWindow);
    size_t got = std::fread(window_.data(), 1, kWindow, file_);
    ++source_reads_;
    source_bytes_ += got;
    file_pos_ += got;
    window_pos_ = at;
    window_len_ = got;
    if (got == 0) return done;
  }
  return done;
}

}  // namespace kelvane
