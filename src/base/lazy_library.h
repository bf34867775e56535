// Shared libraries opened on first use. The player is not linked with what it
// needs only for some sessions (libcurl on line, the sound decoders and the
// sound device when a sound plays): such a library and the libraries it brings
// are not mapped and relocated before the opening screen. A function of one is
// found the first time it is called; without the library the caller is given
// nothing and does what it does on the library's own failure.
#pragma once

namespace base {

// The library's function of that name, or null when the library (a soname or
// a path, opened once; the reason it cannot be is said on the error output) or
// the function is not there.
void* lazyLibraryFunction(const char* library, const char* name);

template <typename Function>
Function* lazyFunction(const char* library, const char* name) {
  return reinterpret_cast<Function*>(lazyLibraryFunction(library, name));
}

}  // namespace base

// One forwarder per function of a library the player calls by name: the
// library's function looked up once, the call passed on, or the failure value
// without it.
#define MIRANDEL_LAZY_FORWARD(library, Result, name, failure, params, args)          \
  extern "C" Result(name) params {                                                  \
    static auto* const function = base::lazyFunction<Result params>(library, #name); \
    if (!function) return failure;                                                  \
    return function args;                                                           \
  }
#define MIRANDEL_LAZY_FORWARD_VOID(library, name, params, args)                      \
  extern "C" void(name) params {                                                    \
    static auto* const function = base::lazyFunction<void params>(library, #name);  \
    if (function) function args;                                                    \
  }
