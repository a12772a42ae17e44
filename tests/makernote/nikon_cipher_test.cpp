// Nikon's keyed XOR of LensData and ShotInfo.
#include "engine/makernote/nikon_cipher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

std::vector<uint8_t> Hex(std::string_view hex) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    out.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return out;
}

// A version 0204 LensData block as a D850 with a Sigma 12-24mm f/4 writes
// it (version, exit pupil, AF aperture, ..., lens ID bytes CA 3C 1F 37 30
// 30 4B), and the same block enciphered with serial 6012345 and shutter
// count 68622.
constexpr std::string_view kPlain0204 =
    "303230341731810005466829ca3c1f3730304b3017601f5f000000000000000000";
constexpr std::string_view kEnciphered0204 =
    "303230345a9d4ba746d8d0b8e3bc895ccf622f05d2743db07bc6d09921686e33b7";

TEST(NikonCipher, DeciphersALensDataBlockAfterItsVersion) {
  std::vector<uint8_t> block = Hex(kEnciphered0204);
  nikon::Decipher(std::span(block).subspan(4), 6012345, 68622);
  EXPECT_EQ(block, Hex(kPlain0204));
  // The same call enciphers again.
  nikon::Decipher(std::span(block).subspan(4), 6012345, 68622);
  EXPECT_EQ(block, Hex(kEnciphered0204));
}

TEST(NikonCipher, KeyStreamsOfKnownKeys) {
  // The first bytes of the stream: serial key 0 and count 0 pick the
  // tables' first entries; only the serial's low byte and the XOR of the
  // count's four bytes matter.
  struct Case {
    uint32_t serial, count;
    std::string_view stream;
  } cases[] = {
      {0, 0, "07280aad11361cc3"},
      {0x60, 1, "9c99b3ea3eaf3de8"},
      {0x160, 0x01000000, "9c99b3ea3eaf3de8"},
      {0x100, 0x01010101, "07280aad11361cc3"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> zeros(8, 0);
    nikon::Decipher(zeros, c.serial, c.count);
    EXPECT_EQ(zeros, Hex(c.stream)) << c.serial << " " << c.count;
  }
}

TEST(NikonCipher, EmptyBlockIsLeftAlone) {
  std::vector<uint8_t> none;
  nikon::Decipher(none, 1, 2);
  EXPECT_TRUE(none.empty());
}

TEST(NikonCipher, SerialKey) {
  EXPECT_EQ(nikon::SerialKey("6012345", "NIKON D850"), 6012345u);
  EXPECT_EQ(nikon::SerialKey("0000001", "NIKON D850"), 1u);
  // A serial that is no number: D50 bodies key on 0x22, the others on 0x60.
  EXPECT_EQ(nikon::SerialKey("NO= 20025585", "NIKON D50"), 0x22u);
  EXPECT_EQ(nikon::SerialKey("NO= 20025585", "NIKON D70"), 0x60u);
  EXPECT_EQ(nikon::SerialKey("", "NIKON Z 6"), 0x60u);
}

}  // namespace
}  // namespace kelvane
