#include "page/property_page.h"

#include <gtest/gtest.h>

#include <tuple>

#include "page/file_output.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/page/fake_platform.h"

namespace kelvane {
namespace {

using testing::Call;
using testing::FakeLoader;
using testing::FakePlatform;
using testing::TempDir;

constexpr const char* kRead = "\\Software\\Tarnwell\\Kelvane";
constexpr const char* kWrite = "\\Software\\Tarnwell\\Kelvane_Prop";
constexpr const char* kPhoto = "C:\\Photos\\IMG_0001.JPG";

struct Checked {
  bool all, min, iptc, xmp, pim, panel;
  bool operator==(const Checked&) const = default;
};

Checked StateOf(const PropertyPage& page) {
  return {page.MenuChecked(MenuId::MShowAll), page.MenuChecked(MenuId::MShowMin),
          page.MenuChecked(MenuId::MShowIPTC), page.MenuChecked(MenuId::MShowXMP),
          page.MenuChecked(MenuId::PIM),
          page.Panel2Visible()};
}

std::ostream& operator<<(std::ostream& os, const Checked& c) {
  return os << "all=" << c.all << " min=" << c.min << " iptc=" << c.iptc << " xmp=" << c.xmp << " pim=" << c.pim
            << " panel=" << c.panel;
}

using Values = std::map<std::string, std::string>;

TEST(PageSettings, ReadFromKelvanePropWhenItExistsElseFromKelvane) {
  const Values flipped = {
      {"AutoHide", "on"}, {"ShowIPTC", "off"}, {"ShowXMP", "off"}, {"ShowPIM", "off"},
      {"ShowPanel", "off"}};
  struct Case {
    Values kelvane;
    std::optional<Values> kelvane_prop;  // nothing: the key does not exist
    Checked want;
    const char* read_from;
  } cases[] = {
      {{}, std::nullopt, {true, false, true, true, true, true}, kRead},
      {{{"AutoHide", "on"}}, std::nullopt, {false, true, true, true, true, true}, kRead},
      {{{"AutoHide", "On"}}, std::nullopt, {true, false, true, true, true, true}, kRead},
      {{{"AutoHide", "off"}}, std::nullopt, {true, false, true, true, true, true}, kRead},
      {{{"ShowIPTC", "off"}}, std::nullopt, {true, false, false, true, true, true}, kRead},
      {{{"ShowIPTC", "no"}}, std::nullopt, {true, false, true, true, true, true}, kRead},
      {{{"ShowXMP", "off"}}, std::nullopt, {true, false, true, false, true, true}, kRead},
      {{{"ShowXMP", "Off"}}, std::nullopt, {true, false, true, true, true, true}, kRead},
      {{{"ShowPIM", "off"}}, std::nullopt, {true, false, true, true, false, true}, kRead},
      {{{"ShowPanel", "off"}}, std::nullopt, {true, false, true, true, true, false}, kRead},
      {flipped, std::nullopt, {false, true, false, false, false, false}, kRead},
      // Once the page has written its own key, the older one is not read.
      {flipped,
       Values{{"AutoHide", ""}, {"ShowIPTC", "on"}, {"ShowXMP", "on"}, {"ShowPIM", "on"},
              {"ShowPanel", "on"}},
       {true, false, true, true, true, true}, kWrite},
      {{}, flipped, {false, true, false, false, false, false}, kWrite},
      {{{"ShowPanel", "off"}}, Values{{"ShowPIM", "off"}}, {true, false, true, true, false, true}, kWrite},
  };
  for (const Case& c : cases) {
    const std::string label = ::testing::PrintToString(c.kelvane) + " / " +
                              (c.kelvane_prop ? ::testing::PrintToString(*c.kelvane_prop) : "none");
    FakePlatform platform;
    for (const auto& [name, value] : c.kelvane) platform.store[{kRead, name}] = value;
    if (c.kelvane_prop)
      for (const auto& [name, value] : *c.kelvane_prop) platform.store[{kWrite, name}] = value;
    FakeLoader loader;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({kPhoto});
    EXPECT_EQ(StateOf(page), c.want) << label;
    const auto reads = platform.CallsNamed("ReadSetting");
    EXPECT_EQ(reads.size(), 5u) << label;
    for (const Call& call : reads) EXPECT_EQ(call.args[0], c.read_from) << label;
    EXPECT_EQ(page.MShowPanelImage(), c.want.panel ? 2 : 1);
    EXPECT_EQ(page.MShowPanelDown(), c.want.panel);
    ASSERT_EQ(loader.runs.size(), 1u);
    EXPECT_EQ(loader.runs[0].path, kPhoto);
    EXPECT_EQ(loader.runs[0].switches.abbreviated, c.want.min);
    EXPECT_EQ(loader.runs[0].switches.iptc, c.want.iptc);
    EXPECT_EQ(loader.runs[0].switches.xmp, c.want.xmp);
    EXPECT_EQ(loader.runs[0].switches.pim, c.want.pim);
  }
}

TEST(PageSettings, DestroyWritesEverySettingToKelvaneProp) {
  struct Case {
    std::map<std::string, std::string> kelvane;
    std::vector<std::string> written;  // AutoHide, ShowIPTC, ShowXMP, ShowPIM, ShowPanel
  } cases[] = {
      {{}, {"", "on", "on", "on", "on"}},
      {{{"AutoHide", "on"}}, {"on", "on", "on", "on", "on"}},
      {{{"ShowXMP", "off"}}, {"", "on", "off", "on", "on"}},
      {{{"AutoHide", "on"},
        {"ShowIPTC", "off"},
        {"ShowXMP", "off"},
        {"ShowPIM", "off"},
        {"ShowPanel", "off"}},
       {"on", "off", "off", "off", "off"}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    for (const auto& [name, value] : c.kelvane) platform.store[{kRead, name}] = value;
    const auto kelvane_before = platform.store;
    FakeLoader loader;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({kPhoto});
    page.SxShellPropSheetFormDestroy();
    EXPECT_EQ(platform.CallsNamed("WriteSetting"),
              (std::vector<Call>{{"WriteSetting", {kWrite, "AutoHide", c.written[0]}},
                                 {"WriteSetting", {kWrite, "ShowIPTC", c.written[1]}},
                                 {"WriteSetting", {kWrite, "ShowXMP", c.written[2]}},
                                 {"WriteSetting", {kWrite, "ShowPIM", c.written[3]}},
                                 {"WriteSetting", {kWrite, "ShowPanel", c.written[4]}}}));
    for (const auto& [key, value] : kelvane_before) EXPECT_EQ(platform.store[key], value);
  }
}

TEST(PageSettings, AChoiceSurvivesClosingAndReopeningThePage) {
  struct Case {
    const char* what;
    void (PropertyPage::*handler)();
    Checked want;
  } cases[] = {
      {"MShowMinClick", &PropertyPage::MShowMinClick, {false, true, true, true, true, true}},
      {"MShowIPTCClick", &PropertyPage::MShowIPTCClick, {true, false, false, true, true, true}},
      {"MShowXMPClick", &PropertyPage::MShowXMPClick, {true, false, true, false, true, true}},
      {"PIMClick", &PropertyPage::PIMClick, {true, false, true, true, false, true}},
      {"MShowPanelClick", &PropertyPage::MShowPanelClick, {true, false, true, true, true, false}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    // An older install's choice is taken over once, then replaced.
    platform.store[{kRead, "AutoHide"}] = "on";
    FakeLoader loader;
    {
      PropertyPage page(platform, loader.Function());
      page.FormCreate({kPhoto});
      page.MShowAllClick();
      (page.*c.handler)();
      page.SxShellPropSheetFormDestroy();
    }
    EXPECT_EQ((platform.store[{kRead, "AutoHide"}]), "on") << c.what;
    PropertyPage next(platform, loader.Function());
    next.FormCreate({kPhoto});
    EXPECT_EQ(StateOf(next), c.want) << c.what;
  }
}

TEST(PageSwitches, EachMenuSwitchRerunsTheLoaderWithItsState) {
  struct Case {
    const char* what;
    void (PropertyPage::*handler)();
    Checked want;
  } cases[] = {
      {"MShowMinClick", &PropertyPage::MShowMinClick, {false, true, true, true, true, true}},
      {"MShowAllClick", &PropertyPage::MShowAllClick, {true, false, true, true, true, true}},
      {"MShowIPTCClick", &PropertyPage::MShowIPTCClick, {true, false, false, true, true, true}},
      {"MShowXMPClick", &PropertyPage::MShowXMPClick, {true, false, true, false, true, true}},
      {"PIMClick", &PropertyPage::PIMClick, {true, false, true, true, false, true}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    FakeLoader loader;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({kPhoto});
    (page.*c.handler)();
    EXPECT_EQ(StateOf(page), c.want) << c.what;
    ASSERT_EQ(loader.runs.size(), 2u) << c.what;
    EXPECT_EQ(loader.runs[1].path, kPhoto);
    EXPECT_EQ(loader.runs[1].switches.abbreviated, c.want.min) << c.what;
    EXPECT_EQ(loader.runs[1].switches.iptc, c.want.iptc) << c.what;
    EXPECT_EQ(loader.runs[1].switches.xmp, c.want.xmp) << c.what;
    EXPECT_EQ(loader.runs[1].switches.pim, c.want.pim) << c.what;
  }
}

TEST(PageSwitches, CheckSwitchesInvertAndPanelToggleDoesNotReload) {
  FakePlatform platform;
  FakeLoader loader;
  PropertyPage page(platform, loader.Function());
  page.FormCreate({kPhoto});
  page.MShowIPTCClick();
  page.MShowIPTCClick();
  page.MShowXMPClick();
  page.MShowXMPClick();
  page.PIMClick();
  EXPECT_EQ(StateOf(page), (Checked{true, false, true, true, false, true}));
  EXPECT_EQ(loader.runs.size(), 6u);

  page.MShowPanelClick();
  EXPECT_FALSE(page.Panel2Visible());
  EXPECT_EQ(page.MShowPanelImage(), 1);
  page.MShowPanelClick();
  EXPECT_TRUE(page.Panel2Visible());
  EXPECT_EQ(page.MShowPanelImage(), 2);
  EXPECT_EQ(loader.runs.size(), 6u);
}

// A JPEG with a Photoshop APP13 block and a comment: the "AdobeResource"
// group shows only in the full view.
std::string PhotoshopJpeg() {
  return fixtures::Jpeg()
      .Jfif()
      .Segment(0xFFED, std::string("Photoshop 3.0\0", 14) + "8BIM" + std::string(8, '\0'))
      .Segment(0xFFFE, "a comment")
      .Build();
}

using RowText = std::tuple<int, std::string, std::string, bool>;

std::vector<RowText> RowsOf(const PropertyPage& page) {
  std::vector<RowText> out;
  for (const TreeRow& r : page.Tree().Rows()) out.emplace_back(r.style, r.name, r.value, r.selected);
  return out;
}

bool HasRow(const PropertyPage& page, const std::string& name) {
  for (const TreeRow& r : page.Tree().Rows())
    if (r.name == name) return true;
  return false;
}

TEST(PageSwitches, TogglingTwiceRebuildsTheSameRowsFromTheFile) {
  TempDir dir;
  const std::string path = dir.File("photo.jpg");
  ASSERT_TRUE(WriteWholeFile(path, PhotoshopJpeg()));
  FakePlatform platform;
  PropertyPage page(platform);
  page.FormCreate({path});
  const std::vector<RowText> first = RowsOf(page);
  ASSERT_TRUE(HasRow(page, "AdobeResource"));
  ASSERT_TRUE(HasRow(page, "コメント"));

  // The selection and the summary do not survive a rebuild.
  page.SelectRow(1, true);
  page.ElTreeItemSelectedChange(1);
  ASSERT_NE(page.NameEdit(), " 項目名");

  page.MShowIPTCClick();
  EXPECT_EQ(page.NameEdit(), " 項目名");
  page.MShowIPTCClick();
  EXPECT_EQ(RowsOf(page), first);

  page.MShowMinClick();
  EXPECT_FALSE(HasRow(page, "AdobeResource"));
  EXPECT_TRUE(HasRow(page, "コメント"));
  page.MShowAllClick();
  EXPECT_EQ(RowsOf(page), first);

  page.PIMClick();
  page.PIMClick();
  EXPECT_EQ(RowsOf(page), first);
}

TEST(PageCreate, NoFileNameGivesTheOpenErrorRow) {
  FakePlatform platform;
  PropertyPage page(platform);
  page.FormCreate({});
  EXPECT_EQ(page.FileEdit(), "");
  ASSERT_EQ(page.Tree().size(), 1u);
  EXPECT_EQ(page.Tree()[0].name, "エラー");
  EXPECT_EQ(page.Tree()[0].value, "ファイルが開けません");
  EXPECT_EQ(page.Fields().ThumbPos, 0u);
  EXPECT_EQ(page.Fields().ThumbLen, 0u);
}

TEST(PageCreate, TheFirstOfSeveralNamesIsExamined) {
  FakePlatform platform;
  FakeLoader loader;
  PropertyPage page(platform, loader.Function());
  page.FormCreate({"C:\\a.jpg", "C:\\b.jpg"});
  EXPECT_EQ(page.FileEdit(), "C:\\a.jpg");
  EXPECT_EQ(loader.runs.at(0).path, "C:\\a.jpg");
}

TEST(PageSummary, SelectionFillsTheSummaryExceptOnCaptionRows) {
  FakeLoader loader;
  loader.rows = {{3, "サブ情報", ""},
                 {0, "Make", "Canon"},
                 {3, "メーカー独自情報", "(サムネイル情報 IFD)"},
                 {7, "Odd", "style seven"}};
  loader.fields.NameEdit = " 項目名";
  struct Case {
    std::optional<size_t> item;
    std::string name_edit;
    std::string memo;
  } cases[] = {
      {0, " 項目名", ""},
      {1, " Make", "Canon"},
      {2, " 項目名", ""},
      {3, " Odd", "style seven"},
      {4, " 項目名", ""},  // no such row
      {std::nullopt, " 項目名", ""},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({kPhoto});
    page.ElTreeItemSelectedChange(c.item);
    EXPECT_EQ(page.NameEdit(), c.name_edit) << c.item.value_or(99);
    EXPECT_EQ(page.Memo1(), c.memo) << c.item.value_or(99);
  }
}

TEST(PageSummary, ACaptionAfterARowKeepsThatRowsSummary) {
  FakeLoader loader;
  loader.rows = {{3, "メイン情報", ""}, {1, "Model", "EOS"}};
  FakePlatform platform;
  PropertyPage page(platform, loader.Function());
  page.FormCreate({kPhoto});
  page.ElTreeItemSelectedChange(1);
  page.ElTreeItemSelectedChange(0);
  EXPECT_EQ(page.NameEdit(), " Model");
  EXPECT_EQ(page.Memo1(), "EOS");
}

TEST(PageToolbar, ViewerStartsFromTheModuleFolderWithTheQuotedPath) {
  struct Case {
    std::string module;
    std::string file;
    std::string program;
    std::string parameters;
  } cases[] = {
      {"C:\\Program Files\\Kelvane\\KelvaneProp.dll", "C:\\My Photos\\IMG 1.jpg",
       "C:\\Program Files\\Kelvane\\Kelvane.exe", "\"C:\\My Photos\\IMG 1.jpg\""},
      {"/opt/kelvane/KelvaneProp.dll", "/home/u/写真.jpg", "/opt/kelvane/Kelvane.exe",
       "\"/home/u/写真.jpg\""},
      {"KelvaneProp.dll", "", "Kelvane.exe", "\"\""},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.module_file_name = c.module;
    FakeLoader loader;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({c.file});
    platform.calls.clear();
    page.ToolbarButton973Click();
    EXPECT_EQ(platform.CallsNamed("StartProgram"),
              (std::vector<Call>{{"StartProgram", {c.program, c.parameters}}}));
    EXPECT_EQ(loader.runs.size(), 1u);
    EXPECT_TRUE(platform.CallsNamed("ShowMessage").empty());
  }
}

TEST(PageToolbar, AViewerThatCannotStartIsReportedWithItsPath) {
  FakePlatform platform;
  platform.program_starts = false;
  FakeLoader loader;
  PropertyPage page(platform, loader.Function());
  page.FormCreate({kPhoto});
  page.ToolbarButton973Click();
  EXPECT_EQ(platform.CallsNamed("ShowMessage"),
            (std::vector<Call>{{"ShowMessage",
                                {"Kelvane",
                                 "「C:\\Program Files\\Kelvane\\Kelvane.exe」を起動できませんでした。"}}}));
}

TEST(PageToolbar, AboutBoxTexts) {
  FakePlatform platform;
  FakeLoader loader;
  PropertyPage page(platform, loader.Function());
  page.FormCreate({kPhoto});
  page.MAboutClick();
  const auto about = platform.CallsNamed("ShowAboutBox");
  ASSERT_EQ(about.size(), 1u);
  const std::vector<std::string>& a = about[0].args;
  ASSERT_EQ(a.size(), 7u);
  EXPECT_EQ(a[0], "Version 3.50");
  EXPECT_EQ(a[1], "プロパティーシート拡張モジュール");
  EXPECT_EQ(a[2], "");
  for (size_t i = 3; i < 7; ++i) {
    EXPECT_EQ(a[i].substr(0, 2), "  ") << a[i];
    EXPECT_GT(a[i].size(), 2u);
  }
}

TEST(PageMenu, EachEntryReachesItsHandler) {
  TempDir dir;
  const std::string photo = dir.File("IMG_0001.JPG");
  ASSERT_TRUE(WriteWholeFile(photo, std::string(64, 'x')));
  FakeLoader loader;
  loader.rows = {{0, "Make", "Canon"}};
  loader.fields.ThumbPos = 4;
  loader.fields.ThumbLen = 8;
  loader.fields.MapURL = "https://map.example/c/f?nl=1/2/3&uc=1&grp=all&el=4/5/6";
  loader.fields.MapLon = "100";
  loader.fields.MapLat = "200";
  loader.fields.ShowMapEnabled = loader.fields.MapfannetEnabled = true;
  struct Case {
    MenuId id;
    std::string first_call;  // "" for none
    size_t loads;            // loader runs after the click
  } cases[] = {
      {MenuId::N1, "SetClipboardText", 1},      {MenuId::N2, "SetClipboardText", 1},
      {MenuId::Separator1, "", 1},              {MenuId::N5, "SetClipboardText", 1},
      {MenuId::N6, "SetClipboardText", 1},      {MenuId::CSV1, "SaveFileDialog", 1},
      {MenuId::N8, "SaveFileDialog", 1},        {MenuId::T1, "SaveFileDialog", 1},
      {MenuId::ShowMap, "OpenUrl", 1},          {MenuId::Mapfannet, "ConnectMapApplication", 1},
      {MenuId::MShowAll, "", 2},                {MenuId::MShowMin, "", 2},
      {MenuId::MShowIPTC, "", 2},               {MenuId::MShowXMP, "", 2},
      {MenuId::PIM, "", 2},
      {MenuId::N3, "", 1},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    FakeLoader l = loader;
    PropertyPage page(platform, l.Function());
    page.FormCreate({photo});
    platform.calls.clear();
    page.MenuClick(c.id);
    if (c.first_call.empty())
      EXPECT_TRUE(platform.calls.empty()) << static_cast<int>(c.id);
    else
      EXPECT_EQ(platform.calls.at(0).what, c.first_call) << static_cast<int>(c.id);
    EXPECT_EQ(l.runs.size(), c.loads) << static_cast<int>(c.id);
  }
}

TEST(PageMenu, EntriesFollowTheFile) {
  struct Case {
    uint64_t thumb_pos, thumb_len;
    bool gps;
    bool thumbnail_enabled;
  } cases[] = {
      {0, 0, false, false}, {0, 10, false, false}, {10, 0, true, false}, {10, 10, false, true},
      {10, 10, true, true},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    FakeLoader loader;
    loader.fields.ThumbPos = c.thumb_pos;
    loader.fields.ThumbLen = c.thumb_len;
    loader.fields.ShowMapEnabled = loader.fields.MapfannetEnabled = c.gps;
    PropertyPage page(platform, loader.Function());
    page.FormCreate({kPhoto});
    for (const MenuEntry& e : kPopupMenu) {
      bool want = e.id != MenuId::N3;
      if (e.id == MenuId::ShowMap || e.id == MenuId::Mapfannet) want = c.gps;
      if (e.id == MenuId::T1) want = c.thumbnail_enabled;
      EXPECT_EQ(page.MenuEnabled(e.id), want)
          << e.caption << " pos=" << c.thumb_pos << " len=" << c.thumb_len << " gps=" << c.gps;
    }
    // A disabled entry does nothing when it is reached anyway.
    platform.calls.clear();
    page.MenuClick(MenuId::T1);
    EXPECT_EQ(platform.CallsNamed("SaveFileDialog").size(), c.thumbnail_enabled ? 1u : 0u);
  }
}

TEST(PageMenu, OnlyCopySelectedShowsAShortcut) {
  for (const MenuEntry& e : kPopupMenu) {
    const char* shortcut = MenuShortcut(e.id);
    if (e.id == MenuId::N1) {
      ASSERT_NE(shortcut, nullptr);
      EXPECT_STREQ(shortcut, "Ctrl+C");
    } else {
      EXPECT_EQ(shortcut, nullptr) << e.caption;
    }
  }
}

TEST(PageTree, SelectAllSelectsEveryRowForCopySelected) {
  FakePlatform platform;
  FakeLoader loader;
  loader.rows = {{3, "メイン情報", ""}, {0, "Make", "Canon"}, {1, "Model", "EOS"}};
  PropertyPage page(platform, loader.Function());
  page.FormCreate({kPhoto});
  page.SelectRow(1, true);
  page.SelectAllRows();
  page.MCopy2Click();
  EXPECT_EQ(platform.CallsNamed("SetClipboardText"),
            (std::vector<Call>{
                {"SetClipboardText", {"メイン情報\r\nMake : Canon\r\nModel : EOS\r\n"}}}));
}

}  // namespace
}  // namespace kelvane
