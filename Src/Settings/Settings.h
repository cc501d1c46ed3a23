#pragma once

#include <QObject>

// Placeholder until the settings store lands; answers the documented defaults.
class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
    bool doesFrameForwarding() const { return false; }
    bool shouldFullscreenPrimaryPosts() const { return true; }
};
