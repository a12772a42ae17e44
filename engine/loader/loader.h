// The loader: turns one file into the rows of the info tree and the page
// fields the front ends show beside them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/loader/info_tree.h"
#include "engine/loader/thumbnail.h"
#include "engine/reader/reader.h"

namespace kelvane {

// The page's view switches.
struct LoadSwitches {
  bool abbreviated = false;  // "省略表示"
  bool iptc = true;          // "IPTC情報表示"
  bool pim = true;           // "PIM情報表示"
  bool xmp = true;           // "XMP情報表示"
};

// What a run leaves on the page besides the rows.
struct PageFields {
  std::string MapURL;
  std::string MapLon;
  std::string MapLat;
  bool ShowMapEnabled = false;
  bool MapfannetEnabled = false;
  std::string FileFolder;
  // The embedded JPEG thumbnail: absolute position and length (0: none).
  uint64_t ThumbPos = 0;
  uint64_t ThumbLen = 0;
  std::string NameEdit;  // the summary label
  std::string Memo1;     // the summary memo
  // An uncompressed RGB thumbnail already decoded by the run.
  std::optional<Bitmap> Thumbnail;
};

// The scheme and host of the web map the map link points to.
inline constexpr const char* kWebMapEndpoint = "https://www.mapion.co.jp";

struct LoaderRecords;

// Turns files into rows. A front end keeps one Loader for all the files it
// shows: its working records keep their storage from one run to the next.
class Loader {
 public:
  Loader();
  ~Loader();
  Loader(const Loader&) = delete;
  Loader& operator=(const Loader&) = delete;

  // Opens `path` and rebuilds `tree` and `page` from it.
  void Load(const std::string& path, const LoadSwitches& switches, InfoTree& tree,
            PageFields& page);

  // The same run over an already open source; `path` gives the extension
  // and the folder.
  void LoadFrom(Reader& f, const std::string& path, const LoadSwitches& switches,
                InfoTree& tree, PageFields& page);

 private:
  std::unique_ptr<LoaderRecords> records_;
};

// One run with a loader of its own.
void Load(const std::string& path, const LoadSwitches& switches, InfoTree& tree,
          PageFields& page);
void LoadFrom(Reader& f, const std::string& path, const LoadSwitches& switches,
              InfoTree& tree, PageFields& page);

// Lower-cased extension with its dot ("" when there is none).
std::string LowerExtension(const std::string& path);

}  // namespace kelvane
