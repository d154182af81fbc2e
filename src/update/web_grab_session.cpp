#include "update/web_grab_session.h"

#include <cstdio>
#include <utility>

#include "catalogue/path_text.h"
#include "catalogue/whole_file.h"
#include "update/curl_library.h"
#include "update/session_status.h"
#include "update/web_grab_client.h"

namespace quantora {

namespace {

namespace is = internet_status;

// The platform's messages are cut at this length in the status line.
constexpr std::size_t kMaxMessage = 255;
// The reads go in chunks no larger than this.
constexpr long kChunkBytes = 4095;
constexpr long kHttpOk = 200;
constexpr long kHttpNotFound = 404;

CWebGrabSession& SessionOf(void* data) { return *static_cast<CWebGrabSession*>(data); }

std::size_t OnBody(char* bytes, std::size_t, std::size_t count, void* data) {
    return SessionOf(data).AppendChunk(bytes, count) ? count : 0;
}

std::size_t OnHeader(char* bytes, std::size_t, std::size_t count, void* data) {
    SessionOf(data).HeaderLine(std::string_view(bytes, count));
    return count;
}

int OnProgress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return SessionOf(data).StopRequested() ? 1 : 0;
}

// libcurl has resolved the name and made the socket; the connection is tried next.
int OnSocket(void* data, curl_socket_t, curlsocktype purpose) {
    if (purpose == CURLSOCKTYPE_IPCXN) {
        SessionOf(data).ShowEvent(is::kNameResolved);
        SessionOf(data).ShowEvent(is::kConnectingToServer);
    }
    return CURL_SOCKOPT_OK;
}

// The connection is open (and its TLS handshake done); the request goes out next.
int OnConnected(void* data, char*, char*, int, int) {
    SessionOf(data).ShowEvent(is::kConnectedToServer);
    SessionOf(data).ShowEvent(is::kSendingRequest);
    return CURL_PREREQFUNC_OK;
}

int OnTrace(CURL*, curl_infotype type, char*, std::size_t, void* data) {
    if (type == CURLINFO_HEADER_OUT) SessionOf(data).ShowEvent(is::kRequestSent);
    return 0;
}

// Every call below is made by a session, and a session exists only once the library is loaded.
const CurlLibrary& Library() {
    std::string ignored;
    return *Curl(ignored);
}

std::string HostOf(const std::string& url) {
    std::string host;
    CURLU* parts = Library().url();
    char* text = nullptr;
    if (parts != nullptr && Library().url_set(parts, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
        Library().url_get(parts, CURLUPART_HOST, &text, 0) == CURLUE_OK) {
        host = text;
    }
    Library().free(text);
    Library().url_cleanup(parts);
    return host;
}

std::string Cut(std::string text) {
    if (text.size() > kMaxMessage) text.resize(kMaxMessage);
    return text;
}

}  // namespace

std::unique_ptr<CWebGrabSession> CWebGrabSession::Open(std::string agent, StatusWindow* statusWindow) {
    std::string error;
    const CurlLibrary* curl = Curl(error);
    if (curl == nullptr) {
        if (statusWindow != nullptr) statusWindow->SetStatusText(error);
        return nullptr;
    }
    CURL* handle = curl->easy_init();
    if (handle == nullptr) return nullptr;
    std::unique_ptr<CWebGrabSession> session(new CWebGrabSession(handle, std::move(agent), statusWindow));
    session->ShowEvent(is::kHandleCreated);
    return session;
}

CWebGrabSession::CWebGrabSession(void* handle, std::string agent, StatusWindow* statusWindow)
    : handle_(handle), agent_(std::move(agent)), statusWindow_(statusWindow) {}

CWebGrabSession::~CWebGrabSession() {
    if (handle_ != nullptr) Library().easy_cleanup(static_cast<CURL*>(handle_));
}

void CWebGrabSession::SetStatus(std::string text) {
    statusText_ = std::move(text);
    if (statusWindow_ != nullptr) statusWindow_->SetStatusText(statusText_);
}

void CWebGrabSession::ShowEvent(int status) {
    if (std::optional<std::string> text = SessionStatusText(status, host_)) SetStatus(std::move(*text));
    if (status == is::kConnectedToServer) connected_ = true;
}

bool CWebGrabSession::AppendChunk(const char* bytes, std::size_t size) {
    if (body_->size() + size > maxBody_) {
        tooLarge_ = true;
        return false;
    }
    body_->insert(body_->end(), bytes, bytes + size);
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_);
    SetStatus(ReadProgressText(body_->size(), elapsed.count()));
    return true;
}

bool CWebGrabSession::StopRequested() {
    if (statusWindow_ != nullptr && statusWindow_->StopRequested()) stopped_ = true;
    if (wholeFetch_.count() > 0 && std::chrono::steady_clock::now() - start_ > wholeFetch_) timedOut_ = true;
    return stopped_ || timedOut_;
}

// The blank line after the headers ends the response's head; the body follows.
void CWebGrabSession::HeaderLine(std::string_view line) {
    if (line.starts_with("HTTP/")) {
        answered_ = true;
        ShowEvent(is::kReceivingResponse);
    }
    if (line == "\r\n" || line == "\n") ShowEvent(is::kResponseReceived);
}

namespace {

// A certificate file is a few kilobytes; anything larger, or a device or pipe named by mistake, is
// refused before libcurl would read it without end.
constexpr std::uint64_t kMaxCertificateBytes = 1 << 20;

}  // namespace

