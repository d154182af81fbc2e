#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "update/fetch_limits.h"
#include "update/status_window.h"
#include "update/web_grab_session.h"

namespace quantora {

// The text a server puts in the body of its not-found answer.
inline constexpr std::string_view kNotFoundText = "HTTP 404 - File not found";
bool ContainsNotFoundText(const std::vector<std::uint8_t>& body);

// Fetches one URL into memory, reporting what it does in a status window. The session is made on
// the first fetch and lives until Close.
class WebGrabClient {
public:
    explicit WebGrabClient(FetchLimits limits = {}) : limits_(std::move(limits)) {}
    ~WebGrabClient();
    WebGrabClient(const WebGrabClient&) = delete;
    WebGrabClient& operator=(const WebGrabClient&) = delete;

    // True when the whole body of the file was read. A server's not-found answer comes back as its
    // body, whatever its status, so that the caller can tell it apart; every other status but 200
    // fails, so that an error page never stands in for a file.
    bool FetchUrl(const std::string& url, std::vector<std::uint8_t>& body, const std::string& agent,
                  StatusWindow* statusWindow);
    void Close();

    // Whether the last fetch ended because the status window asked to stop.
    bool Stopped() const { return stopped_; }
    // Whether the server answered the last fetch at all.
    bool Answered() const { return session_ && session_->Answered(); }
    // The session's last status text: after a failed fetch, the reason.
    std::string StatusText() const { return session_ ? session_->StatusText() : std::string("no internet session"); }

private:
    FetchLimits limits_;
    std::unique_ptr<CWebGrabSession> session_;
    bool stopped_ = false;
};

}  // namespace quantora
