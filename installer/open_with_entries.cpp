// Writes the installer's "Open with" entries for Kelvane.exe, one per kind
// the loader reads: wixl include files (its preprocessor has no loop), and
// the SQL that msibuild runs on the package afterwards for what wixl cannot
// write (a registry search for a key's default value, component
// conditions):
//
//   open_with_entries types OUT.wxi       the kinds among the viewer's
//                                         supported types
//   open_with_entries components OUT.wxi  a component per kind: the
//                                         viewer's program identifier among
//                                         the kind's "Open with" programs
//   open_with_entries refs OUT.wxi        the feature's references to them
//   open_with_entries sql OUT.sql         per kind, a search of its key's
//                                         default value (the kind's program
//                                         identifier) into a property, and
//                                         that property as the condition of
//                                         its component; one statement a line
//
// The viewer is among the supported types of every kind it reads, so the
// "Open with" dialog offers it for each. A kind no program has registered
// gets no key of ours: its key would make it a registered kind without a
// description, and Explorer would show its file type empty. Nothing is ever
// written to a kind's own description or verbs. Built and run on the build
// machine.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/file_list.h"

namespace {

// ".3fr" -> "3FR": property and component names.
std::string Id(std::string_view ext) {
  std::string id;
  for (char c : ext.substr(1)) id += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return id;
}

// A component's code stays the same from version to version: made from the
// extension's bytes (at most 6 with the dot), and the architecture's digits
// that Kelvane.wxs defines (OpenWithArch).
std::string Guid(std::string_view ext) {
  std::string tail;
  char hex[3];
  for (size_t i = 0; i < 6; ++i) {
    std::snprintf(hex, sizeof hex, "%02X", i < ext.size() ? static_cast<unsigned char>(ext[i]) : 0u);
    tail += hex;
  }
  return "6B656C76-616E-4F57-8E$(var.OpenWithArch)-" + tail;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string_view part = argv[1];
  if (part != "types" && part != "sql" && part != "components" && part != "refs") return 2;
  std::FILE* out = std::fopen(argv[2], "w");
  if (!out) return 1;
  const bool xml = part != "sql";
  if (xml) std::fputs("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Include>\n", out);
  for (std::string_view ext : kelvane::cli::kReadableExtensions) {
    const int n = static_cast<int>(ext.size());
    const std::string id = Id(ext);
    if (part == "types") {
      std::fprintf(out,
          "  <RegistryValue Root=\"HKMU\" "
          "Key=\"Software\\Classes\\Applications\\Kelvane.exe\\SupportedTypes\" Name=\"%.*s\" "
          "Value=\"\" Type=\"string\"/>\n",
          n, ext.data());
    } else if (part == "sql") {
      // RegLocator: Root 0 is HKEY_CLASSES_ROOT, no Name the key's default
      // value, Type 2 the value as it is.
      std::fprintf(out,
          "INSERT INTO `RegLocator` (`Signature_`, `Root`, `Key`, `Type`) "
          "VALUES ('Kind%s', 0, '%.*s', 2)\n"
          "INSERT INTO `AppSearch` (`Property`, `Signature_`) VALUES ('KIND_%s', 'Kind%s')\n"
          "UPDATE `Component` SET `Condition` = 'KIND_%s' WHERE `Component` = 'OpenWith%s'\n",
          id.c_str(), n, ext.data(), id.c_str(), id.c_str(), id.c_str(), id.c_str());
    } else if (part == "components") {
      std::fprintf(out,
          "  <Component Id=\"OpenWith%s\" Guid=\"%s\" Win64=\"$(var.Win64)\">\n"
          "    <RegistryValue Root=\"HKMU\" Key=\"Software\\Classes\\%.*s\\OpenWithProgids\" "
          "Name=\"Kelvane.File\" Value=\"\" Type=\"string\" KeyPath=\"yes\"/>\n"
          "  </Component>\n",
          id.c_str(), Guid(ext).c_str(), n, ext.data());
    } else {
      std::fprintf(out, "  <ComponentRef Id=\"OpenWith%s\"/>\n", id.c_str());
    }
  }
  if (xml) std::fputs("</Include>\n", out);
  return std::fclose(out) == 0 ? 0 : 1;
}
