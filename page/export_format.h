// The line forms in which rows leave the page: the four clipboard copies
// and the text and CSV files. One table of line rules serves them all.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/loader/info_tree.h"

namespace kelvane {

enum class ExportKind {
  kCopySelected,  // "選択項目をコピー"
  kCopyAll,       // "すべてコピー"
  kCopyNames,     // "項目名のみすべてコピー"
  kCopyValues,    // "情報のみすべてコピー"
  kTextFile,      // "テキスト形式で保存"
  kCsvFile,       // "CSV形式で保存"
};

enum class OutputEncoding { kUtf8, kCp932 };

// The whole text of one command: every line ends with CR LF. `file_name`
// is the examined file's name without its folder. Texts are UTF-8 in and
// `encoding` out; the 25-byte name field counts bytes of that encoding.
// The files cut a value at its first NUL; the clipboard forms cut each line
// there, since clipboard text ends at a NUL. A character CP932 cannot hold
// is written as "?"; `lost_characters`, when given, tells whether that
// happened.
std::string ExportText(ExportKind kind, std::span<const TreeRow> rows,
                       std::string_view file_name, OutputEncoding encoding,
                       bool* lost_characters = nullptr);

}  // namespace kelvane
