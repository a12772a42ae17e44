#include "engine/containers/decompress.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>

#include <zlib.h>
#if KELVANE_HAVE_BROTLI
#include <brotli/decode.h>
#endif

namespace kelvane {

namespace {

constexpr size_t kInputPiece = 16 * 1024;
constexpr size_t kOutputPiece = 64 * 1024;

void CheckInFile(Reader& f, uint64_t position, uint64_t length) {
  if (position > f.Size() || length > f.Size() - position)
    throw ReadError("compressed stream past the end of the file");
}

// Feeds the stream to `step` in pieces. `step(input, size, last)` returns
// false once the stream has ended, failed or filled its cap.
template <typename Step>
void Feed(Reader& f, uint64_t position, uint64_t length, Step step) {
  std::array<unsigned char, kInputPiece> piece;
  uint64_t done = 0;
  while (done < length) {
    const auto n = static_cast<size_t>(std::min<uint64_t>(kInputPiece, length - done));
    f.Seek(position + done);
    f.Read(piece.data(), n);
    done += n;
    if (!step(piece.data(), n)) return;
  }
}

// Appends without the doubling growth overshooting the cap by much: the
// output's storage never exceeds the cap.
void Append(std::string& out, const unsigned char* bytes, size_t n, size_t cap) {
  if (out.size() + n > out.capacity())
    out.reserve(std::min(cap, std::max(out.capacity() * 2, out.size() + n)));
  out.append(reinterpret_cast<const char*>(bytes), n);
}

}  // namespace

Decompressed InflateZlib(Reader& f, uint64_t position, uint64_t length, size_t cap) {
  CheckInFile(f, position, length);
  Decompressed out;
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return out;
  struct End {
    z_stream& z;
    ~End() { inflateEnd(&z); }
  } end{z};
  std::array<unsigned char, kOutputPiece> buffer;
  Feed(f, position, length, [&](const unsigned char* input, size_t size) {
    z.next_in = const_cast<unsigned char*>(input);
    z.avail_in = static_cast<uInt>(size);
    while (true) {
      const size_t room = std::min(buffer.size(), cap - out.bytes.size());
      const uInt input_before = z.avail_in;
      z.next_out = buffer.data();
      z.avail_out = static_cast<uInt>(room);
      const int rc = inflate(&z, Z_NO_FLUSH);
      const size_t made = room - z.avail_out;
      Append(out.bytes, buffer.data(), made, cap);
      if (rc == Z_STREAM_END) {
        out.complete = true;
        return false;
      }
      if (rc != Z_OK && rc != Z_BUF_ERROR) return false;
      if (out.bytes.size() >= cap) {
        out.capped = true;
        return false;
      }
      // All input used, or nothing moved: the next piece is needed.
      if (z.avail_in == 0 && z.avail_out != 0) return true;
      if (made == 0 && z.avail_in == input_before) return true;
    }
  });
  return out;
}

#if KELVANE_HAVE_BROTLI

bool CanDecompressBrotli() { return true; }

namespace {

// The decoder's own memory (its window and tables) comes out of a fixed
// budget; a stream that asks for more fails instead.
constexpr size_t kBrotliMemoryBudget = size_t{24} << 20;

struct BrotliBudget {
  size_t used = 0;
};

void* BudgetAlloc(void* opaque, size_t size) {
  auto* budget = static_cast<BrotliBudget*>(opaque);
  if (size > kBrotliMemoryBudget - budget->used) return nullptr;
  auto* block = static_cast<size_t*>(std::malloc(size + sizeof(max_align_t)));
  if (!block) return nullptr;
  *block = size;
  budget->used += size;
  return reinterpret_cast<char*>(block) + sizeof(max_align_t);
}

void BudgetFree(void* opaque, void* address) {
  if (!address) return;
  auto* block = reinterpret_cast<size_t*>(static_cast<char*>(address) - sizeof(max_align_t));
  static_cast<BrotliBudget*>(opaque)->used -= *block;
  std::free(block);
}

}  // namespace

Decompressed DecompressBrotli(Reader& f, uint64_t position, uint64_t length, size_t cap) {
  CheckInFile(f, position, length);
  Decompressed out;
  BrotliBudget budget;
  BrotliDecoderState* state = BrotliDecoderCreateInstance(BudgetAlloc, BudgetFree, &budget);
  if (!state) return out;
  struct Destroy {
    BrotliDecoderState* state;
    ~Destroy() { BrotliDecoderDestroyInstance(state); }
  } destroy{state};
  std::array<unsigned char, kOutputPiece> buffer;
  Feed(f, position, length, [&](const unsigned char* input, size_t size) {
    const uint8_t* next_in = input;
    size_t avail_in = size;
    while (true) {
      const size_t room = std::min(buffer.size(), cap - out.bytes.size());
      uint8_t* next_out = buffer.data();
      size_t avail_out = room;
      const BrotliDecoderResult rc =
          BrotliDecoderDecompressStream(state, &avail_in, &next_in, &avail_out, &next_out, nullptr);
      Append(out.bytes, buffer.data(), room - avail_out, cap);
      if (rc == BROTLI_DECODER_RESULT_SUCCESS) {
        out.complete = true;
        return false;
      }
      if (rc == BROTLI_DECODER_RESULT_ERROR) return false;
      if (out.bytes.size() >= cap) {
        out.capped = true;
        return false;
      }
      if (rc == BROTLI_DECODER_RESULT_NEEDS_MORE_INPUT) return true;
      // NEEDS_MORE_OUTPUT: go round with an emptied buffer.
    }
  });
  return out;
}

#else

bool CanDecompressBrotli() { return false; }

Decompressed DecompressBrotli(Reader& f, uint64_t position, uint64_t length, size_t) {
  CheckInFile(f, position, length);
  return {};
}

#endif

}  // namespace kelvane
