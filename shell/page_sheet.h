// The Kelvane page as a property-sheet page: what the shell extension adds
// to the Properties dialog.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace kelvane::shell {

// A property-sheet page whose window is the Kelvane page on the first of
// `files`; nothing when it cannot be made. The page holds a count on the
// module until the sheet releases it.
HPROPSHEETPAGE CreateKelvanePage(const std::vector<std::wstring>& files);

}  // namespace kelvane::shell
