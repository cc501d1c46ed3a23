#include "Layout.h"

#include "Globals.h"
#include "StateManager.h"

#include <algorithm>
#include <cmath>

namespace Layout {

void markUnsaved()
{
    if (StateManager* state = Globals::getInstance().stateManager())
        state->requireSave(true);
}

QString writeNumber(double value)
{
    return QString::number(value, 'f', 3);
}

double readNumber(const QJsonValue& value)
{
    const double number = value.isString() ? value.toString().toDouble() : value.toDouble();
    return std::isfinite(number) && std::abs(number) <= largestReadable ? number : 0.0;
}

double saneCoordinate(double value)
{
    return std::isfinite(value) ? std::clamp(value, -coordinateLimit, coordinateLimit) : 0.0;
}

double saneRotation(double value)
{
    return std::isfinite(value) ? std::fmod(value, 360.0) : 0.0;
}

double saneScale(double value, Range range)
{
    if (!std::isfinite(value) || value <= 0.0)
        return 0.0;
    return std::clamp(value, range.minimum, range.maximum);
}

double saneRoomScale(double value)
{
    if (!std::isfinite(value) || value <= 0.0 || value > largestReadable)
        return defaultRoomScale;
    return std::clamp(value, roomScaleRange.minimum, roomScaleRange.maximum);
}

double readCoordinate(const QJsonValue& value)
{
    return saneCoordinate(readNumber(value));
}

double readRotation(const QJsonValue& value)
{
    return saneRotation(readNumber(value));
}

double readScale(const QJsonValue& value, Range range)
{
    return saneScale(readNumber(value), range);
}

QJsonObject overStored(QJsonObject stored, const QJsonObject& own)
{
    for (auto key = own.constBegin(); key != own.constEnd(); ++key)
        stored.insert(key.key(), key.value());
    return stored;
}

} // namespace Layout
