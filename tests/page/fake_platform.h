// A Platform that records every call in order and answers from fields the
// test sets. Settings live in a map keyed by (key, name).
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/loader/info_tree.h"
#include "engine/loader/loader.h"
#include "page/platform.h"
#include "page/property_page.h"

namespace kelvane::testing {

struct Call {
  std::string what;
  std::vector<std::string> args;
  bool operator==(const Call&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Call& c) {
  os << c.what << "(";
  for (size_t i = 0; i < c.args.size(); ++i) os << (i ? ", " : "") << '"' << c.args[i] << '"';
  return os << ")";
}

class FakePlatform : public Platform {
 public:
  // How the map application behaves.
  enum class MapApp { kAbsent, kQueryFails, kShowFails, kThrows, kWorks };

  std::vector<Call> calls;
  std::map<std::pair<std::string, std::string>, std::string> store;
  std::optional<std::string> dialog_answer;  // nothing: the user cancels
  int dialog_filter_index = 1;               // the filter the user picks
  bool program_starts = true;                // StartProgram succeeds
  std::string module_file_name = "C:\\Program Files\\Kelvane\\KelvaneProp.dll";
  MapApp map_app = MapApp::kAbsent;
  int32_t map_value = 4096;

  std::vector<Call> CallsNamed(const std::string& what) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.what == what) out.push_back(c);
    return out;
  }

  bool SettingsKeyExists(const std::string& key) override {
    calls.push_back({"SettingsKeyExists", {key}});
    for (const auto& [entry, value] : store)
      if (entry.first == key) return true;
    return false;
  }
  std::string ReadSetting(const std::string& key, const std::string& name) override {
    calls.push_back({"ReadSetting", {key, name}});
    auto it = store.find({key, name});
    return it == store.end() ? std::string() : it->second;
  }
  void WriteSetting(const std::string& key, const std::string& name,
                    const std::string& value) override {
    calls.push_back({"WriteSetting", {key, name, value}});
    store[{key, name}] = value;
  }
  void SetClipboardText(const std::string& text) override {
    calls.push_back({"SetClipboardText", {text}});
  }
  std::optional<SaveDialogChoice> SaveFileDialog(const SaveDialogOptions& o) override {
    calls.push_back({"SaveFileDialog",
                     {o.filter, o.default_extension, o.title, o.initial_folder, o.file_name,
                      o.overwrite_prompt ? "prompt" : "no prompt"}});
    if (!dialog_answer) return std::nullopt;
    return SaveDialogChoice{*dialog_answer, dialog_filter_index};
  }
  void OpenUrl(const std::string& url) override { calls.push_back({"OpenUrl", {url}}); }
  bool StartProgram(const std::string& program, const std::string& parameters) override {
    calls.push_back({"StartProgram", {program, parameters}});
    return program_starts;
  }
  std::string ModuleFileName() override {
    calls.push_back({"ModuleFileName", {}});
    return module_file_name;
  }
  std::unique_ptr<MapApplication> ConnectMapApplication() override {
    calls.push_back({"ConnectMapApplication", {}});
    if (map_app == MapApp::kAbsent) return nullptr;
    return std::make_unique<FakeMapApplication>(*this);
  }
  void ShowMessage(const std::string& caption, const std::string& text) override {
    calls.push_back({"ShowMessage", {caption, text}});
  }
  void ShowAboutBox(const std::string& version, const std::vector<std::string>& lines) override {
    std::vector<std::string> args{version};
    args.insert(args.end(), lines.begin(), lines.end());
    calls.push_back({"ShowAboutBox", args});
  }

 private:
  class FakeMapApplication : public MapApplication {
   public:
    explicit FakeMapApplication(FakePlatform& p) : p_(p) {}
    ~FakeMapApplication() override { p_.calls.push_back({"MapRelease", {}}); }
    bool QueryValue(int32_t& value) override {
      p_.calls.push_back({"MapQueryValue", {}});
      if (p_.map_app == MapApp::kThrows) throw std::runtime_error("server gone");
      if (p_.map_app == MapApp::kQueryFails) return false;
      value = p_.map_value;
      return true;
    }
    bool ShowPosition(int32_t lon, int32_t lat, int32_t value) override {
      p_.calls.push_back(
          {"MapShowPosition", {std::to_string(lon), std::to_string(lat), std::to_string(value)}});
      return p_.map_app == MapApp::kWorks;
    }

   private:
    FakePlatform& p_;
  };
};

// A loader stand-in: records each run's path and switches and fills the
// tree and fields from what the test set.
struct FakeLoader {
  struct Row {
    int style;
    std::string name;
    std::string value;
  };
  struct Run {
    std::string path;
    LoadSwitches switches;
  };
  std::vector<Row> rows;
  PageFields fields;
  std::vector<Run> runs;

  PropertyPage::LoadFunction Function() {
    return [this](const std::string& path, const LoadSwitches& s, InfoTree& tree,
                  PageFields& out) {
      runs.push_back({path, s});
      tree.Clear();
      for (const Row& r : rows) tree.AddRow(r.style, r.name, r.value);
      out = fields;
    };
  }
};

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("kelvane_page_test_" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace kelvane::testing
