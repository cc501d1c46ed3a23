#pragma once

#include "Layout.h"

#include <QJsonObject>
#include <QObject>

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

    // A new icon owned by `parent`, filled from a furniture object through the setters; its scale
    // is brought into `scaleRange` (room and team furniture differ).
    static LayoutIcon* fromJson(const QJsonObject& object, QObject* parent, Layout::Range scaleRange);
    // Written over the object it was read from, so keys we do not know survive a save.
    QJsonObject toJson() const;
    // The object it was read from; a copy of the icon carries it along.
    const QJsonObject& storedJson() const { return m_stored; }
    void setStoredJson(const QJsonObject& stored) { m_stored = stored; }

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
    QJsonObject m_stored;
};
