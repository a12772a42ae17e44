#include "engine/reader/reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelvane {

#ifdef _WIN32
struct FileReader::Handle {
  std::FILE* file = nullptr;
  uint64_t file_pos = UINT64_MAX;  // where the stdio stream stands
  ~Handle() {
    if (file) std::fclose(file);
  }
};
#else
struct FileReader::Handle {
  int fd = -1;
  ~Handle() {
    if (fd >= 0) ::close(fd);
  }
};
#endif

void Reader::ReadFromSource(void* dst, size_t n) {
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
  auto handle = std::make_unique<Handle>();
  uint64_t size = 0;
#ifdef _WIN32
  // Paths are UTF-8; Windows opens them by their UTF-16 name.
  const std::filesystem::path native(
      std::u8string_view(reinterpret_cast<const char8_t*>(path.data()), path.size()));
  std::error_code ec;
  if (std::filesystem::is_directory(native, ec)) return nullptr;
  handle->file = _wfopen(native.c_str(), L"rb");
  if (!handle->file) return nullptr;
  // Our own window does the buffering; stdio's would only copy twice.
  std::setvbuf(handle->file, nullptr, _IONBF, 0);
  if (_fseeki64(handle->file, 0, SEEK_END) == 0) {
    long long end = _ftelli64(handle->file);
    if (end > 0) size = static_cast<uint64_t>(end);
  }
#else
  handle->fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle->fd < 0) return nullptr;
  struct stat st;
  if (::fstat(handle->fd, &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  size = static_cast<uint64_t>(st.st_size);
#endif
  return std::unique_ptr<FileReader>(new FileReader(std::move(handle), size));
}

FileReader::FileReader(std::unique_ptr<Handle> handle, uint64_t size)
    : Reader(size), handle_(std::move(handle)) {}

FileReader::~FileReader() = default;

size_t FileReader::ReadAt(uint64_t pos, void* dst, size_t n) {
  ++source_reads_;
  size_t done = 0;
#ifdef _WIN32
  if (handle_->file_pos != pos) {
    if (_fseeki64(handle_->file, static_cast<long long>(pos), SEEK_SET) != 0) return 0;
    handle_->file_pos = pos;
  }
  done = std::fread(dst, 1, n, handle_->file);
  handle_->file_pos += done;
#else
  auto* out = static_cast<unsigned char*>(dst);
  while (done < n) {
    ssize_t got = ::pread(handle_->fd, out + done, n - done, static_cast<off_t>(pos + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
#endif
  source_bytes_ += done;
  return done;
}

size_t FileReader::Fetch(uint64_t pos, void* dst, size_t n) {
  auto* out = static_cast<unsigned char*>(dst);
  size_t done = 0;
  while (done < n) {
    uint64_t at = pos + done;
    if (at >= window_pos_ && at < window_pos_ + window_len_) {
      size_t off = static_cast<size_t>(at - window_pos_);
      size_t take = std::min(n - done, window_len_ - off);
      std::memcpy(out + done, window_.get() + off, take);
      done += take;
      continue;
    }
    size_t want = n - done;
    if (want >= kMaxWindow) {
      // A large block goes straight to the caller.
      size_t got = ReadAt(at, out + done, want);
      done += got;
      if (got != want) return done;
      continue;
    }
    const uint64_t window_end = window_pos_ + window_len_;
    if (window_len_ != 0 && at >= window_end && at - window_end < kAlign)
      next_window_ = std::min(next_window_ * 2, kMaxWindow);
    const uint64_t start = at - at % kAlign;
    // Large enough for the whole request when the maximum allows.
    const uint64_t needed = (at - start + want + kAlign - 1) / kAlign * kAlign;
    const uint64_t wanted = std::min<uint64_t>(std::max<uint64_t>(next_window_, needed), kMaxWindow);
    const size_t length = static_cast<size_t>(std::min<uint64_t>(wanted, Size() - start));
    if (length > window_capacity_) {
      window_capacity_ = std::max(length, std::min(2 * window_capacity_, kMaxWindow));
      window_.reset(new unsigned char[window_capacity_]);
    }
    window_pos_ = start;
    window_len_ = ReadAt(start, window_.get(), length);
    SetView(window_.get(), window_pos_, window_len_);
    if (at >= window_pos_ + window_len_) return done;
  }
  return done;
}

}  // namespace kelvane
