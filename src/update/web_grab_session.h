#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/fetch_limits.h"
#include "update/status_window.h"

namespace quantora {

// An internet session over libcurl: one handle, kept between requests so that the list and a file
// can share a connection, turning libcurl's events into the status texts of the session.
class CWebGrabSession {
public:
    // None when libcurl cannot give a handle.
    static std::unique_ptr<CWebGrabSession> Open(std::string agent, StatusWindow* statusWindow);
    ~CWebGrabSession();
    CWebGrabSession(const CWebGrabSession&) = delete;
    CWebGrabSession& operator=(const CWebGrabSession&) = delete;

    void SetStatusWindow(StatusWindow* statusWindow) { statusWindow_ = statusWindow; }
    // Keeps the text and shows it in the status window, when there is one.
    void SetStatus(std::string text);
    void ShowEvent(int status);
    const std::string& StatusText() const { return statusText_; }
    bool Stopped() const { return stopped_; }
    // Whether the server answered the last request at all (a status line came).
    bool Answered() const { return answered_; }

    // One GET of `url` into `body`; false after a transport failure, a stop, or an answer other
    // than the file, with the reason as the status text.
    bool Get(const std::string& url, std::vector<std::uint8_t>& body, const FetchLimits& limits);

    // Ends the connection, showing the closing events.
    void CloseConnection();

    // libcurl's callbacks reach the session through these.
    bool AppendChunk(const char* bytes, std::size_t size);
    bool StopRequested();
    void HeaderLine(std::string_view line);

private:
    CWebGrabSession(void* handle, std::string agent, StatusWindow* statusWindow);
    std::optional<std::vector<std::uint8_t>> ReadTrustedCertificate(const FetchLimits& limits);
    void ApplyOptions(const std::string& url, const FetchLimits& limits, std::vector<std::uint8_t>& certificate,
                      char* errorText);
    bool Judge(int curlCode, const char* errorText, std::vector<std::uint8_t>& body);

    void* handle_;
    std::string agent_;
    StatusWindow* statusWindow_;
    std::string statusText_;
    std::string host_;
    // The request being read.
    std::vector<std::uint8_t>* body_ = nullptr;
    std::size_t maxBody_ = 0;
    bool tooLarge_ = false;
    bool stopped_ = false;
    bool timedOut_ = false;
    bool answered_ = false;
    bool connected_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::seconds wholeFetch_{0};
};

}  // namespace quantora
