#include "linux/nautilus/provider.h"

#include <gio/gio.h>
#include <nautilus-extension.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/file_list.h"
#include "linux/nautilus/section_items.h"
#include "linux/nautilus/section_load.h"
#include "linux/nautilus/section_settings.h"

namespace kelvane::nautilus {

namespace {

struct KelvaneProvider {
  GObject parent;
};

struct KelvaneProviderClass {
  GObjectClass parent_class;
};

GType provider_type = 0;

// One reading in progress. It holds the file's info and the model's list
// so that both outlive a dialog closed before the reading ends.
struct ReadJob {
  NautilusFileInfo* file;
  GListStore* store;
  std::string path;
  SettingValues settings;
  std::vector<SectionItem> items;  // filled by the worker
};

void DeleteJob(gpointer data) {
  auto* job = static_cast<ReadJob*>(data);
  g_object_unref(job->file);
  g_object_unref(job->store);
  delete job;
}

// The local path of the one file the section is offered for: a file (not
// a folder) whose extension the loader reads. Files without a local path
// (a remote location Nautilus has not mounted) are not offered.
std::optional<std::string> OfferedPath(NautilusFileInfo* file) {
  if (nautilus_file_info_is_directory(file)) return std::nullopt;
  GFile* location = nautilus_file_info_get_location(file);
  if (!location) return std::nullopt;
  char* path = g_file_get_path(location);
  g_object_unref(location);
  if (!path) return std::nullopt;
  std::string out(path);
  g_free(path);
  if (!cli::IsReadableExtension(out)) return std::nullopt;
  return out;
}

void ReplaceItems(GListStore* store, const std::vector<SectionItem>& items) {
  GPtrArray* objects = g_ptr_array_new_full(static_cast<guint>(items.size()), g_object_unref);
  for (const SectionItem& item : items)
    g_ptr_array_add(objects, nautilus_properties_item_new(item.name.c_str(), item.value.c_str()));
  g_list_store_splice(store, 0, g_list_model_get_n_items(G_LIST_MODEL(store)), objects->pdata,
                      objects->len);
  g_ptr_array_unref(objects);
}

void ReadInThread(GTask* task, gpointer, gpointer task_data, GCancellable*) {
  auto* job = static_cast<ReadJob*>(task_data);
  job->items = ReadSection(job->path, job->settings);
  g_task_return_boolean(task, TRUE);
}

// Back on the main loop: the items take the place of the reading item.
void ReadDone(GObject*, GAsyncResult* result, gpointer) {
  auto* job = static_cast<ReadJob*>(g_task_get_task_data(G_TASK(result)));
  ReplaceItems(job->store, job->items);
}

GList* GetModels(NautilusPropertiesModelProvider*, GList* files) {
  if (!files || files->next) return nullptr;  // one file only
  auto* file = static_cast<NautilusFileInfo*>(files->data);
  std::optional<std::string> path = OfferedPath(file);
  if (!path) return nullptr;

  GListStore* store = g_list_store_new(NAUTILUS_TYPE_PROPERTIES_ITEM);
  ReplaceItems(store, {{kLoadingName, kLoadingValue}});
  NautilusPropertiesModel* model = nautilus_properties_model_new(kSectionTitle, G_LIST_MODEL(store));

  auto* job = new ReadJob{static_cast<NautilusFileInfo*>(g_object_ref(file)), store,
                          std::move(*path), ReadSettingValues(), {}};
  GTask* task = g_task_new(nullptr, nullptr, ReadDone, nullptr);
  g_task_set_task_data(task, job, DeleteJob);
  g_task_run_in_thread(task, ReadInThread);
  g_object_unref(task);
  return g_list_append(nullptr, model);
}

void InitInterface(gpointer g_iface, gpointer) {
  auto* iface = static_cast<NautilusPropertiesModelProviderInterface*>(g_iface);
  iface->get_models = GetModels;
}

}  // namespace

void RegisterProviderType(GTypeModule* module) {
  static const GTypeInfo info = {
      sizeof(KelvaneProviderClass), nullptr, nullptr, nullptr, nullptr, nullptr,
      sizeof(KelvaneProvider),      0,       nullptr, nullptr,
  };
  provider_type = g_type_module_register_type(module, G_TYPE_OBJECT, "KelvaneNautilusProvider",
                                              &info, static_cast<GTypeFlags>(0));
  static const GInterfaceInfo provider_interface = {InitInterface, nullptr, nullptr};
  g_type_module_add_interface(module, provider_type, NAUTILUS_TYPE_PROPERTIES_MODEL_PROVIDER,
                              &provider_interface);
}

GType ProviderType() { return provider_type; }

}  // namespace kelvane::nautilus
