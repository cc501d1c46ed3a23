#include "PodIdentity.h"

#include <QRegularExpression>
#include <QSet>

namespace sim {

namespace {

// Screen-key characters that cannot be mistaken for one another on a display.
const QString keyAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";

// Distinct for every index below 32^4: the multiplier is odd and the modulus a power of two.
QString screenKeyFor(int index)
{
    quint32 code = (static_cast<quint32>(index) * 40503u + 28411u) % (1u << 20);
    QString key;
    for (int digit = 0; digit < 4; ++digit, code >>= 5)
        key.prepend(keyAlphabet.at(code & 31));
    return key;
}

} // namespace

PodIdentity PodIdentity::defaultFor(int index)
{
    return { QString("Pod %1").arg(index + 1), QJsonValue("2"), screenKeyFor(index),
        QString("SIMPOD%1").arg(index + 1, 4, 10, QChar('0')) };
}

std::optional<PodIdentity> PodIdentity::changedBy(const QJsonObject& changes, QString* error) const
{
    static const QSet<QString> keys { "name", "apiVersion", "screenKey", "deviceId" };
    static const QRegularExpression deviceIdPattern("^\\w+$");
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        if (!keys.contains(it.key())) {
            *error = QString("unknown pod key \"%1\"").arg(it.key());
            return std::nullopt;
        }
    }
    PodIdentity changed = *this;
    changed.name = changes.value("name").toString(name);
    changed.apiVersion = changes.value("apiVersion").isUndefined() ? apiVersion : changes.value("apiVersion");
    changed.screenKey = changes.value("screenKey").toString(screenKey);
    changed.deviceId = changes.value("deviceId").toString(deviceId);
    if (changed.screenKey.size() != 4 || !deviceIdPattern.match(changed.deviceId).hasMatch()) {
        *error = "a screen key has 4 characters and a device id only letters, digits and \"_\"";
        return std::nullopt;
    }
    return changed;
}

QJsonObject PodIdentity::toJson() const
{
    return { { "name", name }, { "apiVersion", apiVersion }, { "screenKey", screenKey },
        { "deviceId", deviceId } };
}

} // namespace sim
