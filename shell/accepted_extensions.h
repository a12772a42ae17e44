// Which selections get the Kelvane page: exactly one file whose lower-cased
// extension is one of these.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane::shell {

inline constexpr std::array<std::wstring_view, 35> kAcceptedExtensions = {
    L".jpeg", L".jpg", L".tiff", L".tif", L".nef", L".orf", L".cr2", L".mrw",
    L".psd",  L".crw", L".dng",  L".erf", L".raf", L".mov", L".srf", L".pef",
    // The ISO base media files of today's phones and cameras.
    L".heic", L".heif", L".hif", L".avif", L".cr3", L".mp4", L".m4v", L".3gp",
    // Web images and the raws of today's cameras.
    L".png",  L".webp", L".jxl", L".arw", L".sr2", L".srw", L".nrw", L".rwl", L".3fr",
    L".iiq",  L".rw2",
};

// The extension of the file name part, dot included and lower-cased (ASCII
// letters only, as the extensions are); empty when there is none.
std::wstring LowerExtension(std::wstring_view path);

// True exactly when `files` holds one file with an accepted extension.
bool OffersPage(const std::vector<std::wstring>& files);

}  // namespace kelvane::shell
