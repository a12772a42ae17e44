// The three functions Nautilus looks up in every module of its extension
// folder. The header declares them without C linkage, which they must
// have to be found by name. (GLib's headers come first, in their own
// linkage.)
#include <gio/gio.h>
#include <glib-object.h>
extern "C" {
#include <nautilus-extension.h>
}

#include "linux/nautilus/provider.h"

extern "C" {

G_MODULE_EXPORT void nautilus_module_initialize(GTypeModule* module) {
  kelvane::nautilus::RegisterProviderType(module);
}

G_MODULE_EXPORT void nautilus_module_shutdown(void) {}

G_MODULE_EXPORT void nautilus_module_list_types(const GType** types, int* num_types) {
  static GType list[1];
  list[0] = kelvane::nautilus::ProviderType();
  *types = list;
  *num_types = 1;
}

}  // extern "C"
