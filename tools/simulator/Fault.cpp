#include "Fault.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace sim {

namespace {

const QString actionNames[] = { "answer", "hold", "close", "garbage", "cut", "gzipBomb", "endless",
    "hugeImage", "redirect", "gzipBody", "hugeLength" };

bool isTarget(const QString& target)
{
    static const QRegularExpression pattern("^(cloud|pods|pod:\\d+)$");
    return pattern.match(target).hasMatch();
}

// A non-negative integer member, or nothing when it is something else.
std::optional<int> countOf(const QJsonObject& json, const QString& key)
{
    const QJsonValue value = json.value(key);
    if (value.isUndefined())
        return 0;
    const double number = value.toDouble(-1);
    if (number < 0 || number != static_cast<int>(number))
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace

std::optional<Fault> Fault::fromJson(const QJsonObject& json, QString* error)
{
    static const QSet<QString> keys { "target", "method", "path", "latencyMs", "status", "action", "times" };
    for (const QString& key : json.keys()) {
        if (!keys.contains(key)) {
            *error = QString("unknown fault key \"%1\"").arg(key);
            return std::nullopt;
        }
    }

    Fault fault;
    fault.target = json.value("target").toString();
    fault.method = json.value("method").toString().toUpper();
    fault.path = json.value("path").toString();
    if (!isTarget(fault.target)) {
        *error = "fault target must be \"cloud\", \"pods\" or \"pod:N\"";
        return std::nullopt;
    }

    const auto latency = countOf(json, "latencyMs");
    const auto status = countOf(json, "status");
    const auto times = countOf(json, "times");
    if (!latency || !status || !times || (*status != 0 && (*status < 100 || *status > 599))) {
        *error = "latencyMs and times must be counts, status 0 or an HTTP status";
        return std::nullopt;
    }
    fault.latencyMs = *latency;
    fault.status = *status;
    fault.times = *times;

    const QString action = json.value("action").toString("answer");
    const auto found = std::find(std::begin(actionNames), std::end(actionNames), action);
    if (found == std::end(actionNames)) {
        *error = QString("unknown fault action \"%1\"").arg(action);
        return std::nullopt;
    }
    fault.action = static_cast<Action>(found - std::begin(actionNames));
    return fault;
}

QJsonObject Fault::toJson() const
{
    return {
        { "target", target },
        { "method", method },
        { "path", path },
        { "latencyMs", latencyMs },
        { "status", status },
        { "action", actionNames[static_cast<int>(action)] },
        { "times", times },
    };
}

bool Fault::hasEffect() const
{
    return latencyMs > 0 || status != 0 || action != Action::Answer;
}

bool Fault::sameRule(const Fault& other) const
{
    return target == other.target && method == other.method && path == other.path;
}

bool Fault::matches(const QString& server, const QString& group, const QString& requestMethod,
    const QString& requestPath) const
{
    return (target == server || target == group) && (method.isEmpty() || method == requestMethod)
        && requestPath.startsWith(path);
}

} // namespace sim
