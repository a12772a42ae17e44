#include "cli/render.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/text/encoding.h"

namespace kelvane::cli {

namespace {
constexpr const char* kBold = "\x1b[1m";
constexpr const char* kDim = "\x1b[2m";
constexpr const char* kReset = "\x1b[0m";

// What a list cell shows: the text up to its first NUL, on one line (line
// breaks and other control characters become blanks, so a value cannot
// pass for a heading of its own).
std::string Shown(std::string_view s) {
  std::string out(s.substr(0, s.find('\0')));
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return out;
}
}  // namespace

std::string RenderTree(const InfoTree& tree, bool colour, OutputEncoding encoding) {
  std::string out;
  auto encode = [encoding](std::string_view s) {
    return encoding == OutputEncoding::kCp932 ? text::Utf8ToCp932(s) : std::string(s);
  };
  for (const TreeRow& row : tree.Rows()) {
    std::string line;
    if (row.style == kStyleCaption) {
      if (!out.empty()) out += "\n";
      line = "[" + Shown(row.name) + "]";
      if (!Shown(row.value).empty()) line += " " + Shown(row.value);
      if (colour) line = kBold + line + kReset;
    } else {
      line = "  " + Shown(row.name) + ": " + Shown(row.value);
      if (colour && row.style == kStyleDetail) line = kDim + line + kReset;
    }
    out += encode(line) + "\n";
  }
  return out;
}

namespace {

// True when one of the eight bytes at `p` is a control character, '"',
// '\\' or DEL (the answer is exact, never a false alarm).
bool NeedsEscape(const char* p) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  uint64_t w;
  std::memcpy(&w, p, 8);
  auto has_zero = [](uint64_t x) { return (x - kOnes) & ~x & kHigh; };
  const uint64_t below_space = (w - kOnes * 0x20) & ~w & kHigh;
  return (below_space | has_zero(w ^ (kOnes * '"')) | has_zero(w ^ (kOnes * '\\')) |
          has_zero(w ^ (kOnes * 0x7F))) != 0;
}

// Appends `s` as a JSON string literal; `s` is valid UTF-8.
void AppendJsonString(std::string& out, std::string_view s) {
  out.push_back('"');
  size_t run = 0;  // start of the bytes not yet copied
  for (size_t i = 0; i < s.size(); ++i) {
    // Skip eight bytes at a time while none needs an escape.
    while (i + 8 <= s.size() && !NeedsEscape(s.data() + i)) i += 8;
    if (i >= s.size()) break;
    auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c != '"' && c != '\\' && c != 0x7F) continue;
    out.append(s.data() + run, i - run);
    run = i + 1;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: {
        static constexpr char kHex[] = "0123456789abcdef";
        const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
        out.append(escape, sizeof escape);
      }
    }
  }
  out.append(s.data() + run, s.size() - run);
  out.push_back('"');
}

void AppendJsonText(std::string& out, std::string_view s) {
  if (text::IsValidUtf8(s))
    AppendJsonString(out, s);
  else
    AppendJsonString(out, text::RowText(s));
}

}  // namespace

std::string JsonString(std::string_view s) {
  std::string out;
  AppendJsonText(out, s);
  return out;
}

std::string RenderJson(const std::string& path, const InfoTree& tree, const PageFields& page) {
  std::string out;
  size_t text = 0;
  for (const TreeRow& row : tree.Rows()) text += row.name.size() + row.value.size();
  out.reserve(256 + path.size() + tree.size() * 48 + text + text / 8);
  out += "{\"file\": ";
  AppendJsonText(out, path);
  out += ", \"rows\": [";
  bool first = true;
  for (const TreeRow& row : tree.Rows()) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    out += "{\"style\": ";
    out += std::to_string(row.style);
    // Rows are UTF-8 already: AddRow made them so.
    out += ", \"name\": ";
    AppendJsonString(out, row.name);
    out += ", \"value\": ";
    AppendJsonString(out, row.value);
    out += "}";
  }
  out += "],\n \"thumbnail\": {\"offset\": " + std::to_string(page.ThumbPos) +
         ", \"length\": " + std::to_string(page.ThumbLen) + "},\n \"map\": ";
  if (page.ShowMapEnabled) {
    out += "{\"url\": ";
    AppendJsonText(out, page.MapURL);
    out += ", \"lon\": ";
    AppendJsonText(out, page.MapLon);
    out += ", \"lat\": ";
    AppendJsonText(out, page.MapLat);
    out += "}";
  } else {
    out += "null";
  }
  out += "}";
  return out;
}

}  // namespace kelvane::cli
