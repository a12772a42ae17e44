#include "page/settings.h"

namespace kelvane {

const char* SettingsKeyToRead(Platform& platform) {
  return platform.SettingsKeyExists(kSettingsKey) ? kSettingsKey : kOlderSettingsKey;
}

DisplaySettings ReadDisplaySettings(Platform& platform) {
  DisplaySettings s;
  const char* key = SettingsKeyToRead(platform);
  for (const SettingRule& rule : kSettingRules) {
    if (platform.ReadSetting(key, rule.name) == rule.flip_text)
      s.*rule.field = !(s.*rule.field);
  }
  return s;
}

void WriteDisplaySettings(Platform& platform, const DisplaySettings& settings) {
  for (const SettingRule& rule : kSettingRules)
    platform.WriteSetting(kSettingsKey, rule.name,
                          settings.*rule.field ? rule.on_text : rule.off_text);
}

}  // namespace kelvane
