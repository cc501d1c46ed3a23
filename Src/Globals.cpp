#include "Globals.h"

#include "ClassroomLayoutManager.h"
#include "Deployment.h"
#include "Logger.h"
#include "LookinImage.h"
#include "MixpanelManager.h"
#include "NetworkManager.h"
#include "SessionStatistics.h"
#include "Settings/Settings.h"
#include "StateManager.h"
#include "Translations.h"

#include <QGuiApplication>

Globals& Globals::getInstance()
{
    static Globals instance;
    return instance;
}

Globals::~Globals()
{
    shutdown();
}

void Globals::initialize()
{
    if (initialized)
        return;

    QCoreApplication::setOrganizationName("Norvane");
    QCoreApplication::setOrganizationDomain("norvane.example");
    QCoreApplication::setApplicationName("Trellion");
    QCoreApplication::setApplicationVersion("1.4.0 (37254)");

    SetupLogger();
    LOG_INFO("Trellion Version: {}", QCoreApplication::applicationVersion());
    for (const QString& origin : Deployment::current().origins)
        LOG_INFO("{}", origin);
    for (const QString& refusal : Deployment::current().refusals)
        LOG_ERROR("{}", refusal);
    // Before any manager makes a text the user sees.
    Translations::install(Deployment::current().language);

    m_mixpanelManager = new MixpanelManager();
    m_networkManager = new NetworkManager();
    m_classroomLayoutManager = new ClassroomLayoutManager();
    m_settings = new Settings();
    m_sessionStatistics = new SessionStatistics();
    m_lookinImage = new LookinImage();
    m_lookinImage->initialize();
    m_stateManager = new StateManager();
    m_stateManager->initialize();

    QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_stateManager, &StateManager::exitHandler);
    initialized = true;
}

void Globals::shutdown()
{
    if (!initialized)
        return;
    for (QObject* manager : { static_cast<QObject*>(m_networkManager), static_cast<QObject*>(m_stateManager),
             static_cast<QObject*>(m_sessionStatistics), static_cast<QObject*>(m_settings) }) {
        if (manager)
            manager->deleteLater();
    }
    initialized = false;
}
