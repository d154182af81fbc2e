// libcurl loaded at run time with dlopen.
#include <dlfcn.h>

#include "update/curl_library.h"

namespace quantora {

namespace {

struct Loaded {
    CurlLibrary table{};
    std::string error;
};

// Looks up one function; the first one missing names itself in `error`.
template <typename Function>
void Find(void* library, const char* name, Function& function, std::string& error) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr && error.empty()) error = std::string("libcurl.so.4 has no ") + name;
}

Loaded Load() {
    Loaded loaded;
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        loaded.error = std::string("The update needs libcurl, which could not be loaded: ") +
                       (reason != nullptr ? reason : "libcurl.so.4");
        return loaded;
    }
    CurlLibrary& t = loaded.table;
    std::string& e = loaded.error;
    Find(library, "curl_global_init", t.global_init, e);
    Find(library, "curl_easy_init", t.easy_init, e);
    Find(library, "curl_easy_cleanup", t.easy_cleanup, e);
    Find(library, "curl_easy_setopt", t.easy_setopt, e);
    Find(library, "curl_easy_perform", t.easy_perform, e);
    Find(library, "curl_easy_getinfo", t.easy_getinfo, e);
    Find(library, "curl_easy_strerror", t.easy_strerror, e);
    Find(library, "curl_url", t.url, e);
    Find(library, "curl_url_set", t.url_set, e);
    Find(library, "curl_url_get", t.url_get, e);
    Find(library, "curl_url_cleanup", t.url_cleanup, e);
    Find(library, "curl_free", t.free, e);
    if (e.empty() && t.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) e = "libcurl could not be initialised";
    return loaded;
}

}  // namespace

const CurlLibrary* Curl(std::string& error) {
    static const Loaded loaded = Load();
    error = loaded.error;
    return loaded.error.empty() ? &loaded.table : nullptr;
}

}  // namespace quantora
