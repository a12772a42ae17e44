// The services the property page needs from the machine it runs on. The
// Windows page supplies the real ones; tests supply a double that records
// every call. All texts are UTF-8.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// What the common save-file dialog is opened with.
struct SaveDialogOptions {
  std::string filter;             // "JPEG (*.jpg)|*.jpg|..." pairs joined by '|'
  std::string default_extension;  // as the page names it ("*.txt")
  std::string title;
  std::string initial_folder;  // empty: the dialog's own choice
  std::string file_name;       // empty: none proposed
  bool overwrite_prompt = false;
};

// What the user chose in the save-file dialog.
struct SaveDialogChoice {
  std::string path;
  int filter_index = 1;  // the chosen filter: 1 for the first pair
};

// One connection to the external map application's automation server. It
// is released when the object is destroyed.
class MapApplication {
 public:
  virtual ~MapApplication() = default;
  // The custom interface's third method: one 32-bit out-value.
  virtual bool QueryValue(int32_t& value) = 0;
  // The custom interface's first method: longitude, latitude and the value
  // the third method returned.
  virtual bool ShowPosition(int32_t longitude, int32_t latitude, int32_t value) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Settings store: text values under the current user's `key`
  // ("\Software\Tarnwell\Kelvane_Prop"). A missing key or value reads as "".
  virtual bool SettingsKeyExists(const std::string& key) = 0;
  virtual std::string ReadSetting(const std::string& key, const std::string& name) = 0;
  // Failures are not reported.
  virtual void WriteSetting(const std::string& key, const std::string& name,
                            const std::string& value) = 0;

  // Puts `text` on the clipboard as Unicode text.
  virtual void SetClipboardText(const std::string& text) = 0;

  // Shows the save-file dialog; the choice, or nothing when cancelled.
  virtual std::optional<SaveDialogChoice> SaveFileDialog(const SaveDialogOptions& options) = 0;

  // Asks the shell to perform "OPEN" on a URL (the default browser opens
  // it). The result is ignored.
  virtual void OpenUrl(const std::string& url) = 0;

  // Starts `program` with `parameters`: default verb, no working folder,
  // shown normally, owned by the page. False when it could not be started.
  virtual bool StartProgram(const std::string& program, const std::string& parameters) = 0;

  // Full path of the module file the page lives in.
  virtual std::string ModuleFileName() = 0;

  // Creates the map application's automation server and obtains its custom
  // interface; nothing when it is not installed or cannot start.
  virtual std::unique_ptr<MapApplication> ConnectMapApplication() = 0;

  // A message box owned by the page with an OK button only.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;

  // The modal about box: the version text and the label's lines.
  virtual void ShowAboutBox(const std::string& version, const std::vector<std::string>& lines) = 0;
};

}  // namespace kelvane
