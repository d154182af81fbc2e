// libcurl linked in statically: the table names its functions.
#include "update/curl_library.h"

namespace quantora {

const CurlLibrary* Curl(std::string& error) {
    static const CurlLibrary table{curl_global_init,  curl_easy_init,    curl_easy_cleanup,  curl_easy_setopt,
                                   curl_easy_perform, curl_easy_getinfo, curl_easy_strerror, curl_url,
                                   curl_url_set,      curl_url_get,      curl_url_cleanup,   curl_free};
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    error = ready ? "" : "libcurl could not be initialised";
    return ready ? &table : nullptr;
}

}  // namespace quantora
