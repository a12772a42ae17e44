// The files a kelvane-info call reads: named files as given, folders
// expanded to the image, raw and movie files they hold.
#pragma once

#include <string>
#include <vector>

namespace kelvane::cli {

// Files named are kept as they are (even when they do not exist: the
// loader reports them). A folder gives its files whose extension the
// loader reads, sorted by name; with `recursive` also those of its
// subfolders. Folders that cannot be read are added to `errors`.
std::vector<std::string> ExpandPaths(const std::vector<std::string>& args, bool recursive,
                                     std::vector<std::string>& errors);

// True for the extensions of the files the loader decodes.
bool IsReadableExtension(const std::string& path);

}  // namespace kelvane::cli
