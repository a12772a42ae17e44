#include "linux/nautilus/section_load.h"

#include <glib.h>
#include <sys/stat.h>

#include <cerrno>
#include <exception>
#include <memory>
#include <new>

#include "engine/loader/loader.h"
#include "engine/reader/reader.h"
#include "page/property_page.h"

namespace kelvane::nautilus {

namespace {

constexpr const char* kNotAFile = "通常のファイルではありません";
constexpr const char* kOutOfMemory = "メモリが足りません";

// Why `path` could not be opened, `open_errno` being what the open left.
std::string OpenFailure(const std::string& path, int open_errno) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return kNotAFile;
  return open_errno != 0 ? g_strerror(open_errno) : "";
}

}  // namespace

std::vector<SectionItem> ReadSection(const std::string& path, const SettingValues& settings) {
  try {
    errno = 0;
    std::unique_ptr<FileReader> source = FileReader::Open(path);
    if (!source) return {ErrorItem(kCannotOpen, OpenFailure(path, errno))};
    SectionPlatform platform(settings);
    // The page's load cycle with its settings, over the file opened above.
    Loader loader;
    PropertyPage page(platform, [&](const std::string& name, const LoadSwitches& switches,
                                    InfoTree& tree, PageFields& fields) {
      loader.LoadFrom(*source, name, switches, tree, fields);
    });
    page.FormCreate({path});
    return SectionItemsOf(page.Tree());
  } catch (const std::bad_alloc&) {
    return {ErrorItem(kCannotRead, kOutOfMemory)};
  } catch (const std::exception& e) {
    return {ErrorItem(kCannotRead, e.what())};
  } catch (...) {
    return {ErrorItem(kCannotRead, "")};
  }
}

}  // namespace kelvane::nautilus
