#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sim {

// A request as a simulated server's handlers see it, copied off the connection so that it
// outlives an answer's delay.
struct ServerRequest {
    using Fields = std::vector<std::pair<std::string, std::string>>;

    std::string method;
    // Decoded, without the query.
    std::string path;
    // The path and query as sent.
    std::string target;
    std::string body;
    Fields headers;
    // The decoded query parameters.
    Fields parameters;
    // The whole path, then what the route's pattern captured.
    std::vector<std::string> matches;

    // The first header of that name (in any case), or "".
    std::string header(const std::string& name) const;
    std::string parameter(const std::string& name) const;
};

} // namespace sim
