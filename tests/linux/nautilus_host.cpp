#include "tests/linux/nautilus_host.h"

#include <gmodule.h>

#include <cstdlib>

namespace kelvane::testing {

namespace {

// The settings the tests change stay in memory: the user's own (dconf) are
// never read or written, whatever the environment says.
[[maybe_unused]] const bool kSettingsInMemory = g_setenv("GSETTINGS_BACKEND", "memory", TRUE);

// --- the GTypeModule that loads the module file ---

using InitializeFunction = void (*)(GTypeModule*);
using ListTypesFunction = void (*)(const GType**, int*);

GModule* module_file = nullptr;

gboolean LoadModule(GTypeModule* module) {
  if (!module_file) {
    module_file = g_module_open(KELVANE_NAUTILUS_MODULE, G_MODULE_BIND_LAZY);
    if (!module_file) return FALSE;
    g_module_make_resident(module_file);
  }
  gpointer initialize = nullptr;
  if (!g_module_symbol(module_file, "nautilus_module_initialize", &initialize)) return FALSE;
  reinterpret_cast<InitializeFunction>(initialize)(module);
  return TRUE;
}

void UnloadModule(GTypeModule*) {}

void InitModuleClass(gpointer klass, gpointer) {
  auto* module_class = static_cast<GTypeModuleClass*>(klass);
  module_class->load = LoadModule;
  module_class->unload = UnloadModule;
}

GType ModuleType() {
  static GType type = g_type_register_static_simple(
      G_TYPE_TYPE_MODULE, "KelvaneTestModule", sizeof(GTypeModuleClass), InitModuleClass,
      sizeof(GTypeModule), nullptr, static_cast<GTypeFlags>(0));
  return type;
}

// --- the stand-in file ---

struct StandInFile {
  GObject parent;
  GFile* location;
  gboolean directory;
};

GType StandInType();

StandInFile* AsStandIn(gpointer object) {
  return G_TYPE_CHECK_INSTANCE_CAST(object, StandInType(), StandInFile);
}

GFile* StandInLocation(NautilusFileInfo* file) {
  return static_cast<GFile*>(g_object_ref(AsStandIn(file)->location));
}

gboolean StandInIsDirectory(NautilusFileInfo* file) { return AsStandIn(file)->directory; }

void InitFileInfo(gpointer g_iface, gpointer) {
  auto* iface = static_cast<NautilusFileInfoInterface*>(g_iface);
  iface->get_location = StandInLocation;
  iface->is_directory = StandInIsDirectory;
}

void FinalizeStandIn(GObject* object) {
  g_clear_object(&AsStandIn(object)->location);
  G_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)))->finalize(object);
}

void InitStandInClass(gpointer klass, gpointer) {
  G_OBJECT_CLASS(klass)->finalize = FinalizeStandIn;
}

GType StandInType() {
  static GType type = [] {
    GType t = g_type_register_static_simple(G_TYPE_OBJECT, "KelvaneStandInFile",
                                            sizeof(GObjectClass), InitStandInClass,
                                            sizeof(StandInFile), nullptr,
                                            static_cast<GTypeFlags>(0));
    static const GInterfaceInfo file_info = {InitFileInfo, nullptr, nullptr};
    g_type_add_interface_static(t, NAUTILUS_TYPE_FILE_INFO, &file_info);
    return t;
  }();
  return type;
}

}  // namespace

NautilusPropertiesModelProvider* ModuleProvider() {
  static NautilusPropertiesModelProvider* provider = [] {
    GTypeModule* module = static_cast<GTypeModule*>(g_object_new(ModuleType(), nullptr));
    if (!g_type_module_use(module)) {
      g_printerr("cannot load %s: %s\n", KELVANE_NAUTILUS_MODULE, g_module_error());
      std::abort();
    }
    gpointer list_types = nullptr;
    if (!g_module_symbol(module_file, "nautilus_module_list_types", &list_types)) std::abort();
    const GType* types = nullptr;
    int count = 0;
    reinterpret_cast<ListTypesFunction>(list_types)(&types, &count);
    if (count != 1 || !g_type_is_a(types[0], NAUTILUS_TYPE_PROPERTIES_MODEL_PROVIDER))
      std::abort();
    return static_cast<NautilusPropertiesModelProvider*>(g_object_new(types[0], nullptr));
  }();
  return provider;
}

NautilusFileInfo* NewStandInFile(const std::string& path, bool directory) {
  auto* file = AsStandIn(g_object_new(StandInType(), nullptr));
  file->location = g_file_new_for_path(path.c_str());
  file->directory = directory;
  return static_cast<NautilusFileInfo*>(static_cast<gpointer>(file));
}

GList* ModelsFor(const std::vector<std::string>& paths) {
  GList* files = nullptr;
  for (const std::string& path : paths) files = g_list_append(files, NewStandInFile(path));
  GList* models = nautilus_properties_model_provider_get_models(ModuleProvider(), files);
  g_list_free_full(files, g_object_unref);
  return models;
}

std::vector<nautilus::SectionItem> ItemsOf(NautilusPropertiesModel* model) {
  std::vector<nautilus::SectionItem> items;
  GListModel* list = nautilus_properties_model_get_model(model);
  for (guint i = 0; i < g_list_model_get_n_items(list); ++i) {
    auto* item = static_cast<NautilusPropertiesItem*>(g_list_model_get_item(list, i));
    items.push_back({nautilus_properties_item_get_name(item),
                     nautilus_properties_item_get_value(item)});
    g_object_unref(item);
  }
  return items;
}

bool WaitUntilRead(NautilusPropertiesModel* model, double seconds) {
  const gint64 end = g_get_monotonic_time() + static_cast<gint64>(seconds * G_USEC_PER_SEC);
  const nautilus::SectionItem reading{nautilus::kLoadingName, nautilus::kLoadingValue};
  while (g_get_monotonic_time() < end) {
    const std::vector<nautilus::SectionItem> items = ItemsOf(model);
    if (!(items.size() == 1 && items[0] == reading)) return true;
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  return false;
}

}  // namespace kelvane::testing
