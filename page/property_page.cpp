#include "page/property_page.h"

#include <memory>

#include "page/about.h"
#include "page/file_names.h"
#include "page/file_output.h"
#include "page/map_coordinates.h"

namespace kelvane {

SaveDialogOptions SaveDialog2Options(std::string_view kind) {
  SaveDialogOptions o;
  if (kind == "CSV") {
    o.filter = "CSV (Shift_JIS) (*.csv)|*.csv|CSV (UTF-8) (*.csv)|*.csv";
    o.default_extension = "*.csv";
    o.title = kSaveCsvTitle;
  } else {
    o.filter = "テキスト (Shift_JIS) (*.txt)|*.txt|テキスト (UTF-8) (*.txt)|*.txt";
    o.default_extension = "*.txt";
    o.title = kSaveTextTitle;
  }
  o.overwrite_prompt = true;
  return o;
}

SaveDialogOptions SaveDialog1Options() {
  SaveDialogOptions o;
  o.filter = "JPEG (*.jpg)|*.jpg";
  o.default_extension = "*.jpg";
  o.title = kSaveThumbnailTitle;
  o.overwrite_prompt = true;
  return o;
}

namespace {

std::string Quoted(const std::string& name) { return "「" + name + "」"; }

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

PropertyPage::PropertyPage(Platform& platform, LoadFunction load)
    : platform_(platform), load_(std::move(load)) {
  if (!load_) {
    load_ = [this](const std::string& path, const LoadSwitches& switches, InfoTree& tree,
                   PageFields& fields) { loader_.Load(path, switches, tree, fields); };
  }
}

LoadSwitches PropertyPage::Switches() const {
  LoadSwitches s;
  s.abbreviated = settings_.abbreviated;
  s.iptc = settings_.iptc;
  s.xmp = settings_.xmp;
  s.pim = settings_.pim;
  return s;
}

void PropertyPage::FormCreate(const std::vector<std::string>& file_names) {
  settings_ = ReadDisplaySettings(platform_);
  fields_.ThumbPos = 0;
  fields_.ThumbLen = 0;
  file_edit_ = file_names.empty() ? std::string() : file_names.front();
  Button2Click();
}

void PropertyPage::SxShellPropSheetFormDestroy() { WriteDisplaySettings(platform_, settings_); }

void PropertyPage::Button2Click() { load_(file_edit_, Switches(), tree_, fields_); }

void PropertyPage::MShowAllClick() {
  settings_.abbreviated = false;
  Button2Click();
}

void PropertyPage::MShowMinClick() {
  settings_.abbreviated = true;
  Button2Click();
}

void PropertyPage::MShowIPTCClick() {
  settings_.iptc = !settings_.iptc;
  Button2Click();
}

void PropertyPage::MShowXMPClick() {
  settings_.xmp = !settings_.xmp;
  Button2Click();
}

void PropertyPage::PIMClick() {
  settings_.pim = !settings_.pim;
  Button2Click();
}

void PropertyPage::MShowPanelClick() { settings_.panel = !settings_.panel; }

void PropertyPage::SelectRow(size_t index, bool selected) { tree_.Select(index, selected); }

void PropertyPage::SelectAllRows() {
  for (size_t i = 0; i < tree_.size(); ++i) tree_.Select(i, true);
}

void PropertyPage::ElTreeItemSelectedChange(std::optional<size_t> item) {
  if (!item || *item >= tree_.size()) return;
  const TreeRow& row = tree_[*item];
  if (row.style == kStyleCaption) return;
  fields_.NameEdit = " " + row.name;
  fields_.Memo1 = row.value;
}

void PropertyPage::ToolbarButton973Click() {
  const std::string program = FolderPartOf(platform_.ModuleFileName()) + kViewerProgram;
  if (!platform_.StartProgram(program, "\"" + file_edit_ + "\""))
    platform_.ShowMessage(kPageCaption, Quoted(program) + kViewerNotStartedMessage);
}

void PropertyPage::MAboutClick() {
  platform_.ShowAboutBox(kAboutVersion,
                         std::vector<std::string>(kAboutLines.begin(), kAboutLines.end()));
}

void PropertyPage::Copy(ExportKind kind) {
  platform_.SetClipboardText(
      ExportText(kind, tree_.Rows(), FileNameOf(file_edit_), OutputEncoding::kUtf8));
}

void PropertyPage::MCopy2Click() { Copy(ExportKind::kCopySelected); }
void PropertyPage::MCopyAllClick() { Copy(ExportKind::kCopyAll); }
void PropertyPage::MCopyAllNameClick() { Copy(ExportKind::kCopyNames); }
void PropertyPage::MCopyAllInfoClick() { Copy(ExportKind::kCopyValues); }
void PropertyPage::MSaveCSVClick() { SaveFile("CSV"); }
void PropertyPage::N8Click() { SaveFile(""); }

bool PropertyPage::IsExaminedFile(const std::string& target) {
  if (!NamesSameFile(target, file_edit_)) return false;
  platform_.ShowMessage(kPageCaption, Quoted(target) + kExaminedFileMessage);
  return true;
}

bool PropertyPage::Save(const std::string& target, const std::string& bytes) {
  const WriteResult written = WriteWholeFile(target, bytes);
  if (!written) {
    platform_.ShowMessage(kPageCaption, Quoted(target) + kSaveFailedMessage + "\n" +
                                            WriteFailureReason(written.error));
  }
  return static_cast<bool>(written);
}

void PropertyPage::SaveFile(std::string_view kind) {
  SaveDialogOptions options = SaveDialog2Options(kind);
  const bool csv = kind == "CSV";
  options.initial_folder = FolderPartOf(file_edit_);
  options.file_name = ChangeExtension(file_edit_, csv ? ".csv" : ".txt");
  std::optional<SaveDialogChoice> choice = platform_.SaveFileDialog(options);
  if (!choice || IsExaminedFile(choice->path)) return;
  const ExportKind format = csv ? ExportKind::kCsvFile : ExportKind::kTextFile;
  const bool utf8 = choice->filter_index == kUtf8FilterIndex;
  bool lost = false;
  std::string bytes = ExportText(format, tree_.Rows(), FileNameOf(file_edit_),
                                 utf8 ? OutputEncoding::kUtf8 : OutputEncoding::kCp932, &lost);
  if (utf8) bytes.insert(0, kUtf8ByteOrderMark);
  if (Save(choice->path, bytes) && lost) platform_.ShowMessage(kPageCaption, kLostCharactersMessage);
}

void PropertyPage::SaveButtonClick() {
  if (fields_.ThumbPos == 0 || fields_.ThumbLen == 0) return;
  // "<photo name>_thumbnail.jpg" beside the photo, as the text and CSV saves
  // propose theirs.
  SaveDialogOptions options = SaveDialog1Options();
  options.initial_folder = FolderPartOf(file_edit_);
  options.file_name = ChangeExtension(file_edit_, "_thumbnail.jpg");
  std::optional<SaveDialogChoice> choice = platform_.SaveFileDialog(options);
  if (!choice || IsExaminedFile(choice->path)) return;
  const std::optional<std::string> bytes =
      ReadFileRange(file_edit_, fields_.ThumbPos, fields_.ThumbLen);
  if (!bytes) {
    platform_.ShowMessage(kPageCaption, Quoted(file_edit_) + kThumbnailUnreadableMessage);
    return;
  }
  Save(choice->path, *bytes);
}

void PropertyPage::ShowMapClick() {
  if (!fields_.ShowMapEnabled) return;
  platform_.OpenUrl(fields_.MapURL);
}

void PropertyPage::MapfannetClick() {
  if (!fields_.MapfannetEnabled) return;
  bool shown = false;
  try {
    // The connection is released before any message is shown.
    std::unique_ptr<MapApplication> app = platform_.ConnectMapApplication();
    if (app) {
      const std::optional<int32_t> longitude = ParseInt32(fields_.MapLon);
      const std::optional<int32_t> latitude = ParseInt32(fields_.MapLat);
      int32_t value = 0;
      shown = longitude && latitude && app->QueryValue(value) &&
              app->ShowPosition(*longitude, *latitude, value);
    }
  } catch (...) {
    shown = false;
  }
  if (!shown) platform_.ShowMessage(kPageCaption, kMapApplicationMissing);
}

void PropertyPage::MenuClick(MenuId id) {
  if (!MenuEnabled(id)) return;
  switch (id) {
    case MenuId::N1: MCopy2Click(); break;
    case MenuId::N2: MCopyAllClick(); break;
    case MenuId::N5: MCopyAllNameClick(); break;
    case MenuId::N6: MCopyAllInfoClick(); break;
    case MenuId::CSV1: MSaveCSVClick(); break;
    case MenuId::N8: N8Click(); break;
    case MenuId::T1: SaveButtonClick(); break;
    case MenuId::ShowMap: ShowMapClick(); break;
    case MenuId::Mapfannet: MapfannetClick(); break;
    case MenuId::MShowAll: MShowAllClick(); break;
    case MenuId::MShowMin: MShowMinClick(); break;
    case MenuId::MShowIPTC: MShowIPTCClick(); break;
    case MenuId::MShowXMP: MShowXMPClick(); break;
    case MenuId::PIM: PIMClick(); break;
    case MenuId::Separator1:
    case MenuId::Separator2:
    case MenuId::Separator3:
    case MenuId::N3:
      break;
  }
}

bool PropertyPage::MenuChecked(MenuId id) const {
  switch (id) {
    case MenuId::MShowAll: return !settings_.abbreviated;
    case MenuId::MShowMin: return settings_.abbreviated;
    case MenuId::MShowIPTC: return settings_.iptc;
    case MenuId::MShowXMP: return settings_.xmp;
    case MenuId::PIM: return settings_.pim;
    default: return false;
  }
}

bool PropertyPage::MenuEnabled(MenuId id) const {
  switch (id) {
    case MenuId::T1: return fields_.ThumbPos != 0 && fields_.ThumbLen != 0;
    case MenuId::ShowMap: return fields_.ShowMapEnabled;
    case MenuId::Mapfannet: return fields_.MapfannetEnabled;
    case MenuId::N3: return false;
    default: return true;
  }
}

}  // namespace kelvane
