#include "Logger.h"

#include "LogFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

// The log file a developer reads: one layout for our lines and Qt's.
class LoggerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { LogFile::startFresh(); }

    void firstLineNamesTheFileWritten()
    {
        const LogLine first = LogFile::read().value(0);
        QCOMPARE(first.level, QString("warning"));
        QVERIFY(first.message.startsWith("Logs path=["));
        const QString named = first.message.mid(11).chopped(1);
        QVERIFY2(QFileInfo(named).fileName().startsWith("Trellion_") && QFileInfo::exists(named),
            qPrintable(named));
        QCOMPARE(first.file, QString("Src/Logger"));
        QCOMPARE(first.function, QString("SetupLogger"));
    }

    void ourLinesCarryLevelSourceAndUtf8()
    {
        LOG_INFO("Block [{}]: {} {}", QString("Tïsch 3"), 42, true);
        [] { LOG_ERROR("inside {}", "lambda"); }();
        spdlog::debug("never written");
        const QList<LogLine> lines = LogFile::read();
        const LogLine info = lines.value(lines.size() - 2);
        QCOMPARE(info.level, QString("info"));
        QCOMPARE(info.message, QString("Block [Tïsch 3]: 42 true"));
        QCOMPARE(info.file, QString("Src/Shell/LoggerTest")); // the path below the last "Src/"
        QVERIFY(info.line > 0);
        QCOMPARE(info.function, QString("ourLinesCarryLevelSourceAndUtf8"));
        QCOMPARE(lines.last().level, QString("error"));
        QCOMPARE(lines.last().function, QString("operator()"));
        QVERIFY(!LogFile::messages().contains("never written"));
    }

    void qtMessagesMapLevelsAndKeepBraces_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("level");
        QTest::newRow("debug") << int(QtDebugMsg) << "info";
        QTest::newRow("info") << int(QtInfoMsg) << "info";
        QTest::newRow("warning") << int(QtWarningMsg) << "warning";
        QTest::newRow("critical") << int(QtCriticalMsg) << "error";
    }

    void qtMessagesMapLevelsAndKeepBraces()
    {
        QFETCH(int, type);
        QFETCH(QString, level);
        const QMessageLogContext context("qrc:/qml/Main.qml", 12, "onClicked", nullptr);
        qLogHandler(QtMsgType(type), context, "binding {} loop {0} {:>}");
        const LogLine line = LogFile::read().last();
        QCOMPARE(line.level, level);
        QCOMPARE(line.message, QString("binding {} loop {0} {:>}"));
        QCOMPARE(line.file, QString("qrc:/qml/Main.qml"));
        QCOMPARE(line.line, 12);
        QCOMPARE(line.function, QString("onClicked"));
    }

    void qtMessageWithoutContextUsesDefaults()
    {
        qLogHandler(QtWarningMsg, QMessageLogContext(), "bare");
        const LogLine line = LogFile::read().last();
        QCOMPARE(line.file, QString("<Unknown File>"));
        QCOMPARE(line.line, 0);
        QCOMPARE(line.function, QString("qml"));
    }

    void secondStartAppendsToTheSameDay()
    {
        const int before = LogFile::read().size();
        SetupLogger();
        const QList<LogLine> lines = LogFile::read();
        QCOMPARE(lines.size(), before + 1);
        QVERIFY(lines.last().message.startsWith("Logs path=["));
    }

    void unopenableFileFallsBackToConsole()
    {
        // A data directory below a regular file can never be created.
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QCoreApplication::applicationFilePath().toUtf8() + "/data");
        SetupLogger();
        LOG_INFO("still logging");
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(spdlog::default_logger()->sinks().size(), size_t(1));
        SetupLogger();
    }
};

QTEST_GUILESS_MAIN(LoggerTest)
#include "LoggerTest.moc"
