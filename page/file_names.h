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

}  // namespace kelvane
