// The property page without its window: the display switches and their
// settings, the load cycle, the rows and the summary, the copy and save
// commands and the two map commands. The Windows page forwards its events
// to the handlers here and draws what the accessors report.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/loader/info_tree.h"
#include "engine/loader/loader.h"
#include "page/export_format.h"
#include "page/page_items.h"
#include "page/platform.h"
#include "page/settings.h"

namespace kelvane {

// Dialogs the page opens: for the text and CSV save (`kind` "CSV" or
// empty, as SaveFile takes it) and for the thumbnail. The text and CSV
// dialogs offer CP932 (their first filter) and UTF-8 with a byte-order mark.
SaveDialogOptions SaveDialog2Options(std::string_view kind);
SaveDialogOptions SaveDialog1Options();
inline constexpr int kUtf8FilterIndex = 2;

class PropertyPage {
 public:
  // The run that rebuilds the rows and the page fields from a file.
  using LoadFunction = std::function<void(const std::string& path, const LoadSwitches& switches,
                                          InfoTree& tree, PageFields& fields)>;

  // Without `load`, the page runs a loader of its own, which keeps its
  // storage from one file to the next.
  explicit PropertyPage(Platform& platform, LoadFunction load = {});

  // Life of the page. `file_names` are the files the shell passed; the page
  // examines the first.
  void FormCreate(const std::vector<std::string>& file_names);
  void SxShellPropSheetFormDestroy();
  // One run of the loader over `FileEdit` with the current switches.
  void Button2Click();

  // Display switches; each but the panel reruns the loader.
  void MShowAllClick();
  void MShowMinClick();
  void MShowIPTCClick();
  void MShowXMPClick();
  void PIMClick();
  // The "サムネイル" toggle button was clicked: it flips, and the thumbnail
  // panel follows it.
  void MShowPanelClick();

  // The tree. Selection is reported row by row; `item` is the row that
  // became selected (nothing when none).
  void SelectRow(size_t index, bool selected);
  void SelectAllRows();  // Ctrl+A in the list
  void ElTreeItemSelectedChange(std::optional<size_t> item);

  // Toolbar.
  void ToolbarButton973Click();  // "単独起動": the stand-alone viewer
  void MAboutClick();            // "バージョン"

  // Copy and save.
  void MCopy2Click();        // "選択項目をコピー"
  void MCopyAllClick();      // "すべてコピー"
  void MCopyAllNameClick();  // "項目名のみすべてコピー"
  void MCopyAllInfoClick();  // "情報のみすべてコピー"
  void MSaveCSVClick();      // "CSV形式で保存"
  void N8Click();            // "テキスト形式で保存"
  // The text and CSV save: `kind` is "CSV" for CSV, empty for text.
  void SaveFile(std::string_view kind);
  void SaveButtonClick();  // "サムネイルの保存(&T)"

  // Maps.
  void ShowMapClick();
  void MapfannetClick();

  // The popup menu: a click on an entry, and its state.
  void MenuClick(MenuId id);
  bool MenuChecked(MenuId id) const;
  bool MenuEnabled(MenuId id) const;

  // What the window shows.
  const InfoTree& Tree() const { return tree_; }
  const PageFields& Fields() const { return fields_; }
  const std::string& NameEdit() const { return fields_.NameEdit; }
  const std::string& Memo1() const { return fields_.Memo1; }
  const std::string& FileEdit() const { return file_edit_; }
  const DisplaySettings& Settings() const { return settings_; }
  bool Panel2Visible() const { return settings_.panel; }
  bool MShowPanelDown() const { return settings_.panel; }
  int MShowPanelImage() const {
    return settings_.panel ? kShowPanelImageDown : kShowPanelImageUp;
  }

 private:
  LoadSwitches Switches() const;
  void Copy(ExportKind kind);
  // Checks the chosen target and writes `bytes` to it; tells the user when
  // it may not or could not be written. True when written.
  bool Save(const std::string& target, const std::string& bytes);
  bool IsExaminedFile(const std::string& target);

  Platform& platform_;
  Loader loader_;
  LoadFunction load_;
  DisplaySettings settings_;
  std::string file_edit_;
  InfoTree tree_;
  PageFields fields_;
};

}  // namespace kelvane
