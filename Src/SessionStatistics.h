#pragma once

#include <QObject>

// Placeholder until the usage event log lands.
class SessionStatistics : public QObject {
    Q_OBJECT
public:
    explicit SessionStatistics(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
    void passwordOnClassroomExit(bool) { }
    void showRoutingBanners(bool) { }
};
