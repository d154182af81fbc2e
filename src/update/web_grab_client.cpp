#include "update/web_grab_client.h"

#include <algorithm>

namespace quantora {

bool ContainsNotFoundText(const std::vector<std::uint8_t>& body) {
    return std::search(body.begin(), body.end(), kNotFoundText.begin(), kNotFoundText.end()) != body.end();
}

WebGrabClient::~WebGrabClient() {
    // The status window may be gone by now; the closing events are shown by an explicit Close.
    if (session_) session_->SetStatusWindow(nullptr);
}

bool WebGrabClient::FetchUrl(const std::string& url, std::vector<std::uint8_t>& body, const std::string& agent,
                             StatusWindow* statusWindow) {
    body.clear();
    stopped_ = false;
    if (!session_) session_ = CWebGrabSession::Open(agent, statusWindow);
    if (!session_) return false;
    if (statusWindow != nullptr) session_->SetStatusWindow(statusWindow);
    const bool whole = session_->Get(url, body, limits_);
    stopped_ = session_->Stopped();
    return whole;
}

void WebGrabClient::Close() {
    if (!session_) return;
    session_->CloseConnection();
    session_.reset();
}

}  // namespace quantora
