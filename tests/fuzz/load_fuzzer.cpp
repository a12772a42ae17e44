// A libFuzzer target: the whole loader over one input, named with the
// extension of the file kind this build of the target stands for
// (KELVANE_FUZZ_NAME), and the text forms the front ends make of it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/render.h"
#include "engine/loader/loader.h"
#include "page/export_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvane;
  MemoryReader f(std::string(reinterpret_cast<const char*>(data), size));
  InfoTree tree;
  PageFields page;
  LoadSwitches switches;
  // Let one input byte pick the view, so the abbreviated paths run too.
  if (size > 0 && (data[size - 1] & 1)) switches.abbreviated = true;
  LoadFrom(f, KELVANE_FUZZ_NAME, switches, tree, page);
  cli::RenderJson(KELVANE_FUZZ_NAME, tree, page);
  ExportText(ExportKind::kTextFile, tree.Rows(), KELVANE_FUZZ_NAME, OutputEncoding::kCp932);
  return 0;
}
