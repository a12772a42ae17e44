// The previous and next file of an open file's folder: the files of the
// kinds the loader reads, in the order kelvane-info lists that folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvane::viewer {

// The file `step` places after (positive) or before (negative) `current`
// among `folder_files` (one folder's files, sorted by name); nothing past
// either end. Names are matched as the file system spells them, else
// without regard to ASCII case (Windows names); a file that is not among
// them (of another kind, or gone since) keeps its place in the order.
std::optional<std::string> NeighbourIn(const std::vector<std::string>& folder_files,
                                       const std::string& current, int step);

// The same over `current`'s folder as it is on disk now (UTF-8 paths).
std::optional<std::string> NeighbourFile(const std::string& current, int step);

}  // namespace kelvane::viewer
