// The byte source every decoder reads the examined file through: an explicit
// position, sequential reads, and a ReadError for any read past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvane {

// A read that needs bytes the file does not have. Decoders let it pass; the
// loader catches it once per run.
class ReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Reader {
 public:
  virtual ~Reader() = default;

  uint64_t Size() const { return size_; }
  uint64_t Position() const { return pos_; }
  bool AtEnd() const { return pos_ >= size_; }
  // Bytes left between the position and the end (0 when past the end).
  uint64_t Remaining() const { return pos_ < size_ ? size_ - pos_ : 0; }

  // Seeking never fails; a position past the end makes the next read fail.
  void Seek(uint64_t pos) { pos_ = pos; }
  void Skip(uint64_t n) { pos_ += n; }

  // Reads exactly n bytes or throws ReadError without consuming anything.
  // Bytes inside the buffered view are copied here, without a call.
  void Read(void* dst, size_t n) {
    const uint64_t off = pos_ - view_pos_;
    if (pos_ >= view_pos_ && off < view_len_ && n <= view_len_ - off) {
      std::memcpy(dst, view_ + off, n);
      pos_ += n;
      return;
    }
    ReadFromSource(dst, n);
  }
  // Reads exactly n bytes into a string; checks the size before allocating.
  std::string ReadString(uint64_t n);
  // Reads one byte, or returns -1 at the end of the file (for scanners).
  int Get();

  // Statistics for benchmarks: calls that reached the underlying source.
  uint64_t SourceReads() const { return source_reads_; }
  uint64_t SourceBytes() const { return source_bytes_; }

 protected:
  explicit Reader(uint64_t size) : size_(size) {}
  // Copies up to n bytes at pos into dst; returns the count copied.
  virtual size_t Fetch(uint64_t pos, void* dst, size_t n) = 0;
  // Bytes [pos, pos + len) of the file held at data; they stay valid until
  // the next Fetch or SetView. Every byte of a view lies inside the file.
  void SetView(const unsigned char* data, uint64_t pos, size_t len) {
    view_ = data;
    view_pos_ = pos;
    view_len_ = len;
  }
  uint64_t source_reads_ = 0;
  uint64_t source_bytes_ = 0;

 private:
  void ReadFromSource(void* dst, size_t n);

  uint64_t size_;
  uint64_t pos_ = 0;
  const unsigned char* view_ = nullptr;
  uint64_t view_pos_ = 0;
  size_t view_len_ = 0;
};

// Reads a buffer held in memory (tests, fuzzing, the built-in sample).
class MemoryReader final : public Reader {
 public:
  explicit MemoryReader(std::string bytes)
      : Reader(bytes.size()), bytes_(std::move(bytes)) {
    SetView(reinterpret_cast<const unsigned char*>(bytes_.data()), 0, bytes_.size());
  }
  // The view points into this object's own bytes.
  MemoryReader(const MemoryReader&) = delete;
  MemoryReader& operator=(const MemoryReader&) = delete;

 protected:
  size_t Fetch(uint64_t pos, void* dst, size_t n) override;

 private:
  std::string bytes_;
};

// Reads a file through a window buffer: most reads of a decoder are a few
// bytes next to the previous ones and are served without a system call.
class FileReader final : public Reader {
 public:
  // Opens read-only; returns nullptr when the file cannot be opened.
  static std::unique_ptr<FileReader> Open(const std::string& path);
  ~FileReader() override;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;


 protected:
  size_t Fetch(uint64_t pos, void* dst, size_t n) override;

 private:
  struct Handle;
  FileReader(std::unique_ptr<Handle> handle, uint64_t size);
  // Reads up to n bytes at pos straight from the file.
  size_t ReadAt(uint64_t pos, void* dst, size_t n);

  // The window starts on a multiple of its alignment, so that the small
  // backward steps decoders take stay inside it. It starts small, since
  // copying bytes out of the system's cache costs about as much as the
  // decoding and most metadata sits in the first few KiB, and doubles each
  // time reading runs on past its end.
  static constexpr size_t kFirstWindow = 4 * 1024;
  static constexpr size_t kMaxWindow = 64 * 1024;
  static constexpr uint64_t kAlign = 4096;
  std::unique_ptr<Handle> handle_;
  std::unique_ptr<unsigned char[]> window_;  // not zero-filled: only read bytes are used
  size_t window_capacity_ = 0;
  uint64_t window_pos_ = 0;
  size_t window_len_ = 0;
  size_t next_window_ = kFirstWindow;
};

}  // namespace kelvane
