#pragma once

#include <memory>
#include <string>
#include <utility>

#include "plugin/dvk_export_list.h"
#include "plugin/dvk_plugin.h"

namespace dvkctl {

// One function of the plug-in, bound by name; callable like the function.
template <class Function>
struct Export {
  Function function = nullptr;
  const char* name = "";

  template <class... Arguments>
  auto operator()(Arguments&&... arguments) const {
    return function(std::forward<Arguments>(arguments)...);
  }
};

// The plug-in opened with dlopen and every export looked up with dlsym. The
// library stays loaded while the object lives.
class PluginLibrary {
 public:
  // The installed library, found by the dynamic loader's search path.
  static constexpr const char* kInstalledName = "libdvkplugin.so.1";

  explicit PluginLibrary(const std::string& path);
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;
  ~PluginLibrary() = default;

  // Empty when the library loaded and every export was found.
  const std::string& error() const noexcept { return error_; }

  // The name is a declarator here and cannot stand in parentheses.
  // NOLINTNEXTLINE(bugprone-macro-parentheses)
#define DVKCTL_DECLARE_EXPORT(name) Export<decltype(&::name)> name{nullptr, #name};
  DVK_EXPORT_LIST(DVKCTL_DECLARE_EXPORT)
#undef DVKCTL_DECLARE_EXPORT

 private:
  struct Closer {
    void operator()(void* library) const noexcept;
  };

  template <class Function>
  void look_up(Export<Function>& entry);

  std::unique_ptr<void, Closer> library_;
  std::string error_;
};

}  // namespace dvkctl
