#pragma once

#include <QObject>

class MixpanelManager : public QObject {
    Q_OBJECT
public:
    explicit MixpanelManager(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
};
