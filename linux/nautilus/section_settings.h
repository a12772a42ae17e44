// The page's display settings on GNOME: boolean keys of the GSettings
// schema org.tarnwell.Kelvane (installed with the package; changed with
// `gsettings set org.tarnwell.Kelvane abbreviated false` or dconf-editor).
// The page reads its settings through the Platform's settings store; the
// store here answers each of the page's setting names from its key, in the
// texts the page's rules read.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "page/platform.h"

namespace kelvane::nautilus {

inline constexpr const char* kSchemaId = "org.tarnwell.Kelvane";

// The page's setting (its name in kSettingRules) and the key that holds it.
// The thumbnail panel has no key: the section shows no thumbnail.
struct SettingKey {
  const char* setting;
  const char* key;
};
inline constexpr std::array<SettingKey, 4> kSettingKeys = {{
    {"AutoHide", "abbreviated"},
    {"ShowIPTC", "show-iptc"},
    {"ShowXMP", "show-xmp"},
    {"ShowPIM", "show-pim"},
}};

// The keys' values at one moment; a key without a value keeps the page's
// default for its setting. Read on the main thread, then handed to the
// reading thread with the rest of one load.
using SettingValues = std::map<std::string, bool>;

// The values of the installed schema's keys; empty when the schema is not
// installed (the page's defaults, and the abbreviated view).
SettingValues ReadSettingValues();

// A Platform whose settings store answers from `values`. Nothing the
// section does needs the other services: they do nothing.
class SectionPlatform : public Platform {
 public:
  explicit SectionPlatform(SettingValues values);

  bool SettingsKeyExists(const std::string& key) override;
  std::string ReadSetting(const std::string& key, const std::string& name) override;
  void WriteSetting(const std::string&, const std::string&, const std::string&) override {}
  void SetClipboardText(const std::string&) override {}
  std::optional<SaveDialogChoice> SaveFileDialog(const SaveDialogOptions&) override {
    return std::nullopt;
  }
  void OpenUrl(const std::string&) override {}
  bool StartProgram(const std::string&, const std::string&) override { return false; }
  std::string ModuleFileName() override { return {}; }
  std::unique_ptr<MapApplication> ConnectMapApplication() override { return nullptr; }
  void ShowMessage(const std::string&, const std::string&) override {}
  void ShowAboutBox(const std::string&, const std::vector<std::string>&) override {}

 private:
  SettingValues values_;
};

}  // namespace kelvane::nautilus
