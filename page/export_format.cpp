#include "page/export_format.h"

#include <algorithm>
#include <array>

#include "engine/text/encoding.h"

namespace kelvane {

namespace {

// How one command writes its first line, a caption row and any other row.
enum class Line {
  kNone,
  kName,                // Name
  kNameColonValue,      // Name + " : " + Value
  kEmpty,               // an empty line
  kValue,               // Value
  kPaddedNameColon,     // "%25s" of Name, " : ", Value
  kQuotedName,          // "Name"
  kQuotedNameAndValue,  // "Name","Value"
};

// Where a NUL kept from the file ends the text.
enum class Nul {
  kCutValue,  // the files: a value ends at its first NUL
  kCutLine,   // the clipboard: its text would end at the first NUL, so
              // each line ends there instead and the lines after it stay
};

struct LineRules {
  ExportKind kind;
  bool selected_only;
  Nul nul;
  // The first line is built from the caption "ファイル名" (as Name) and the
  // file name (as Value).
  Line first;
  Line caption;
  Line row;
};

constexpr std::array<LineRules, 6> kRules = {{
    {ExportKind::kCopySelected, true, Nul::kCutLine, Line::kNone, Line::kName,
     Line::kNameColonValue},
    {ExportKind::kCopyAll, false, Nul::kCutLine, Line::kNameColonValue, Line::kName,
     Line::kNameColonValue},
    {ExportKind::kCopyNames, false, Nul::kCutLine, Line::kName, Line::kName, Line::kName},
    {ExportKind::kCopyValues, false, Nul::kCutLine, Line::kValue, Line::kEmpty, Line::kValue},
    {ExportKind::kTextFile, false, Nul::kCutValue, Line::kPaddedNameColon, Line::kName,
     Line::kPaddedNameColon},
    {ExportKind::kCsvFile, false, Nul::kCutValue, Line::kQuotedNameAndValue, Line::kQuotedName,
     Line::kQuotedNameAndValue},
}};

constexpr std::string_view kFileNameCaption = "ファイル名";

size_t QuestionMarks(std::string_view s) {
  size_t n = 0;
  for (char c : s)
    if (c == '?') ++n;
  return n;
}

std::string Quoted(const std::string& s) {
  // A quote inside a field is doubled, so that CSV readers get the text back.
  std::string out = "\"";
  for (char c : s) {
    out.push_back(c);
    if (c == '"') out.push_back('"');
  }
  out.push_back('"');
  return out;
}

std::string PadTo25(const std::string& s) {
  return s.size() >= 25 ? s : std::string(25 - s.size(), ' ') + s;
}

std::string Build(Line line, const std::string& name, const std::string& value) {
  switch (line) {
    case Line::kNone:
    case Line::kEmpty:
      return {};
    case Line::kName:
      return name;
    case Line::kNameColonValue:
      return name + " : " + value;
    case Line::kValue:
      return value;
    case Line::kPaddedNameColon:
      return PadTo25(name) + " : " + value;
    case Line::kQuotedName:
      return Quoted(name);
    case Line::kQuotedNameAndValue:
      return Quoted(name) + "," + Quoted(value);
  }
  return {};
}

}  // namespace

std::string ExportText(ExportKind kind, std::span<const TreeRow> rows,
                       std::string_view file_name, OutputEncoding encoding,
                       bool* lost_characters) {
  const LineRules* rules = &kRules[0];
  for (const auto& r : kRules)
    if (r.kind == kind) rules = &r;

  auto encode = [encoding](std::string_view s) {
    return encoding == OutputEncoding::kCp932 ? text::Utf8ToCp932(s) : std::string(s);
  };
  std::string out;
  bool lost = false;
  // One line, built once from the encoded texts and once from the UTF-8
  // ones. A character CP932 lacks becomes "?", and no CP932 trail byte is a
  // "?": more of them in the encoded line means a character was replaced.
  auto emit = [&](Line line, std::string_view name, std::string_view value) {
    std::string encoded = Build(line, encode(name), encode(value));
    std::string original = Build(line, std::string(name), std::string(value));
    if (rules->nul == Nul::kCutLine) {
      encoded.resize(std::min(encoded.size(), encoded.find('\0')));
      original.resize(std::min(original.size(), original.find('\0')));
    }
    if (QuestionMarks(encoded) > QuestionMarks(original)) lost = true;
    out += encoded;
    out += "\r\n";
  };

  if (rules->first != Line::kNone) emit(rules->first, kFileNameCaption, text::RowText(file_name));
  for (const TreeRow& row : rows) {
    if (rules->selected_only && !row.selected) continue;
    std::string_view value = row.value;
    if (rules->nul == Nul::kCutValue) value = value.substr(0, value.find('\0'));
    emit(row.style == kStyleCaption ? rules->caption : rules->row, row.name, value);
  }
  if (lost_characters) *lost_characters = lost;
  return out;
}

}  // namespace kelvane
