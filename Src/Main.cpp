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
#include <cstring>

namespace {

// Configuration tools run the self-test over SSH, where no display is.
void runWithoutDisplayForSelfTest(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--self-test") == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("QT_QUICK_BACKEND", "software");
            return;
        }
    }
}

void print(FILE* stream, const QStringList& lines)
{
    for (const QString& line : lines)
        std::fprintf(stream, "%s\n", qPrintable(line));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    runWithoutDisplayForSelfTest(argc, argv);
    QGuiApplication app(argc, argv);
    // The menu entry's id (packaging/), so the window's app id matches it whatever the binary is called.
    QGuiApplication::setDesktopFileName("example.norvane.Trellion");

    QCommandLineParser parser;
    parser.setApplicationDescription("Routes the screens of a classroom's team tables to its displays.");
    parser.addHelpOption();
    const QCommandLineOption selfTest("self-test",
        "Without a display: print where each deployment value comes from, load the interface, then quit. "
        "Fails when a service address is missing or refused.");
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
        // A refused or missing address is a set-up fault the self-test must catch.
        const Deployment& deployment = Deployment::current();
        print(stdout, deployment.origins);
        const QStringList faults = deployment.refusals.values() + deployment.missing();
        if (!faults.isEmpty()) {
            print(stderr, faults);
            return 1;
        }
        QTimer::singleShot(250, &app, [] {
            QCoreApplication::exit(Globals::getInstance().stateManager()->isInterfaceLoaded() ? 0 : 1);
        });
    }
    return app.exec();
}
