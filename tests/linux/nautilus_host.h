// What the tests put in Nautilus's place: the built module loaded through
// a GTypeModule as Nautilus loads it, a stand-in for the NautilusFileInfo
// of one file, and a main loop run until the provider's model is filled.
#pragma once

#include <gio/gio.h>
#include <nautilus-extension.h>

#include <string>
#include <vector>

#include "linux/nautilus/section_items.h"

namespace kelvane::testing {

// The provider of the module at KELVANE_NAUTILUS_MODULE, created once; its
// entry points are found by name, as Nautilus finds them.
NautilusPropertiesModelProvider* ModuleProvider();

// A NautilusFileInfo for `path`; `directory` answers is_directory.
NautilusFileInfo* NewStandInFile(const std::string& path, bool directory = false);

// The models the provider returns for the stand-ins of `paths`.
GList* ModelsFor(const std::vector<std::string>& paths);

// The items of a model as they stand.
std::vector<nautilus::SectionItem> ItemsOf(NautilusPropertiesModel* model);

// Runs the main loop until the model no longer holds only the reading
// item, or `seconds` pass. True when it was filled.
bool WaitUntilRead(NautilusPropertiesModel* model, double seconds = 30);

}  // namespace kelvane::testing
