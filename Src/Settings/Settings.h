#pragma once

#include <QObject>

class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
};
