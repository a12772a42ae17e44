// The Nautilus section through the built module, as Nautilus calls it: the
// provider's models for stand-in files, filled from the corpus on the
// worker thread; the same rows kelvane-info shows; the settings from the
// schema; files it is not offered for; a file that blocks, and one that is
// missing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <utility>
#include <string>
#include <thread>
#include <vector>

#include "linux/nautilus/section_items.h"
#include "linux/nautilus/section_settings.h"
#include "tests/linux/nautilus_host.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using nautilus::SectionItem;
using testing::ItemsOf;
using testing::ModelsFor;
using testing::WaitUntilRead;

}  // namespace

namespace nautilus {
void PrintTo(const SectionItem& item, std::ostream* os) {
  *os << "{\"" << item.name << "\", \"" << item.value << "\"}";
}
}  // namespace nautilus

namespace {

// What `kelvane-info ARGS... PATH` prints (its tree form).
std::string KelvaneInfo(const std::vector<std::string>& args, const std::string& path) {
  std::vector<const char*> argv = {KELVANE_INFO_PATH};
  for (const std::string& a : args) argv.push_back(a.c_str());
  argv.push_back(path.c_str());
  argv.push_back(nullptr);
  gchar* out = nullptr;
  gint status = 0;
  GError* error = nullptr;
  if (!g_spawn_sync(nullptr, const_cast<gchar**>(argv.data()), nullptr, G_SPAWN_STDERR_TO_DEV_NULL,
                    nullptr, nullptr, &out, nullptr, &status, &error)) {
    ADD_FAILURE() << error->message;
    g_error_free(error);
    return {};
  }
  std::string text(out ? out : "");
  g_free(out);
  return text;
}

// The items in kelvane-info's tree form: a heading item as "[caption]",
// the others as "  name: value", a blank line before each heading but the
// first line.
std::string AsTreeLines(const std::vector<SectionItem>& items) {
  const std::string open = nautilus::kHeadingOpen, close = nautilus::kHeadingClose;
  std::string out;
  for (const SectionItem& item : items) {
    const bool heading = item.name.starts_with(open) && item.name.ends_with(close);
    if (heading) {
      if (!out.empty()) out += "\n";
      out += "[" + item.name.substr(open.size(), item.name.size() - open.size() - close.size()) +
             "]";
      if (!item.value.empty()) out += " " + item.value;
    } else {
      out += "  " + item.name + ": " + item.value;
    }
    out += "\n";
  }
  return out;
}

// The one model for `path`, read to the end.
std::vector<SectionItem> SectionOf(const std::string& path) {
  GList* models = ModelsFor({path});
  EXPECT_EQ(g_list_length(models), 1u) << path;
  if (!models) return {};
  auto* model = static_cast<NautilusPropertiesModel*>(models->data);
  EXPECT_STREQ(nautilus_properties_model_get_title(model), "Kelvane");
  EXPECT_TRUE(WaitUntilRead(model)) << path << " was not read";
  std::vector<SectionItem> items = ItemsOf(model);
  g_list_free_full(models, g_object_unref);
  return items;
}

bool Holds(const std::vector<SectionItem>& items, const SectionItem& wanted) {
  for (const SectionItem& item : items)
    if (item == wanted) return true;
  return false;
}

struct CorpusCase {
  const char* file;
  SectionItem heading;  // a group of the file's own kind
  SectionItem key_row;  // a row of the abbreviated view, Japanese text in it
};

const CorpusCase kCorpusCases[] = {
    {"Canon.jpg", {"【サブ情報】", ""}, {"自動露出測光モード", "平均測光"}},
    {"iPhone7.heic", {"【HEIF 情報】", ""}, {"圧縮形式", "HEVC (hvc1) グリッド"}},
    {"CanonRaw.cr3", {"【Canon CR3 情報】", ""}, {"露出制御モード", "絞り優先AE"}},
    {"PhoneUdta.mp4", {"【MP4 Movie】", ""}, {"トラック1", "映像 (vide)"}},
    {"PNGExif.png", {"【PNG情報】", ""}, {"カラータイプ", "RGB+アルファ"}},
};

TEST(NautilusSection, ListsTheRowsOfKelvaneInfoBrief) {
  if (testing::CorpusFolder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  for (const CorpusCase& c : kCorpusCases) {
    const std::string path = testing::CorpusFile(c.file).string();
    const std::vector<SectionItem> items = SectionOf(path);
    EXPECT_EQ(AsTreeLines(items), KelvaneInfo({"--brief"}, path)) << c.file;
    EXPECT_TRUE(Holds(items, c.heading)) << c.file << ": " << c.heading.name;
    EXPECT_TRUE(Holds(items, c.key_row)) << c.file << ": " << c.key_row.name;
    EXPECT_TRUE(Holds(items, {"【メイン情報】", ""}) || std::string(c.file).ends_with(".mp4"))
        << c.file;
  }
}

// The schema's keys, set in the test's own settings store, and the
// kelvane-info options that give the same rows. (PrintIM groups are detail
// groups: the PrintIM key shows in the full view.)
struct SettingCase {
  const char* file;
  std::vector<std::pair<const char*, bool>> keys;
  std::vector<std::string> options;
};

TEST(NautilusSection, FollowsTheSettingsOfTheSchema) {
  if (testing::CorpusFolder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema =
      source ? g_settings_schema_source_lookup(source, nautilus::kSchemaId, TRUE) : nullptr;
  ASSERT_NE(schema, nullptr) << "GSETTINGS_SCHEMA_DIR does not hold the compiled schema";
  g_settings_schema_unref(schema);
  GSettings* settings = g_settings_new(nautilus::kSchemaId);

  // The section starts in the abbreviated view, every group shown.
  for (const nautilus::SettingKey& k : nautilus::kSettingKeys)
    EXPECT_TRUE(g_settings_get_boolean(settings, k.key)) << k.key;

  const SettingCase cases[] = {
      {"ExifTool.jpg", {{"abbreviated", false}}, {}},
      {"ExifTool.jpg", {{"show-iptc", false}}, {"--brief", "--no-iptc"}},
      {"ExifTool.jpg", {{"show-xmp", false}}, {"--brief", "--no-xmp"}},
      {"Nikon.jpg", {{"abbreviated", false}, {"show-pim", false}}, {"--no-pim"}},
      {"Nikon.jpg", {{"abbreviated", false}}, {}},
  };
  for (const SettingCase& c : cases) {
    const std::string path = testing::CorpusFile(c.file).string();
    const std::vector<SectionItem> brief = SectionOf(path);
    for (const auto& [key, value] : c.keys) g_settings_set_boolean(settings, key, value);
    const std::vector<SectionItem> items = SectionOf(path);
    const std::string what = std::string(c.file) + " with " + c.keys.back().first;
    EXPECT_EQ(AsTreeLines(items), KelvaneInfo(c.options, path)) << what;
    EXPECT_NE(AsTreeLines(items), AsTreeLines(brief)) << what << " changed nothing";
    for (const auto& [key, value] : c.keys) g_settings_reset(settings, key);
    EXPECT_EQ(AsTreeLines(SectionOf(path)), AsTreeLines(brief)) << what << ", reset";
  }
  g_object_unref(settings);
}

TEST(NautilusSection, IsOfferedForOneFileOfAKindKelvaneReads) {
  struct Case {
    std::vector<std::string> paths;
    bool directory;
    bool offered;
  };
  const Case cases[] = {
      {{"/photos/a.jpg"}, false, true},
      {{"/photos/A.CR3"}, false, true},  // extensions in any case
      {{"/photos/clip.mp4"}, false, true},
      {{"/photos/notes.txt"}, false, false},
      {{"/photos/noextension"}, false, false},
      {{"/photos/a.jpg", "/photos/b.jpg"}, false, false},  // two files
      {{"/photos/album.jpg"}, true, false},                // a folder
      {{}, false, false},
  };
  for (const Case& c : cases) {
    GList* files = nullptr;
    for (const std::string& p : c.paths)
      files = g_list_append(files, testing::NewStandInFile(p, c.directory));
    GList* models =
        nautilus_properties_model_provider_get_models(testing::ModuleProvider(), files);
    EXPECT_EQ(models != nullptr, c.offered) << (c.paths.empty() ? "no file" : c.paths[0]);
    // A model offered for a file that does not exist still ends with its
    // one item (read on the worker thread, which must not outlive the test).
    for (GList* m = models; m; m = m->next)
      EXPECT_TRUE(WaitUntilRead(static_cast<NautilusPropertiesModel*>(m->data)));
    g_list_free_full(models, g_object_unref);
    g_list_free_full(files, g_object_unref);
  }
}

// A FIFO named like a photo: opening it blocks until something writes to
// it, as a file on a slow disk or a stalled network share would. The
// dialog gets its model at once, with the reading item; the file's info
// is kept while the reading waits; the end is one item saying why.
TEST(NautilusSection, ReadsOffTheMainThreadAndKeepsTheFileInfo) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kelvane-nautilus-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string fifo = (folder / "slow.jpg").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

  // If get_models read the file itself, it would return only when this
  // writer, five seconds later, opens the FIFO.
  std::atomic<bool> released{false};
  std::thread writer([&] {
    for (int i = 0; i < 500 && !released; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const int fd = open(fifo.c_str(), O_WRONLY);
    if (fd >= 0) close(fd);
  });

  NautilusFileInfo* file = testing::NewStandInFile(fifo);
  gpointer file_alive = file;
  g_object_add_weak_pointer(G_OBJECT(file), &file_alive);
  GList* files = g_list_append(nullptr, file);
  const auto start = std::chrono::steady_clock::now();
  GList* models = nautilus_properties_model_provider_get_models(testing::ModuleProvider(), files);
  const auto took = std::chrono::steady_clock::now() - start;
  g_list_free_full(files, g_object_unref);  // the dialog lets go of the file

  ASSERT_EQ(g_list_length(models), 1u);
  auto* model = static_cast<NautilusPropertiesModel*>(models->data);
  EXPECT_LT(took, std::chrono::seconds(1));
  EXPECT_EQ(ItemsOf(model),
            (std::vector<SectionItem>{{nautilus::kLoadingName, nautilus::kLoadingValue}}));
  EXPECT_NE(file_alive, nullptr) << "the file's info was let go while it is being read";

  released = true;
  EXPECT_TRUE(WaitUntilRead(model));
  EXPECT_EQ(ItemsOf(model),
            (std::vector<SectionItem>{{"エラー", "ファイルが開けません（通常のファイルではありません）"}}));
  for (int i = 0; i < 100 && file_alive; ++i) g_main_context_iteration(nullptr, FALSE);
  EXPECT_EQ(file_alive, nullptr) << "the file's info is kept after the reading";
  if (file_alive) g_object_remove_weak_pointer(G_OBJECT(file_alive), &file_alive);
  writer.join();
  g_list_free_full(models, g_object_unref);
  std::filesystem::remove_all(folder);
}

TEST(NautilusSection, AFileThatCannotBeOpenedGivesOneItemSayingWhy) {
  const std::string missing = "/nonexistent-kelvane-folder/photo.jpg";
  const std::vector<SectionItem> items = SectionOf(missing);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].name, "エラー");
  EXPECT_EQ(items[0].value, std::string("ファイルが開けません（") + g_strerror(ENOENT) + "）");
}

TEST(NautilusSection, ACellShowsItsTextToTheFirstNulOnOneLine) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"Canon", "Canon"},
      {std::string("Canon\0junk", 10), "Canon"},
      {"line one\r\nline two", "line one  line two"},
      {"tab\there\x7F", "tab here "},
      {"日本語のコメント", "日本語のコメント"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(nautilus::CellText(c.text), c.shown);
  EXPECT_EQ(nautilus::HeadingName(std::string("XMP情報\n", 10)), "【XMP情報 】");
}

}  // namespace
}  // namespace kelvane
