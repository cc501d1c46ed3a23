#pragma once

#include "PropertyHelpers.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QObject>

// What every object of a layout shares: the unsaved mark of its edits and the
// number forms of the layout document.
namespace Layout {

// Marks the open layout unsaved; without a state manager (tools, tests) it does nothing.
void markUnsaved();

// The model setter: store a different value, emit its change signal, mark the layout unsaved.
template <typename Owner, typename Signal, typename T, typename U>
void set(Owner* owner, T& field, const U& value, Signal changed)
{
    if (!assignIfChanged(field, value))
        return;
    emit(owner->*changed)();
    markUnsaved();
}

// What a stored room may hold. Rooms come from a shared service that other tools write too, so
// every number is brought into what the editor can show before any screen sees it.
struct Range {
    double minimum;
    double maximum;
};
// A bigger room is listed but not opened: drawing or routing it would stall the screens.
constexpr int maxTeamBlocks = 1000;
// Room furniture and the furniture of every team block together.
constexpr int maxFurniture = 5000;
// Positions stay within four design grids (1024 by 708) of the plan's corner, either way.
constexpr double coordinateLimit = 4096.0;
// No stored number is this large on purpose (1e308): it reads as its default.
constexpr double largestReadable = 1e9;
// The editor's limits (qml/Common/EditorLogic.js, qml/Common/BlockLogic.js); loose furniture has
// no upper limit there, ten times its natural size is ours.
constexpr Range roomScaleRange { 0.6, 1.6 };
constexpr double defaultRoomScale = 1.0;
constexpr Range roomFurnitureScaleRange { 0.1, 10.0 };
constexpr Range teamFurnitureScaleRange { 0.4, 3.0 };
constexpr Range tableScaleRange { 0.8, 3.0 };

// Positions, rotations and scales are written as fixed three-decimal text.
QString writeNumber(double value);

// Reads a JSON number, or a string holding one (our own written form, returned
// unchanged by a store); anything else, a non-finite value or one beyond
// `largestReadable` reads as 0.
double readNumber(const QJsonValue& value);

// The sane forms of the numbers a room holds.
double saneCoordinate(double value);
// Modulo 360, keeping the sign: the rotation dial works in -360..0.
double saneRotation(double value);
// 0 or less means unset (the views draw their default) and stays 0.
double saneScale(double value, Range range);
// Not a number worth reading: the default 1.0.
double saneRoomScale(double value);

// The readers of a document's numbers; each stored number they had to change is counted.
double readCoordinate(const QJsonValue& value);
double readRotation(const QJsonValue& value);
double readScale(const QJsonValue& value, Range range);
double readRoomScale(const QJsonValue& value);
// How many stored numbers the readers changed since the last call, so a room can name them once.
int takeAdjustedCount();

// What the app writes, laid over what it read: keys it does not know stay as they came.
QJsonObject overStored(QJsonObject stored, const QJsonObject& own);

// The objects of an owned list know their position: `Item::setIndex` is kept equal to it.
template <typename Item>
QList<QObject*> objects(const QList<Item*>& items)
{
    return QList<QObject*>(items.cbegin(), items.cend());
}

template <typename Item, typename SetIndex>
void append(QList<Item*>& items, Item* item, QObject* owner, SetIndex setIndex)
{
    item->setParent(owner);
    items.append(item);
    (item->*setIndex)(items.size() - 1);
}

// Deletes the item on the next pass of the event loop and renumbers the rest;
// false when `index` is out of range.
template <typename Item, typename SetIndex>
bool removeAt(QList<Item*>& items, int index, SetIndex setIndex)
{
    if (index < 0 || index >= items.size())
        return false;
    items.takeAt(index)->deleteLater();
    for (int position = index; position < items.size(); ++position)
        (items[position]->*setIndex)(position);
    return true;
}

} // namespace Layout
