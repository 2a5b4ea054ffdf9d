/* The smallest host: loads the plug-in at run time, as a printer-management
 * application does, opens a handle and reports which transports this machine
 * can use. Usage: minimal_host [path-to-libdvkplugin.so] */
#include <dlfcn.h>
#include <stdio.h>

#include "plugin/dvk_plugin.h"

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "libdvkplugin.so.1";
  void* library = dlopen(path, RTLD_NOW);
  if (library == NULL) {
    fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
    return 1;
  }
  int32_t (*init)(void**) = (int32_t(*)(void**))dlsym(library, "DvkInit");
  void (*uninit)(void*) = (void (*)(void*))dlsym(library, "DvkUnInit");
  int16_t (*available)(int32_t) = (int16_t(*)(int32_t))dlsym(library, "DvkTransportAvailable");
  if (init == NULL || uninit == NULL || available == NULL) {
    fprintf(stderr, "%s lacks the plug-in's exports\n", path);
    dlclose(library);
    return 1;
  }

  void* handle = NULL;
  const int32_t result = init(&handle);
  printf("DvkInit: %d\n", (int)result);
  const struct {
    int32_t code;
    const char* name;
  } transports[] = {{DVK_TRANSPORT_UDP_IPV4, "UDP over IPv4"},
                    {DVK_TRANSPORT_IPX, "IPX"},
                    {DVK_TRANSPORT_UDP_IPV6, "UDP over IPv6"}};
  for (size_t i = 0; i < sizeof transports / sizeof transports[0]; ++i) {
    printf("transport %d (%s): %s\n", (int)transports[i].code, transports[i].name,
           available(transports[i].code) ? "available" : "not available");
  }
  uninit(handle);
  dlclose(library);
  return result == 0 ? 0 : 1;
}
