// Path pieces the page derives from the examined file and its module.
#pragma once

#include <string>

namespace kelvane {

// The name without its folder ("C:\a\b.jpg" -> "b.jpg").
std::string FileNameOf(const std::string& path);
// The folder with its trailing separator ("C:\a\b.jpg" -> "C:\a\"); empty
// when the path has no folder.
std::string FolderPartOf(const std::string& path);
// The path with its extension replaced, or `ext` appended when the name has
// none ("C:\a\b.jpg", ".txt" -> "C:\a\b.txt").
std::string ChangeExtension(const std::string& path, const std::string& ext);

// True when a save to `target` would write over `examined`: the two name
// one file on disk (whatever the spelling: a short name, a link), or the
// two names are the same as Windows compares them (either separator, ASCII
// letters in any case, "." and ".." steps resolved). Both are UTF-8.
bool NamesSameFile(const std::string& target, const std::string& examined);

}  // namespace kelvane
