// The files a kelvane-info call reads: named files as given, folders
// expanded to the image, raw and movie files they hold.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane::cli {

// Files named are kept as they are (even when they do not exist: the
// loader reports them). A folder gives its files whose extension the
// loader reads, sorted by name; with `recursive` also those of its
// subfolders. Folders that cannot be read are added to `errors`.
std::vector<std::string> ExpandPaths(const std::vector<std::string>& args, bool recursive,
                                     std::vector<std::string>& errors);

// The extensions of the files the loader decodes (lower case, dot
// included): the ones a folder gives, the viewer opens and the installer
// offers the viewer for.
inline constexpr std::array<std::string_view, 44> kReadableExtensions = {
    ".jpg", ".jpeg", ".jpe", ".tif", ".tiff", ".cr2", ".dcr", ".orf",
    ".nsk", ".nef",  ".pef", ".erf", ".srf",  ".dng", ".raf", ".mrw",
    ".psd", ".crw",  ".mov", ".jp2", ".avi",  ".dcm", ".x3f", ".thm",
    ".heic", ".heif", ".hif", ".avif", ".cr3", ".mp4", ".m4v", ".3gp", ".3g2",
    ".png", ".webp", ".jxl", ".arw", ".sr2",  ".srw", ".nrw", ".rwl",
    ".3fr", ".iiq",  ".rw2",
};

// True for the extensions of the files the loader decodes.
bool IsReadableExtension(const std::string& path);

}  // namespace kelvane::cli
