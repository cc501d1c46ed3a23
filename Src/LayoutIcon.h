#pragma once

#include "PropertyHelpers.h"

#include <QJsonObject>
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

// One piece of furniture, on the room's floor plan or inside a team block.
class LayoutIcon : public QObject {
    Q_OBJECT
    Q_PROPERTY(int iconIndex READ iconIndex WRITE setIconIndex NOTIFY iconIndexChanged)
    Q_PROPERTY(QString iconName READ iconName WRITE setIconName NOTIFY iconNameChanged)
    Q_PROPERTY(double iconX READ iconX WRITE setIconX NOTIFY iconXChanged)
    Q_PROPERTY(double iconY READ iconY WRITE setIconY NOTIFY iconYChanged)
    Q_PROPERTY(double iconRotation READ iconRotation WRITE setIconRotation NOTIFY iconRotationChanged)
    Q_PROPERTY(double iconScale READ iconScale WRITE setIconScale NOTIFY iconScaleChanged)
public:
    explicit LayoutIcon(QObject* parent = nullptr);

    // A new icon owned by `parent`, filled from a furniture object through the setters.
    static LayoutIcon* fromJson(const QJsonObject& object, QObject* parent);
    QJsonObject toJson() const;

    int iconIndex() const { return m_iconIndex; }
    void setIconIndex(int index);
    QString iconId() const { return m_iconId; }
    void setIconId(const QString& id) { m_iconId = id; }
    QString iconName() const { return m_iconName; }
    void setIconName(const QString& name);
    double iconX() const { return m_iconX; }
    void setIconX(double x);
    double iconY() const { return m_iconY; }
    void setIconY(double y);
    double iconRotation() const { return m_iconRotation; }
    void setIconRotation(double rotation);
    double iconScale() const { return m_iconScale; }
    void setIconScale(double scale);

    // Sets position, rotation, scale and name through the setters, in that order.
    void place(double x, double y, double rotation, double scale, const QString& name);

signals:
    void iconIndexChanged();
    void iconNameChanged();
    void iconXChanged();
    void iconYChanged();
    void iconRotationChanged();
    void iconScaleChanged();

private:
    int m_iconIndex = 0;
    QString m_iconId;
    QString m_iconName;
    double m_iconX = 0.0;
    double m_iconY = 0.0;
    double m_iconRotation = 0.0;
    double m_iconScale = 0.0;
};
