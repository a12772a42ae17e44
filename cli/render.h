// The output forms of kelvane-info that are not the page's export formats.
#pragma once

#include <string>

#include "engine/loader/info_tree.h"
#include "engine/loader/loader.h"
#include "page/export_format.h"

namespace kelvane::cli {

// Caption rows as headings, other rows indented "name: value"; on a colour
// terminal detail rows are dimmed and captions bold.
std::string RenderTree(const InfoTree& tree, bool colour, OutputEncoding encoding);

// One file's JSON object: {"file", "rows", "thumbnail", "map"}.
std::string RenderJson(const std::string& path, const InfoTree& tree, const PageFields& page);

// A JSON string literal; the text is made valid UTF-8 first.
std::string JsonString(std::string_view s);

}  // namespace kelvane::cli