// The trusted certificate is read here, through the same checks as every other file the program
// reads, and handed to libcurl as bytes.
std::optional<std::vector<std::uint8_t>> CWebGrabSession::ReadTrustedCertificate(const FetchLimits& limits) {
    if (limits.extraCaFile.empty()) return std::vector<std::uint8_t>{};
    WholeFile file = ReadWholeFile(PathFromUtf8(limits.extraCaFile), kMaxCertificateBytes);
    if (!file.opened) {
        SetStatus(file.error);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

void CWebGrabSession::ApplyOptions(const std::string& url, const FetchLimits& limits,
                                   std::vector<std::uint8_t>& certificate, char* errorText) {
    CURL* handle = static_cast<CURL*>(handle_);
    Library().easy_setopt(handle, CURLOPT_URL, url.c_str());
    Library().easy_setopt(handle, CURLOPT_USERAGENT, agent_.c_str());
    Library().easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    Library().easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    Library().easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    Library().easy_setopt(handle, CURLOPT_BUFFERSIZE, kChunkBytes);
    Library().easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits.connectTimeout.count()));
    Library().easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
    Library().easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.lowSpeedWindow.count()));
    Library().easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBodyBytes));
    Library().easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    Library().easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!limits.extraCaFile.empty()) {
        curl_blob blob{certificate.data(), certificate.size(), CURL_BLOB_COPY};
        Library().easy_setopt(handle, CURLOPT_CAINFO_BLOB, &blob);
    }
    Library().easy_setopt(handle, CURLOPT_WRITEFUNCTION, OnBody);
    Library().easy_setopt(handle, CURLOPT_WRITEDATA, this);
    Library().easy_setopt(handle, CURLOPT_HEADERFUNCTION, OnHeader);
    Library().easy_setopt(handle, CURLOPT_HEADERDATA, this);
    Library().easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    Library().easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
    Library().easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    Library().easy_setopt(handle, CURLOPT_SOCKOPTFUNCTION, OnSocket);
    Library().easy_setopt(handle, CURLOPT_SOCKOPTDATA, this);
    Library().easy_setopt(handle, CURLOPT_PREREQFUNCTION, OnConnected);
    Library().easy_setopt(handle, CURLOPT_PREREQDATA, this);
    // The trace callback is the one place libcurl tells that the request went out.
    Library().easy_setopt(handle, CURLOPT_DEBUGFUNCTION, OnTrace);
    Library().easy_setopt(handle, CURLOPT_DEBUGDATA, this);
    Library().easy_setopt(handle, CURLOPT_VERBOSE, 1L);
}

bool CWebGrabSession::Get(const std::string& url, std::vector<std::uint8_t>& body, const FetchLimits& limits) {
    body.clear();
    body_ = &body;
    maxBody_ = limits.maxBodyBytes;
    tooLarge_ = false;
    stopped_ = false;
    timedOut_ = false;
    answered_ = false;
    wholeFetch_ = limits.wholeFetch;
    host_ = HostOf(url);
    std::optional<std::vector<std::uint8_t>> certificate = ReadTrustedCertificate(limits);
    if (!certificate) {
        body_ = nullptr;
        return false;
    }
    char errorText[CURL_ERROR_SIZE] = {};
    ApplyOptions(url, limits, *certificate, errorText);
    ShowEvent(is::kResolvingName);
    start_ = std::chrono::steady_clock::now();
    const CURLcode code = Library().easy_perform(static_cast<CURL*>(handle_));
    Library().easy_setopt(static_cast<CURL*>(handle_), CURLOPT_ERRORBUFFER, nullptr);
    const bool whole = Judge(code, errorText, body);
    body_ = nullptr;
    if (!whole) body.clear();
    return whole;
}

bool CWebGrabSession::Judge(int curlCode, const char* errorText, std::vector<std::uint8_t>& body) {
    if (curlCode != CURLE_OK) {
        if (stopped_) {
            SetStatus("Stopped");
        } else if (timedOut_) {
            SetStatus("The transfer took longer than " + std::to_string(wholeFetch_.count()) +
                      " s, the time allowed for a file of this size");
        } else if (tooLarge_ || curlCode == CURLE_FILESIZE_EXCEEDED) {
            SetStatus("The answer is larger than any data file");
        } else {
            SetStatus(Cut(errorText[0] != '\0' ? errorText : Library().easy_strerror(static_cast<CURLcode>(curlCode))));
        }
        return false;
    }
    long status = 0;
    Library().easy_getinfo(static_cast<CURL*>(handle_), CURLINFO_RESPONSE_CODE, &status);
    if (status != kHttpOk && !(status == kHttpNotFound && ContainsNotFoundText(body))) {
        char text[64];
        std::snprintf(text, sizeof text, "The server answered HTTP status %ld", status);
        SetStatus(text);
        return false;
    }
    SetStatus("");
    return true;
}

void CWebGrabSession::CloseConnection() {
    if (handle_ == nullptr) return;
    if (connected_) ShowEvent(is::kClosingConnection);
    Library().easy_cleanup(static_cast<CURL*>(handle_));
    handle_ = nullptr;
    if (connected_) ShowEvent(is::kConnectionClosed);
    connected_ = false;
}

}  // namespace quantora
