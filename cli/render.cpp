#include "cli/render.h"

#include <cstdio>

#include "engine/text/encoding.h"

namespace kelvane::cli {

namespace {
constexpr const char* kBold = "\x1b[1m";
constexpr const char* kDim = "\x1b[2m";
constexpr const char* kReset = "\x1b[0m";

// What a list cell shows: the text up to its first NUL.
std::string_view Shown(std::string_view s) { return s.substr(0, s.find('\0')); }
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
      line = "[" + std::string(Shown(row.name)) + "]";
      if (!Shown(row.value).empty()) line += " " + std::string(Shown(row.value));
      if (colour) line = kBold + line + kReset;
    } else {
      line = "  " + std::string(Shown(row.name)) + ": " + std::string(Shown(row.value));
      if (colour && row.style == kStyleDetail) line = kDim + line + kReset;
    }
    out += encode(line) + "\n";
  }
  return out;
}

std::string JsonString(std::string_view s) {
  std::string u = text::RowText(s);
  std::string out = "\"";
  for (char ch : u) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out.push_back(ch);
        }
    }
  }
  out += "\"";
  return out;
}

std::string RenderJson(const std::string& path, const InfoTree& tree, const PageFields& page) {
  std::string out = "{\"file\": " + JsonString(path) + ", \"rows\": [";
  bool first = true;
  for (const TreeRow& row : tree.Rows()) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    out += "{\"style\": " + std::to_string(row.style) + ", \"name\": " + JsonString(row.name) +
           ", \"value\": " + JsonString(row.value) + "}";
  }
  out += "],\n \"thumbnail\": {\"offset\": " + std::to_string(page.ThumbPos) +
         ", \"length\": " + std::to_string(page.ThumbLen) + "},\n \"map\": ";
  if (page.ShowMapEnabled)
    out += "{\"url\": " + JsonString(page.MapURL) + ", \"lon\": " + JsonString(page.MapLon) +
           ", \"lat\": " + JsonString(page.MapLat) + "}";
  else
    out += "null";
  out += "}";
  return out;
}

}  // namespace kelvane::cli
