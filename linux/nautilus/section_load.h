// One reading of a file for the section: the page's own load over the file
// with the settings of the moment, turned into the section's items. It
// blocks for as long as the file takes, so the provider runs it off the
// main thread.
#pragma once

#include <string>
#include <vector>

#include "linux/nautilus/section_items.h"
#include "linux/nautilus/section_settings.h"

namespace kelvane::nautilus {

// The items for the file at `path` (a local path, UTF-8 or the file
// system's bytes): the page's rows, or one item saying why the file cannot
// be read. Never throws.
std::vector<SectionItem> ReadSection(const std::string& path, const SettingValues& settings);

}  // namespace kelvane::nautilus
