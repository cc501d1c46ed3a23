#pragma once

#include "PropertyHelpers.h"

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

// Positions, rotations and scales are written as fixed three-decimal text.
QString writeNumber(double value);

// Reads a JSON number, or a string holding one (our own written form, returned
// unchanged by a store); anything else, or a non-finite value, reads as 0.
double readNumber(const QJsonValue& value);

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
