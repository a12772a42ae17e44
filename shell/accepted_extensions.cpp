#include "shell/accepted_extensions.h"

#include <algorithm>

namespace kelvane::shell {

std::wstring LowerExtension(std::wstring_view path) {
  const size_t name_start = path.find_last_of(L"\\/:");
  const size_t dot = path.find_last_of(L'.');
  if (dot == std::wstring_view::npos ||
      (name_start != std::wstring_view::npos && dot < name_start))
    return {};
  std::wstring ext(path.substr(dot));
  for (wchar_t& c : ext)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return ext;
}

bool OffersPage(const std::vector<std::wstring>& files) {
  if (files.size() != 1) return false;
  const std::wstring ext = LowerExtension(files.front());
  return std::find(kAcceptedExtensions.begin(), kAcceptedExtensions.end(), ext) !=
         kAcceptedExtensions.end();
}

}  // namespace kelvane::shell
