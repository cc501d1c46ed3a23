#pragma once

#include "RoutableBlock.h"

#include <QJsonObject>

// The classroom's one front display: block index -1; it takes any number of
// routes at once and shows overlays whether or not its pod joined the session.
class ClassroomPrimaryDisplay : public RoutableBlock {
    Q_OBJECT
public:
    explicit ClassroomPrimaryDisplay(QObject* parent = nullptr);

    bool isPrimaryBlock() const override { return true; }
    bool canAddOutgoingRoute() const override;
    bool canAddIncomingRoute() const override;
    void addIncomingRoute(RouteLine* line) override;
    void showOverlay(const QString& text) override;

    // The "primarydisplay" object of the layout document; `toJson` writes "active" true over the
    // object it was read from, so keys we do not know survive a save.
    QJsonObject toJson() const;
    static ClassroomPrimaryDisplay* fromJson(const QJsonObject& object, QObject* parent);
    // The object written for a classroom without a primary display, over `stored`.
    static QJsonObject absentJson(const QJsonObject& stored = {});

private:
    QJsonObject m_stored;

protected slots:
    void incomingRouteDestroyed(const QString& lineIndex) override;
};
