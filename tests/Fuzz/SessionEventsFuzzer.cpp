#include "FuzzEnvironment.h"
#include "SessionStatistics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <spdlog/spdlog.h>

// The events file lives on disk between runs and may be truncated or edited: the
// reader must take any bytes. The input becomes the file the app reads, in a
// private data directory, and SessionStatistics::readEvents reads it.

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The data directory is fixed once the app identity is set, so the home comes first.
    makePrivateHome();
    static int qtArgc = 1;
    static QCoreApplication app(qtArgc, qtArguments((*argv)[0]));
    QCoreApplication::setOrganizationName("Norvane");
    QCoreApplication::setOrganizationDomain("norvane.example");
    QCoreApplication::setApplicationName("Trellion");
    spdlog::set_level(spdlog::level::off);
    QDir().mkpath(QFileInfo(SessionStatistics::logFilePath()).absolutePath());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(SessionStatistics::logFilePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort(); // a harness failure, not a finding
    }
    QJsonArray events;
    if (!SessionStatistics::readEvents(events))
        std::abort(); // the file was just written
    // The uploader serialises what was read.
    QJsonDocument(events).toJson(QJsonDocument::Compact);
    return 0;
}
