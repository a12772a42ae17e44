#include "engine/makernote/maker_record.h"

#include <cmath>

#include "engine/reader/primitives.h"
#include "engine/text/text_list.h"

namespace kelvane::maker {

namespace {

uint32_t Width(FieldType type) {
  switch (type) {
    case FieldType::kU8:
    case FieldType::kS8: return 1;
    case FieldType::kU16:
    case FieldType::kS16:
    case FieldType::kU16BE: return 2;
    case FieldType::kU32:
    case FieldType::kS32:
    case FieldType::kU32BE: return 4;
    default: return 1;
  }
}

// The bytes a field takes.
uint64_t FieldSize(const RecordField& field) {
  switch (field.type) {
    case FieldType::kText:
    case FieldType::kHex:
    case FieldType::kU8Array: return field.count;
    case FieldType::kU16Array: return uint64_t{field.count} * 2;
    default: return Width(field.type);
  }
}

uint32_t Unsigned(const uint8_t* p, uint32_t width, bool intel) {
  uint32_t v = 0;
  for (uint32_t i = 0; i < width; ++i) {
    const uint32_t b = p[intel ? width - 1 - i : i];
    v = (v << 8) | b;
  }
  return v;
}

int64_t Number(const uint8_t* p, FieldType type, bool intel) {
  switch (type) {
    case FieldType::kU8: return p[0];
    case FieldType::kS8: return static_cast<int8_t>(p[0]);
    case FieldType::kU16: return Unsigned(p, 2, intel);
    case FieldType::kS16: return static_cast<int16_t>(Unsigned(p, 2, intel));
    case FieldType::kU32: return Unsigned(p, 4, intel);
    case FieldType::kS32: return static_cast<int32_t>(Unsigned(p, 4, intel));
    case FieldType::kU16BE: return Unsigned(p, 2, false);
    case FieldType::kU32BE: return Unsigned(p, 4, false);
    default: return 0;
  }
}

std::string Text(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t b : bytes) {
    if (b == 0) break;
    text.push_back(static_cast<char>(b));
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

bool IsNumber(FieldType type) {
  return type != FieldType::kText && type != FieldType::kHex && type != FieldType::kU8Array &&
         type != FieldType::kU16Array;
}

}  // namespace

void StoreFact(Fact fact, int64_t number, NoteFacts& facts) {
  const auto value = static_cast<double>(number);
  switch (fact) {
    case Fact::kShutterCount:
      if (number > 0 && number <= UINT32_MAX) facts.shutter_count = static_cast<uint32_t>(number);
      break;
    case Fact::kModelId:
      if (number > 0 && number <= UINT32_MAX) facts.model_id = static_cast<uint32_t>(number);
      break;
    case Fact::kFocalMin: facts.lens.focal_min = value; break;
    case Fact::kFocalMax: facts.lens.focal_max = value; break;
    case Fact::kApertureMax: facts.lens.aperture_max = value; break;
    case Fact::kSerial:
    case Fact::kModel:
    case Fact::kDateTime: StoreFact(fact, std::to_string(number), facts); break;
    case Fact::kNone: break;
  }
}

void StoreFact(Fact fact, const std::string& text, NoteFacts& facts) {
  switch (fact) {
    case Fact::kSerial: facts.serial = text; break;
    case Fact::kModel: facts.model = text; break;
    case Fact::kDateTime: facts.date_time = text; break;
    case Fact::kNone: break;
    default: {
      // A number fact from a row's text: its leading digits.
      int64_t n = 0;
      size_t i = 0;
      for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && n < INT64_MAX / 10; ++i)
        n = n * 10 + (text[i] - '0');
      if (i > 0) StoreFact(fact, n, facts);
      break;
    }
  }
}

void ReadRecord(std::span<const uint8_t> bytes, bool intel, const MakerRecord& record,
                int32_t key_base, NoteFacts& facts, TMakerResult& out) {
  if (record.big_endian) intel = false;
  for (const RecordField& field : record.fields) {
    const uint64_t size = FieldSize(field);
    if (field.offset > bytes.size() || size > bytes.size() - field.offset) continue;
    const std::span<const uint8_t> at = bytes.subspan(field.offset, static_cast<size_t>(size));
    const int32_t key = key_base + static_cast<int32_t>(field.offset & 0xFFFF);
    std::string value;
    if (IsNumber(field.type)) {
      const int64_t n = Number(at.data(), field.type, intel);
      StoreFact(field.fact, n, facts);
      if (!field.values.empty()) {
        const CodeText* label = FindCode(field.values, n);
        if (label && !label->text) continue;
        value = label ? std::string(label->text) : UnknownText(n);
      } else if (!field.lenses.empty()) {
        value = LensText(field.lenses, static_cast<uint32_t>(n), facts.lens);
      } else if (field.text) {
        value = field.text(n);
      } else {
        value = std::to_string(n) + field.unit;
      }
    } else if (field.type == FieldType::kText) {
      value = Text(at);
      StoreFact(field.fact, value, facts);
    } else if (field.type == FieldType::kHex) {
      value = HexBytes(std::string_view(reinterpret_cast<const char*>(at.data()), at.size()));
      StoreFact(field.fact, value, facts);
    } else {
      const bool words = field.type == FieldType::kU16Array;
      TextList list(" ");
      for (size_t i = 0; i < field.count; ++i)
        list.AddNumber(words ? Unsigned(at.data() + 2 * i, 2, intel) : at[i]);
      value = list.Take();
    }
    out.Add(key, TableName{field.name}, std::move(value), field.style);
  }
}

void ReadRecord(std::span<const uint8_t> bytes, bool intel, const MakerRecord& record,
                int32_t key_base, const LensClues& clues, TMakerResult& out) {
  NoteFacts facts;
  facts.lens = clues;
  ReadRecord(bytes, intel, record, key_base, facts, out);
}

}  // namespace kelvane::maker
