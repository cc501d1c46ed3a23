#include "Layout.h"

#include "Globals.h"
#include "StateManager.h"

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
    return std::isfinite(number) ? number : 0.0;
}

} // namespace Layout
