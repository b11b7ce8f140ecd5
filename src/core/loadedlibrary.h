// A library loaded when it is first needed rather than with the program: the print service's,
// the speech synthesiser's and the editor's own sound output each bring a chain of their own
// libraries (encryption, sound output, codecs, Qt Multimedia) that a session which never prints,
// speaks or plays would otherwise carry from its start. The library stays loaded for the rest of
// the run.
#pragma once

#include <dlfcn.h>

class LoadedLibrary {
public:
    // `soname` may also be the path of the library's file.
    explicit LoadedLibrary(const char* soname)
        : m_handle(dlopen(soname, RTLD_NOW | RTLD_LOCAL)),
          m_error(m_handle ? nullptr : dlerror()) {}

    bool loaded() const { return m_handle != nullptr; }
    // Why it could not be loaded (the loader's words), or null.
    const char* error() const { return m_error; }

    // Points `function` at the library's `name`; false when it is not there.
    template <class Function>
    bool find(const char* name, Function& function) const {
        function = m_handle ? reinterpret_cast<Function>(dlsym(m_handle, name)) : nullptr;
        return function != nullptr;
    }

private:
    void* m_handle;
    const char* m_error;
};
