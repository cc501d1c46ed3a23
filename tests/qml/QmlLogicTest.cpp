#include "StateManager.h"

#include <QQmlEngine>
#include <QtQuickTest>

// Lets the tests import the app's own modules from the compiled-in resources, and its types.
class Setup : public QObject {
    Q_OBJECT
public slots:
    void applicationAvailable() { StateManager::registerQmlTypes(); }
    void qmlEngineAvailable(QQmlEngine* engine) { engine->addImportPath(QStringLiteral("qrc:/qml")); }
};

QUICK_TEST_MAIN_WITH_SETUP(QmlLogic, Setup)

#include "QmlLogicTest.moc"
