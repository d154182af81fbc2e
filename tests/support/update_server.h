#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_folder.h"

namespace quantora::test {

// A real HTTP or HTTPS server on 127.0.0.1 (tests/support/update_server.py) that answers update
// requests from the files of a folder of its own. The HTTPS server's certificate is made for
// 127.0.0.1 when the server starts, signed by nobody the system trusts.
class UpdateServer {
public:
    enum class Scheme { kHttp, kHttps };

    explicit UpdateServer(Scheme scheme = Scheme::kHttp);
    ~UpdateServer();
    UpdateServer(const UpdateServer&) = delete;
    UpdateServer& operator=(const UpdateServer&) = delete;

    bool Running() const { return port_ != 0; }
    std::string Url() const;
    // The certificate a client has to trust to talk to the HTTPS server.
    const std::filesystem::path& Certificate() const { return certificate_; }

    // What the server answers for "<stem>.zip": the bytes of "<stem>.dat", or a way of failing
    // ("missing", "status500", "notfound", "truncate", "stall", "drip").
    void Serve(std::string_view stem, const std::vector<std::uint8_t>& bytes);
    void Answer(std::string_view stem, std::string_view answer);
    // Serves `xml` as "/<name>.xml" (a rates file; `Answer(name, ...)` changes its answer too) and
    // returns its address.
    std::string ServeRates(std::string_view name, std::string_view xml);

    // The request paths the server saw, in order.
    std::vector<std::string> Requests() const;

private:
    TempFolder folder_;
    std::filesystem::path root_;
    std::filesystem::path certificate_;
    Scheme scheme_;
    int port_ = 0;
};

}  // namespace quantora::test
