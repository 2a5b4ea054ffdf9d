#include "tools/dvkctl/plugin_library.h"

#include <dlfcn.h>

namespace dvkctl {

void PluginLibrary::Closer::operator()(void* library) const noexcept { dlclose(library); }

PluginLibrary::PluginLibrary(const std::string& path)
    : library_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (!library_) {
    const char* reason = dlerror();
    error_ = "cannot load " + path + ": " + (reason != nullptr ? reason : "unknown reason");
    return;
  }
#define DVKCTL_LOOK_UP(name) look_up(name);
  DVK_EXPORT_LIST(DVKCTL_LOOK_UP)
#undef DVKCTL_LOOK_UP
  if (!error_.empty()) error_ = path + " is not the printer plug-in: it lacks" + error_;
}

template <class Function>
void PluginLibrary::look_up(Export<Function>& entry) {
  void* symbol = dlsym(library_.get(), entry.name);
  if (symbol == nullptr) {
    error_ += std::string(" ") + entry.name;
    return;
  }
  entry.function = reinterpret_cast<Function>(symbol);
}

}  // namespace dvkctl
