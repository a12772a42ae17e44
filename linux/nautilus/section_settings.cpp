#include "linux/nautilus/section_settings.h"

#include <gio/gio.h>

#include <utility>

#include "page/settings.h"

namespace kelvane::nautilus {

namespace {

// The section's default where the schema is missing: the abbreviated view.
SettingValues DefaultValues() { return {{"abbreviated", true}}; }

}  // namespace

SettingValues ReadSettingValues() {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema =
      source ? g_settings_schema_source_lookup(source, kSchemaId, TRUE) : nullptr;
  if (!schema) return DefaultValues();
  // g_settings_new aborts on a missing key, so each key is looked up first
  // (an older schema may lack a newer key).
  GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
  SettingValues values;
  for (const SettingKey& entry : kSettingKeys) {
    if (g_settings_schema_has_key(schema, entry.key))
      values[entry.key] = g_settings_get_boolean(settings, entry.key) != FALSE;
  }
  g_object_unref(settings);
  g_settings_schema_unref(schema);
  return values;
}

SectionPlatform::SectionPlatform(SettingValues values) : values_(std::move(values)) {}

bool SectionPlatform::SettingsKeyExists(const std::string& key) { return key == kSettingsKey; }

std::string SectionPlatform::ReadSetting(const std::string& key, const std::string& name) {
  if (key != kSettingsKey) return {};
  for (const SettingKey& entry : kSettingKeys) {
    if (name != entry.setting) continue;
    const auto value = values_.find(entry.key);
    if (value == values_.end()) return {};
    for (const SettingRule& rule : kSettingRules)
      if (name == rule.name) return value->second ? rule.on_text : rule.off_text;
  }
  return {};
}

}  // namespace kelvane::nautilus
