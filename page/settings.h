// The four display settings the page keeps in the user's registry hive:
// read from one key, written to another (the page never reads back what it
// wrote).
#pragma once

#include <array>
#include <string>

#include "page/platform.h"

namespace kelvane {

inline constexpr const char* kSettingsReadKey = "\\Software\\Tarnwell\\Kelvane";
inline constexpr const char* kSettingsWriteKey = "\\Software\\Tarnwell\\Kelvane_Prop";

struct DisplaySettings {
  bool abbreviated = false;  // "省略表示" checked instead of "すべて表示"
  bool iptc = true;          // "IPTC情報表示"
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

inline constexpr std::array<SettingRule, 4> kSettingRules = {{
    {"AutoHide", &DisplaySettings::abbreviated, "on", "on", ""},
    {"ShowIPTC", &DisplaySettings::iptc, "off", "on", "off"},
    {"ShowPIM", &DisplaySettings::pim, "off", "on", "off"},
    {"ShowPanel", &DisplaySettings::panel, "off", "on", "off"},
}};

DisplaySettings ReadDisplaySettings(Platform& platform);
void WriteDisplaySettings(Platform& platform, const DisplaySettings& settings);

}  // namespace kelvane
