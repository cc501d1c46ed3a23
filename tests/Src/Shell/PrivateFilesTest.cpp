#include "LogFile.h"
#include "Logger.h"
#include "SessionStatistics.h"
#include "Settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <sys/stat.h>

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

int modeOf(const QString& path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

// The folder of the organisation below the given home: the highest folder the app makes.
QString organisationFolder(QStandardPaths::StandardLocation home)
{
    return QStandardPaths::writableLocation(home) + "/Norvane";
}

} // namespace

// What the app writes about its user is for that user's eyes only, however the files came to be.
class PrivateFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogFile::startFresh();
        // With no umask at all, a file made with the usual modes is readable and writable by all.
        ::umask(0);
    }

    void filesAreOwnersOnly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("folderMadeBelow"); // the highest folder the app makes itself
        QTest::addColumn<std::function<void()>>("write");
        QTest::addColumn<bool>("existedLoose");

        const auto log = [] {
            SetupLogger();
            LOG_INFO("one line");
            spdlog::default_logger()->flush();
        };
        const auto settings = [] {
            Settings settings;
            settings.setSavedUsername("someone@trellion.example");
        }; // written when the store goes
        const auto events = [] { SessionStatistics().logEvent({ { "event", "test" } }); };
        const QString data = organisationFolder(QStandardPaths::GenericDataLocation);
        const QString config = organisationFolder(QStandardPaths::GenericConfigLocation);
        for (const bool loose : { false, true }) {
            const char* how = loose ? "left readable by all" : "new";
            QTest::addRow("log, %s", how)
                << LogFile::todaysPath() << data << std::function<void()>(log) << loose;
            QTest::addRow("settings, %s", how)
                << QSettings().fileName() << config << std::function<void()>(settings) << loose;
            QTest::addRow("events, %s", how)
                << SessionStatistics::logFilePath() << data << std::function<void()>(events) << loose;
        }
    }

    void filesAreOwnersOnly()
    {
        QFETCH(QString, file);
        QFETCH(QString, folderMadeBelow);
        QFETCH(std::function<void()>, write);
        QFETCH(bool, existedLoose);
        const QString folder = QFileInfo(file).absolutePath();
        QVERIFY(QDir(folderMadeBelow).removeRecursively());
        if (existedLoose) {
            QVERIFY(QDir().mkpath(folder));
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            for (QString level = folder; level.startsWith(folderMadeBelow);
                 level = QFileInfo(level).absolutePath())
                QCOMPARE(modeOf(level), 0777);
            QCOMPARE(modeOf(file), 0666);
        }

        write();

        QCOMPARE(modeOf(file), 0600);
        QCOMPARE(modeOf(folder), 0700);
        // Only the folders it made itself: one that was there already is not the app's to change.
        if (!existedLoose)
            QCOMPARE(modeOf(folderMadeBelow), 0700);
    }
};

QTEST_GUILESS_MAIN(PrivateFilesTest)
#include "PrivateFilesTest.moc"
