#include "Deployment.h"
#include "Globals.h"
#include "Logger.h"
#include "SignalQuitter.h"
#include "StateManager.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QSslSocket>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription("Routes the screens of a classroom's team tables to its displays.");
    parser.addHelpOption();
    const QCommandLineOption selfTest("self-test", "Start fully, load the interface, then quit.");
    parser.addOption(selfTest);
    Deployment::addOptions(parser);
    parser.process(app);
    Deployment::current().apply(parser);

    SignalQuitter signalQuitter;
    Globals::getInstance().initialize();

    LOG_INFO("SSL Information: doesSupportSsl=[{}] buildString=[{}] runString=[{}]",
        QSslSocket::supportsSsl(), QSslSocket::sslLibraryBuildVersionString(),
        QSslSocket::sslLibraryVersionString());

    if (parser.isSet(selfTest)) {
        // A refused deployment value is a packaging fault the self-test must catch.
        const QStringList refusals = Deployment::current().refusals.values();
        if (!refusals.isEmpty()) {
            fprintf(stderr, "%s\n", qPrintable(refusals.join('\n')));
            return 1;
        }
        QTimer::singleShot(250, &app, [] {
            QCoreApplication::exit(Globals::getInstance().stateManager()->isInterfaceLoaded() ? 0 : 1);
        });
    }
    return app.exec();
}
