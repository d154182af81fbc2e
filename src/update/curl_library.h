#pragma once

#include <curl/curl.h>

#include <string>

namespace quantora {

// The libcurl calls the update makes. On Linux the library is loaded when the first session opens,
// so the programs that never fetch (quantora-cli convert, eval, ...) start without it and the
// thirty-odd libraries it brings; on Windows libcurl is linked in and the table names it directly.
struct CurlLibrary {
    CURLcode (*global_init)(long flags);
    CURL* (*easy_init)();
    void (*easy_cleanup)(CURL* handle);
    CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...);
    CURLcode (*easy_perform)(CURL* handle);
    CURLcode (*easy_getinfo)(CURL* handle, CURLINFO info, ...);
    const char* (*easy_strerror)(CURLcode code);
    CURLU* (*url)();
    CURLUcode (*url_set)(CURLU* parts, CURLUPart what, const char* part, unsigned int flags);
    CURLUcode (*url_get)(CURLU* parts, CURLUPart what, char** part, unsigned int flags);
    void (*url_cleanup)(CURLU* parts);
    void (*free)(void* pointer);
};

// The library, loaded and initialised once; null when it cannot be, with the reason in `error`.
const CurlLibrary* Curl(std::string& error);

}  // namespace quantora
