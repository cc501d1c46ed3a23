#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sim {

// What a simulated server's handler answers.
struct ServerResponse {
    int status = 200;
    std::string body;
    std::string contentType;
    // Header fields besides Content-Type.
    std::vector<std::pair<std::string, std::string>> headers;
    // The call is never answered; the connection stays open until the simulator stops.
    bool held = false;

    void setContent(std::string content, std::string type)
    {
        body = std::move(content);
        contentType = std::move(type);
    }
};

} // namespace sim
