#include "support/update_server.h"

#include <curl/curl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace quantora::test {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

// Asks the server to stop; the server also stops by itself when its lifetime is over.
void SendQuit(const std::string& url, const fs::path& certificate) {
    CURL* handle = curl_easy_init();
    if (handle == nullptr) return;
    const std::string quit = url + "/quit";
    curl_easy_setopt(handle, CURLOPT_URL, quit.c_str());
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, 5L);
    curl_easy_setopt(
        handle, CURLOPT_WRITEFUNCTION, +[](char*, std::size_t, std::size_t n, void*) { return n; });
    if (!certificate.empty()) curl_easy_setopt(handle, CURLOPT_CAINFO, certificate.c_str());
    curl_easy_perform(handle);
    curl_easy_cleanup(handle);
}

}  // namespace

UpdateServer::UpdateServer(Scheme scheme) : root_(folder_ / "root"), scheme_(scheme) {
    fs::create_directories(root_);
    std::string tls;
    if (scheme == Scheme::kHttps) {
        certificate_ = folder_ / "server.crt";
        const fs::path key = folder_ / "server.key";
        const bool made = Run(std::string(QUANTORA_OPENSSL) +
                              " req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1"
                              " -addext subjectAltName=IP:127.0.0.1 -keyout " +
                              Quoted(key) + " -out " + Quoted(certificate_) + " >/dev/null 2>&1");
        if (!made) return;
        tls = " --cert " + Quoted(certificate_) + " --key " + Quoted(key);
    }
    const fs::path portFile = folder_ / "port";
    Run(std::string(QUANTORA_PYTHON) + " " + Quoted(QUANTORA_UPDATE_SERVER_SCRIPT) + " --root " + Quoted(root_) +
        " --port-file " + Quoted(portFile) + tls + " --lifetime 240 >" + Quoted(folder_ / "server.log") + " 2>&1 &");
    for (int attempt = 0; attempt < 200 && port_ == 0; ++attempt) {
        std::ifstream(portFile) >> port_;
        if (port_ == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

UpdateServer::~UpdateServer() {
    if (Running()) SendQuit(Url(), certificate_);
}

std::string UpdateServer::Url() const {
    return std::string(scheme_ == Scheme::kHttps ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

void UpdateServer::Serve(std::string_view stem, const std::vector<std::uint8_t>& bytes) {
    WriteBytes(root_ / (std::string(stem) + ".dat"), bytes);
}

std::string UpdateServer::ServeRates(std::string_view name, std::string_view xml) {
    std::ofstream(root_ / (std::string(name) + ".xml"), std::ios::binary) << xml;
    return Url() + "/" + std::string(name) + ".xml";
}

void UpdateServer::Answer(std::string_view stem, std::string_view answer) {
    std::ofstream(root_ / (std::string(stem) + ".answer")) << answer;
}

std::vector<std::string> UpdateServer::Requests() const {
    std::vector<std::string> requests;
    std::ifstream log(root_ / "requests.log");
    for (std::string line; std::getline(log, line);) requests.push_back(line);
    return requests;
}

}  // namespace quantora::test
