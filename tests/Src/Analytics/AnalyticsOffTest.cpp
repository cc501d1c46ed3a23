#include "Deployment.h"
#include "Globals.h"
#include "LogFile.h"
#include "SessionStatistics.h"

#include <QFile>
#include <QJsonArray>
#include <QTest>

// A build without an analytics endpoint sends nothing and keeps every event.
class AnalyticsOffTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogFile::removeToday();
        QFile::remove(SessionStatistics::logFilePath());
        Deployment::current().analyticsUrl.clear();
        Globals::getInstance().initialize();
    }

    void eventsStayOnDisk()
    {
        SessionStatistics* statistics = Globals::getInstance().sessionStatistics();
        statistics->login("{fca9aba5-42f0-34a1-ad89-5fdd31b9986c}");
        statistics->logout();
        QJsonArray events;
        QVERIFY(SessionStatistics::readEvents(events));
        QCOMPARE(events.size(), 2);
        QCOMPARE(events.at(1)["event"].toString(), QString("application logout"));

        statistics->eyesUpFront();
        QFile file(SessionStatistics::logFilePath());
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(
            file.setFileTime(QDateTime::currentDateTime().addDays(-40), QFileDevice::FileModificationTime));
        statistics->periodicReport();
        QVERIFY(file.exists());

        const QStringList messages = LogFile::messages();
        QCOMPARE(messages.count("Mixpanel: no analytics URL configured; uploads are off"), 1);
        QVERIFY(messages.filter("Mixpanel: sending").isEmpty());
        QVERIFY(!messages.contains("cannot read events logging file!"));
        QVERIFY(!messages.contains("event: periodic reporting of statistics!"));
    }
};

QTEST_MAIN(AnalyticsOffTest)
#include "AnalyticsOffTest.moc"
