#include "engine/containers/iptc.h"

#include <cstdio>

#include "engine/containers/iptc_datasets.h"
#include "engine/reader/primitives.h"
#include "engine/text/jis.h"

namespace kelvane {

namespace {

constexpr uint8_t kTagMarker = 0x1C;
constexpr uint8_t kEnvelopeRecord = 1;
constexpr uint8_t kApplicationRecord = 2;

std::string HexText(Reader& f, uint32_t length) { return HexBytes(ReadRaw(f, length)); }

// SO/SI switched JIS text over `length` bytes; a character begun on the
// last byte takes one byte more.
std::string JisText(Reader& f, uint32_t length) {
  text::JisShiftDecoder decoder;
  for (char c : ReadRaw(f, length)) decoder.Feed(static_cast<uint8_t>(c));
  if (decoder.MidCharacter()) decoder.Feed(ReadByte(f));
  return decoder.Text();
}

void AddDataset(Reader& f, uint8_t record, uint8_t dataset, uint32_t length,
                TMakerResult& result) {
  const int32_t tag = record * 256 + dataset;
  if (record == kEnvelopeRecord) {
    for (const auto& d : iptc::kEnvelopeDatasets) {
      if (d.dataset != dataset) continue;
      std::string value = d.kind == iptc::ValueKind::kHex ? HexText(f, length)
                                                           : ReadTextSkipNul(f, length);
      result.Add(tag, std::string(d.caption), std::move(value));
      return;
    }
    result.Add(tag, UnknownText(dataset), std::string());
    return;
  }
  if (record == kApplicationRecord) {
    std::string caption = CodeTextOrUnknown(iptc::kApplicationCaptions, dataset);
    std::string value = dataset == 0 ? HexText(f, length) : JisText(f, length);
    result.Add(tag, std::move(caption), std::move(value));
    return;
  }
  result.Add(tag, UnknownText(dataset), std::string());
}

}  // namespace

void ReadIPTC(Reader& f, bool intel, uint64_t start, uint32_t length, TMakerResult& result) {
  result.Count = 0;
  const uint64_t end = start + length;
  f.Seek(start);
  try {
    // Each dataset moves on by at least its 5-byte header; a full record
    // has no room for more rows.
    while (f.Position() < end && result.Count < kRowCapacity) {
      const uint8_t marker = ReadByte(f);
      const uint8_t record = ReadByte(f);
      const uint8_t dataset = ReadByte(f);
      const uint32_t size = ReadValue(f, intel, 2);
      const uint64_t next = f.Position() + size;
      if (marker == kTagMarker) AddDataset(f, record, dataset, size, result);
      f.Seek(next);
    }
  } catch (const ReadError&) {
    // A dataset that runs past the end of the file ends the block.
  }
}

}  // namespace kelvane
