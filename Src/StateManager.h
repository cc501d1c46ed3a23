#pragma once

#include <QObject>

class QQmlApplicationEngine;

// Account state of the signed-in user, and owner of the QML engine.
class StateManager : public QObject {
    Q_OBJECT
public:
    explicit StateManager(QObject* parent = nullptr);

    void initialize();
    void shutdown();
    bool isInterfaceLoaded() const;

    Q_INVOKABLE QString appVersion() const;
    Q_INVOKABLE bool saveRequired() const { return m_saveRequired; }
    Q_INVOKABLE void requireSave(bool require = true) { m_saveRequired = require; }

public slots:
    void exitHandler();

private:
    bool initialized = false;
    QQmlApplicationEngine* engine = nullptr;
    bool m_saveRequired = false;
};
