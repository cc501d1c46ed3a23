#include "ServerRequest.h"

#include <strings.h>

namespace sim {

namespace {

std::string valueOf(const ServerRequest::Fields& fields, const std::string& name, bool anyCase)
{
    for (const auto& [key, value] : fields) {
        if (anyCase ? strcasecmp(key.c_str(), name.c_str()) == 0 : key == name)
            return value;
    }
    return {};
}

} // namespace

std::string ServerRequest::header(const std::string& name) const
{
    return valueOf(headers, name, true);
}

std::string ServerRequest::parameter(const std::string& name) const
{
    return valueOf(parameters, name, false);
}

} // namespace sim
