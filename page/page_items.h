// The page's named items: the popup menu in its order, the toolbar buttons
// and the fixed captions the window shows.
#pragma once

#include <array>
#include <string_view>

namespace kelvane {

inline constexpr const char* kPageCaption = "Kelvane";
inline constexpr const char* kNameColumnCaption = "項目名";
inline constexpr const char* kValueColumnCaption = "情報";
// The summary label after each load (the loader sets it).
inline constexpr const char* kSummaryLabelAfterLoad = " 項目名";

// The external map application, named in its menu item and its message.
inline constexpr std::string_view kMapApplicationName = "地図ソフト";
inline constexpr const char kMapfannetCaption[] = "地図ソフトで地図を表示";
inline constexpr const char kMapApplicationMissing[] = "地図ソフトが見つかりません";
static_assert(std::string_view(kMapfannetCaption) ==
              std::string_view("地図ソフト" "で地図を表示"));
static_assert(std::string_view(kMapfannetCaption).starts_with(kMapApplicationName));
static_assert(std::string_view(kMapApplicationMissing).starts_with(kMapApplicationName) &&
              std::string_view(kMapApplicationMissing).substr(kMapApplicationName.size()) ==
                  "が見つかりません");

enum class MenuId {
  N1,         // copy selected
  N2,         // copy all
  Separator1,
  N5,         // copy names
  N6,         // copy values
  Separator2,
  CSV1,       // save CSV
  N8,         // save text
  T1,         // save thumbnail
  ShowMap,    // web map
  Mapfannet,  // map application
  Separator3,
  MShowAll,
  MShowMin,
  MShowIPTC,
  MShowXMP,
  PIM,
  N3,  // the last, owner-drawn entry
};

enum class MenuKind {
  kCommand,
  kSeparator,
  kRadio,      // "すべて表示" / "省略表示"
  kCheck,      // "IPTC情報表示", "XMP情報表示", "PIM情報表示"
  kOwnerDrawn, // disabled, no text: filled with the button-face colour
};

struct MenuEntry {
  MenuId id;
  const char* caption;
  MenuKind kind;
};

// `PopupMenu1`, top to bottom.
inline constexpr std::array<MenuEntry, 18> kPopupMenu = {{
    {MenuId::N1, "選択項目をコピー", MenuKind::kCommand},
    {MenuId::N2, "すべてコピー", MenuKind::kCommand},
    {MenuId::Separator1, "-", MenuKind::kSeparator},
    {MenuId::N5, "項目名のみすべてコピー", MenuKind::kCommand},
    {MenuId::N6, "情報のみすべてコピー", MenuKind::kCommand},
    {MenuId::Separator2, "-", MenuKind::kSeparator},
    {MenuId::CSV1, "CSV形式で保存", MenuKind::kCommand},
    {MenuId::N8, "テキスト形式で保存", MenuKind::kCommand},
    {MenuId::T1, "サムネイルの保存(&T)", MenuKind::kCommand},
    {MenuId::ShowMap, "マピオンで地図を表示(&M)", MenuKind::kCommand},
    {MenuId::Mapfannet, kMapfannetCaption, MenuKind::kCommand},
    {MenuId::Separator3, "-", MenuKind::kSeparator},
    {MenuId::MShowAll, "すべて表示", MenuKind::kRadio},
    {MenuId::MShowMin, "省略表示", MenuKind::kRadio},
    {MenuId::MShowIPTC, "IPTC情報表示", MenuKind::kCheck},
    {MenuId::MShowXMP, "XMP情報表示", MenuKind::kCheck},
    {MenuId::PIM, "PIM情報表示", MenuKind::kCheck},
    {MenuId::N3, "", MenuKind::kOwnerDrawn},
}};

// The key that runs an entry from the list, shown beside its caption;
// nothing for the others. (Ctrl+A selects every row; it has no entry.)
constexpr const char* MenuShortcut(MenuId id) { return id == MenuId::N1 ? "Ctrl+C" : nullptr; }

// The owner-drawn last entry is measured this high (pixels).
inline constexpr int kN3Height = 25;

// Toolbar buttons of `Panel1`.
inline constexpr const char* kMShowPanelCaption = "サムネイル";
inline constexpr const char* kToolbarButton973Caption = "単独起動";
inline constexpr const char* kToolbarButton971Caption = "オプション";
inline constexpr const char* kToolbarButton972Caption = "バージョン";
// `MShowPanel`'s picture in `ImageList1`: 2 when down, 1 when up.
inline constexpr int kShowPanelImageDown = 2;
inline constexpr int kShowPanelImageUp = 1;

// The stand-alone viewer, found in the module's folder.
inline constexpr const char* kViewerProgram = "Kelvane.exe";

// The save dialogs' titles.
inline constexpr const char* kSaveCsvTitle = "CSV形式で保存";
inline constexpr const char* kSaveTextTitle = "テキスト形式で保存";
inline constexpr const char* kSaveThumbnailTitle = "サムネイルの保存";

// Messages (caption kPageCaption). The file names are inserted between
// the corner brackets.
inline constexpr const char* kLostCharactersMessage = "一部の文字は保存できませんでした";
inline constexpr const char* kExaminedFileMessage =
    "は表示中のファイルです。上書きすると写真が失われるため、保存できません。\n"
    "別のファイル名を指定してください。";
inline constexpr const char* kSaveFailedMessage = "に保存できませんでした。";
inline constexpr const char* kThumbnailUnreadableMessage =
    "からサムネイルを読み込めませんでした。ファイルが移動または変更された可能性があります。";
inline constexpr const char* kViewerNotStartedMessage = "を起動できませんでした。";

}  // namespace kelvane
