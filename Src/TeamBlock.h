#pragma once

#include "RoutableBlock.h"

#include <QJsonObject>

class LayoutIcon;

// One team table: a routable block with a table icon, a rotation and its own furniture.
class TeamBlock : public RoutableBlock {
    Q_OBJECT
    Q_PROPERTY(double teamRotation READ teamRotation WRITE setTeamRotation NOTIFY teamRotationChanged)
    Q_PROPERTY(QString teamTableIcon READ teamTableIcon WRITE setTeamTableIcon NOTIFY teamTableIconChanged)
    Q_PROPERTY(double teamTableIconRotation READ teamTableIconRotation WRITE setTeamTableIconRotation NOTIFY
            teamTableIconRotationChanged)
    Q_PROPERTY(double teamTableIconScale READ teamTableIconScale WRITE setTeamTableIconScale NOTIFY
            teamTableIconScaleChanged)
    Q_PROPERTY(QList<QObject*> teamFurniture READ teamFurnitureModel NOTIFY teamFurnitureChanged)
    Q_PROPERTY(QString colorOfRoutingSource READ colorOfRoutingSource NOTIFY colorOfRoutingSourceChanged)
public:
    explicit TeamBlock(int index, QObject* parent = nullptr);

    bool isPrimaryBlock() const override { return false; }
    bool canAddOutgoingRoute() const override;
    bool canAddIncomingRoute() const override;

    double teamRotation() const { return m_teamRotation; }
    void setTeamRotation(double rotation);
    QString teamTableIcon() const { return m_teamTableIcon; }
    void setTeamTableIcon(const QString& icon);
    double teamTableIconRotation() const { return m_teamTableIconRotation; }
    void setTeamTableIconRotation(double rotation);
    double teamTableIconScale() const { return m_teamTableIconScale; }
    void setTeamTableIconScale(double scale);
    const QList<LayoutIcon*>& teamFurniture() const { return m_teamFurniture; }
    QList<QObject*> teamFurnitureModel() const;
    QString colorOfRoutingSource() const;

    Q_INVOKABLE int addFurniture(double iconX, double iconY, const QString& iconName, double iconScale);
    Q_INVOKABLE void removeFurnitureAt(int iconIndex);
    Q_INVOKABLE void copy(TeamBlock* input, bool shouldCopyIndex);
    void addFurniturePtr(LayoutIcon* icon);
    bool hasFurniture(const QString& id) const;

    // Written over the object it was read from, so keys we do not know survive a save.
    QJsonObject toJson() const;
    // A new block owned by `parent`, read from its object in the layout document.
    static TeamBlock* fromJson(const QJsonObject& object, int index, QObject* parent);

signals:
    void teamRotationChanged();
    void teamTableIconChanged();
    void teamTableIconRotationChanged();
    void teamTableIconScaleChanged();
    void teamFurnitureChanged();
    void colorOfRoutingSourceChanged();

private:
    double m_teamRotation = 0.0;
    QString m_teamTableIcon;
    double m_teamTableIconRotation = 0.0;
    double m_teamTableIconScale = 2.0;
    QList<LayoutIcon*> m_teamFurniture;
    QJsonObject m_stored;
};
