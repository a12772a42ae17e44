// Writes the installer's "Open with" entries for Kelvane.exe, one pair per
// kind the loader reads, as a wixl include file (its preprocessor has no
// loop): the type among the viewer's supported types, and the viewer's
// program identifier among the type's "Open with" programs. Built and run
// on the build machine: open_with_entries OUTPUT.wxi
#include <cstdio>
#include <string_view>

#include "cli/file_list.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) return 1;
  std::fputs("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Include>\n", out);
  for (std::string_view ext : kelvane::cli::kReadableExtensions) {
    const int n = static_cast<int>(ext.size());
    std::fprintf(out,
        "  <RegistryValue Root=\"HKMU\" "
        "Key=\"Software\\Classes\\Applications\\Kelvane.exe\\SupportedTypes\" Name=\"%.*s\" "
        "Value=\"\" Type=\"string\"/>\n",
        n, ext.data());
    std::fprintf(out,
        "  <RegistryValue Root=\"HKMU\" Key=\"Software\\Classes\\%.*s\\OpenWithProgids\" "
        "Name=\"Kelvane.File\" Value=\"\" Type=\"string\"/>\n",
        n, ext.data());
  }
  std::fputs("</Include>\n", out);
  return std::fclose(out) == 0 ? 0 : 1;
}
