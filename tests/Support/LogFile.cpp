#include "LogFile.h"

#include "Logger.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QStandardPaths>
#include <spdlog/spdlog.h>

void LogFile::removeToday()
{
    QCoreApplication::setOrganizationName("Norvane");
    QCoreApplication::setApplicationName("Trellion");
    QFile::remove(todaysPath());
}

void LogFile::startFresh()
{
    removeToday();
    SetupLogger();
}

QString LogFile::todaysPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QDate::currentDate().toString("/'Trellion_'yyyy-MM-dd'.txt'");
}

QList<LogLine> LogFile::read()
{
    spdlog::default_logger()->flush();
    static const QRegularExpression layout(
        R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[(\w+)\]-> (.*) <-\[(.+):(\d+) (\S+)\]$)");
    QFile file(todaysPath());
    file.open(QIODevice::ReadOnly);
    QList<LogLine> lines;
    for (const QString& text : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const auto match = layout.match(text);
        if (match.hasMatch())
            lines.append({ match.captured(1), match.captured(2), match.captured(3), match.captured(4).toInt(),
                match.captured(5) });
        else
            lines.append({ "unparsed", text, {}, 0, {} });
    }
    return lines;
}

QStringList LogFile::messages()
{
    QStringList result;
    for (const LogLine& line : read())
        result << line.message;
    return result;
}
