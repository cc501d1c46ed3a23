#include "Layout.h"

#include "Globals.h"
#include "StateManager.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

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

namespace {

int adjustedCount = 0; // documents are read on the GUI thread only

// The number a stored value holds, when it holds one at all.
std::optional<double> storedNumber(const QJsonValue& value)
{
    if (value.isDouble())
        return value.toDouble();
    bool isNumber = false;
    const double number = value.toString().toDouble(&isNumber);
    return isNumber ? std::optional<double>(number) : std::nullopt;
}

double noted(const QJsonValue& value, double read)
{
    const std::optional<double> stored = storedNumber(value);
    if (stored && !(*stored == read))
        ++adjustedCount;
    return read;
}

} // namespace

double readCoordinate(const QJsonValue& value)
{
    return noted(value, saneCoordinate(readNumber(value)));
}

double readRotation(const QJsonValue& value)
{
    return noted(value, saneRotation(readNumber(value)));
}

double readScale(const QJsonValue& value, Range range)
{
    return noted(value, saneScale(readNumber(value), range));
}

double readRoomScale(const QJsonValue& value)
{
    return noted(value, saneRoomScale(readNumber(value)));
}

int takeAdjustedCount()
{
    return std::exchange(adjustedCount, 0);
}

QJsonObject overStored(QJsonObject stored, const QJsonObject& own)
{
    for (auto key = own.constBegin(); key != own.constEnd(); ++key)
        stored.insert(key.key(), key.value());
    return stored;
}

} // namespace Layout
