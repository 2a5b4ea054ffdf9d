#pragma once

#include <dlfcn.h>

#include <string>

#include "plugin/dvk_export_list.h"
#include "plugin/dvk_plugin.h"

// The plug-in as a host sees it: the library opened with dlopen and every
// export looked up by name.
class PluginLibrary {
 public:
#define DVK_DECLARE_POINTER(name) decltype(&::name) name = nullptr;
  DVK_EXPORT_LIST(DVK_DECLARE_POINTER)
#undef DVK_DECLARE_POINTER

  explicit PluginLibrary(const char* path = DVK_PLUGIN_PATH)
      : library_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
    if (library_ == nullptr) {
      error_ = dlerror();
      return;
    }
#define DVK_LOOK_UP(name) name = lookup<decltype(&::name)>(#name);
    DVK_EXPORT_LIST(DVK_LOOK_UP)
#undef DVK_LOOK_UP
  }
  ~PluginLibrary() {
    if (library_ != nullptr) dlclose(library_);
  }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Empty when the library loaded and every export was found.
  const std::string& error() const { return error_; }

 private:
  template <class Function>
  Function lookup(const char* name) {
    void* symbol = dlsym(library_, name);
    if (symbol == nullptr) error_ += std::string("missing export ") + name + "; ";
    return reinterpret_cast<Function>(symbol);
  }

  void* library_;
  std::string error_;
};
