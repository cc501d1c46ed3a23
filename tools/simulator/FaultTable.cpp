#include "FaultTable.h"

#include <algorithm>

namespace sim {

void FaultTable::set(const Fault& fault)
{
    std::lock_guard lock(mutex);
    rules.erase(
        std::remove_if(rules.begin(), rules.end(), [&](const Fault& rule) { return rule.sameRule(fault); }),
        rules.end());
    if (fault.hasEffect())
        rules.push_back(fault);
}

void FaultTable::clear()
{
    std::lock_guard lock(mutex);
    rules.clear();
}

QJsonArray FaultTable::toJson() const
{
    std::lock_guard lock(mutex);
    QJsonArray result;
    for (const Fault& rule : rules)
        result.append(rule.toJson());
    return result;
}

std::optional<Fault> FaultTable::take(
    const QString& server, const QString& group, const QString& method, const QString& path)
{
    std::lock_guard lock(mutex);
    const auto newest = std::find_if(rules.rbegin(), rules.rend(),
        [&](const Fault& rule) { return rule.matches(server, group, method, path); });
    if (newest == rules.rend())
        return std::nullopt;
    const Fault hit = *newest;
    if (newest->times > 0 && --newest->times == 0)
        rules.erase(std::next(newest).base());
    return hit;
}

} // namespace sim
