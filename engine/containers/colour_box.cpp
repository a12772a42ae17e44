#include "engine/containers/colour_box.h"

#include <string>

#include "engine/containers/colour_tables.h"
#include "engine/containers/icc_signature.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

std::string Coded(std::span<const CodeText> table, uint16_t code) {
  if (auto text = LookupCode(table, code)) return std::string(*text) + " (" + std::to_string(code) + ")";
  return UnknownText(code);
}

}  // namespace

void ReadColourBox(Reader& f, uint64_t payload, uint64_t size, std::string_view prefix,
                   TMakerResult& rows, IccPlace& icc) {
  if (size < 4) return;
  f.Seek(payload);
  const uint32_t kind = ReadLong(f, false);
  auto row = [&](std::string_view name, std::string value) {
    AddItem(rows, std::string(prefix) + std::string(name), std::move(value));
  };
  if (kind == icc::Sig("prof") || kind == icc::Sig("rICC")) {
    icc.Note(payload + 4, size - 4);
    return;
  }
  const bool nclx = kind == icc::Sig("nclx");
  if (!nclx && kind != icc::Sig("nclc")) return;
  if (size < (nclx ? 11u : 10u)) return;
  const uint16_t primaries = ReadWord(f, false);
  const uint16_t transfer = ReadWord(f, false);
  const uint16_t matrix = ReadWord(f, false);
  row("色情報", nclx ? "nclx" : "nclc");
  row("色の原色", Coded(colour::kPrimaries, primaries));
  row("伝達特性", Coded(colour::kTransfers, transfer));
  row("行列係数", Coded(colour::kMatrices, matrix));
  if (nclx) row("フルレンジ", (ReadByte(f) & 0x80) ? "はい" : "いいえ");
  row("HDR", transfer == colour::kTransferPq    ? "はい (PQ)"
             : transfer == colour::kTransferHlg ? "はい (HLG)"
                                                : "いいえ");
}

}  // namespace kelvane
