// The NautilusPropertiesModelProvider: for one file of a kind Kelvane
// reads, a model titled "Kelvane" whose items are the page's rows. The
// model is returned at once with one item saying the file is being read;
// the file is read on a worker thread, and the items replace that one on
// the main loop when the reading ends.
#pragma once

#include <glib-object.h>

namespace kelvane::nautilus {

// Registers the provider's type with the module Nautilus loaded.
void RegisterProviderType(GTypeModule* module);
// The registered type (0 before RegisterProviderType).
GType ProviderType();

}  // namespace kelvane::nautilus
