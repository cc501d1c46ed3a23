#pragma once

#include <QObject>

class SessionStatistics : public QObject {
    Q_OBJECT
public:
    explicit SessionStatistics(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
};
