#pragma once

#include <QRegularExpression>
#include <QStringList>

// Reads the lines the logger wrote to today's file, split into their parts.
struct LogLine {
    QString level;
    QString message;
    QString file;
    int line = 0;
    QString function;
};

namespace LogFile {
// Takes on the app's identity (which names the log's folder) and removes today's log.
void removeToday();
// The app's identity and a fresh log of today, as a start gives them.
void startFresh();
QString todaysPath();
QList<LogLine> read(); // flushes the logger first
QStringList messages();
}
