#include "page/settings.h"

namespace kelvane {

DisplaySettings ReadDisplaySettings(Platform& platform) {
  DisplaySettings s;
  for (const SettingRule& rule : kSettingRules) {
    if (platform.ReadSetting(kSettingsReadKey, rule.name) == rule.flip_text)
      s.*rule.field = !(s.*rule.field);
  }
  return s;
}

void WriteDisplaySettings(Platform& platform, const DisplaySettings& settings) {
  for (const SettingRule& rule : kSettingRules)
    platform.WriteSetting(kSettingsWriteKey, rule.name,
                          settings.*rule.field ? rule.on_text : rule.off_text);
}

}  // namespace kelvane
