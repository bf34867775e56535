// Opening a library once, from any thread.
#include "base/lazy_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <string>

namespace base {

void* lazyLibraryFunction(const char* library, const char* name) {
  static std::mutex guard;
  static std::map<std::string, void*> opened;
  void* handle = nullptr;
  {
    std::lock_guard lock(guard);
    auto [at, first] = opened.try_emplace(library, nullptr);
    if (first) {
      at->second = ::dlopen(library, RTLD_NOW | RTLD_LOCAL);
      if (!at->second) std::fprintf(stderr, "mirandel: %s\n", ::dlerror());
    }
    handle = at->second;
  }
  return handle ? ::dlsym(handle, name) : nullptr;
}

}  // namespace base
