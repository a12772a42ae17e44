#include "engine/loader/flashpix.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr const char* kCaption = "FlashPix拡張情報";
constexpr std::string_view kAudioStream = "/Audio_bd0100609719a180/Audio Stream";
// A storage (a folder of the FlashPix tree) has this size and a class id.
constexpr uint32_t kStorageSize = 0xFFFFFFFF;
constexpr int kClassIdSize = 16;
constexpr int64_t kMaxNameBytes = 10000;

// The contents list: one row per entry, its size in hexadecimal; the names
// are kept for the stream segments. The list ends with its segment.
void AddContentsList(Reader& f, uint64_t segment_end, ContentNameTable& names, InfoTree& tree) {
  tree.AddRow(kStyleCaption, kCaption, "コンテンツリスト");
  const uint32_t count = ReadBigEndian(f, 2);
  for (uint32_t j = 0; j < count; ++j) {
    // An entry needs at least its size and its default-value byte.
    if (f.Position() + 5 > segment_end) return;
    const uint32_t size = ReadBigEndian(f, 4);
    f.Skip(1);
    const uint64_t left = segment_end > f.Position() ? segment_end - f.Position() : 0;
    std::string name = ReadUnicodeLEZ(f, std::min<int64_t>(kMaxNameBytes, static_cast<int64_t>(left)));
    tree.AddRow(kStylePlain, name, HexDigits(size, 8));
    if (j < names.size()) names[j] = std::move(name);
    if (size == kStorageSize) f.Skip(kClassIdSize);
  }
}

}  // namespace

void AddFlashPixRows(Reader& f, uint64_t position, ContentNameTable& names, InfoTree& tree) {
  // The segment's length field stands just before its data.
  f.Seek(position - 2);
  const uint64_t segment_end = position + ReadBigEndian(f, 2) - 2;
  f.Seek(position + 5);
  ReadByte(f);  // version
  const uint8_t type = ReadByte(f);
  if (type == 1) {
    AddContentsList(f, segment_end, names, tree);
  } else if (type == 2) {
    const uint32_t index = ReadBigEndian(f, 2);
    const std::string& name = index < names.size() ? names[index] : std::string();
    tree.AddRow(kStyleCaption, kCaption, name);
    if (name.starts_with(kAudioStream)) tree.AddRow(kStylePlain, "DataType", "WAVE AUDIO");
  }
}

}  // namespace kelvane
