// The about box ("バージョン"): modal, borderless with a one-pixel frame,
// centred on the screen, closed by its OK button, Enter or Escape, and
// dragged by the left mouse button anywhere on it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelvane::page {

// Client size and the places of its parts (pixels).
inline constexpr SIZE kAboutClient = {353, 233};
inline constexpr RECT kAboutTopPicture = {1, 1, 1 + 351, 1 + 115};
inline constexpr RECT kAboutLeftPicture = {1, 117, 1 + 58, 117 + 113};
inline constexpr RECT kAboutVersionBox = {202, 97, 202 + 137, 97 + 16};
inline constexpr POINT kAboutLabel = {69, 124};
inline constexpr int kAboutLineStep = 12;
inline constexpr RECT kAboutOkButton = {240, 200, 240 + 103, 200 + 22};

// Shows the box owned by `owner` and returns when it is closed.
void ShowAbout(HWND owner, const std::string& version, const std::vector<std::string>& lines);

}  // namespace kelvane::page
