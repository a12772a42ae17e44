// The display settings the page keeps in the user's registry hive,
// under "Kelvane_Prop". A user who has none there yet gets the values an
// older install kept under "Kelvane".
#pragma once

#include <array>
#include <string>

#include "page/platform.h"

namespace kelvane {

// Written, and read when it exists.
inline constexpr const char* kSettingsKey = "\\Software\\Tarnwell\\Kelvane_Prop";
// Read when the first does not exist.
inline constexpr const char* kOlderSettingsKey = "\\Software\\Tarnwell\\Kelvane";

struct DisplaySettings {
  bool abbreviated = false;  // "省略表示" checked instead of "すべて表示"
  bool iptc = true;          // "IPTC情報表示"
  bool xmp = true;           // "XMP情報表示"
  bool pim = true;           // "PIM情報表示"
  bool panel = true;         // the thumbnail panel shown, "サムネイル" down
};

// How one value is read and written. A value read as `flip_text` turns the
// setting away from its default; anything else (missing included) keeps the
// default. Written: `on_text` when the setting is on, else `off_text`.
struct SettingRule {
  const char* name;
  bool DisplaySettings::*field;
  const char* flip_text;
  const char* on_text;
  const char* off_text;
};

inline constexpr std::array<SettingRule, 5> kSettingRules = {{
    {"AutoHide", &DisplaySettings::abbreviated, "on", "on", ""},
    {"ShowIPTC", &DisplaySettings::iptc, "off", "on", "off"},
    {"ShowXMP", &DisplaySettings::xmp, "off", "on", "off"},
    {"ShowPIM", &DisplaySettings::pim, "off", "on", "off"},
    {"ShowPanel", &DisplaySettings::panel, "off", "on", "off"},
}};

// The key the settings are read from.
const char* SettingsKeyToRead(Platform& platform);
DisplaySettings ReadDisplaySettings(Platform& platform);
void WriteDisplaySettings(Platform& platform, const DisplaySettings& settings);

}  // namespace kelvane
