#include "StateManager.h"

#include "Globals.h"
#include "LookinImage.h"
#include "NetworkManager.h"
#include "ClassroomLayoutManager.h"
#include "Settings/Settings.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>

StateManager::StateManager(QObject* parent)
    : QObject(parent)
{
}

void StateManager::initialize()
{
    if (initialized) {
        engine->deleteLater();
        engine = nullptr;
        initialized = false;
    }
    engine = new QQmlApplicationEngine();

    qmlRegisterType<StateManager>("StateManager", 1, 0, "StateManager");

    Globals& globals = Globals::getInstance();
    QQmlContext* context = engine->rootContext();
    context->setContextProperty("networkManager", globals.networkManager());
    context->setContextProperty("classroomLayoutManager", globals.classroomLayoutManager());
    context->setContextProperty("stateManager", this);
    context->setContextProperty("settingsManager", globals.settings());
    context->setContextProperty("IS_QT_DEBUG", false);
    engine->addImageProvider("RuvoruVadudo", globals.lookinImage());
    engine->load(QUrl("qrc:/qml/Main.qml"));
    initialized = true;
}

void StateManager::shutdown()
{
    if (!engine)
        return;
    engine->deleteLater();
    engine = nullptr;
    initialized = false;
}

bool StateManager::isInterfaceLoaded() const { return engine && !engine->rootObjects().isEmpty(); }

QString StateManager::appVersion() const { return QCoreApplication::applicationVersion(); }

void StateManager::exitHandler() { }
