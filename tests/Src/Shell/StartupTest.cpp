#include "Globals.h"
#include "LogFile.h"
#include "LookinImage.h"
#include "LoopbackServer.h"
#include "NetworkManager.h"
#include "StateManager.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

// The whole start-up, as the app runs it, and the snapshot cache it installs.
class StartupTest : public QObject {
    Q_OBJECT

    static QByteArray jpeg(QColor color)
    {
        QImage image(64, 36, QImage::Format_RGB32);
        image.fill(color);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG");
        return bytes;
    }

private slots:
    void initTestCase()
    {
        LogFile::removeToday();
        Globals::getInstance().initialize();
    }

    void startsInOrderAndLoadsTheInterface()
    {
        Globals& globals = Globals::getInstance();
        QVERIFY(globals.stateManager() && globals.classroomLayoutManager() && globals.networkManager()
            && globals.lookinImage() && globals.mixpanelManager() && globals.sessionStatistics()
            && globals.settings());
        QCOMPARE(QCoreApplication::organizationName(), QString("Norvane"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.4.0 (37254)"));
        QCOMPARE(globals.stateManager()->appVersion(), QString("1.4.0 (37254)"));
        QVERIFY(globals.stateManager()->isInterfaceLoaded());

        const QList<LogLine> lines = LogFile::read();
        QVERIFY(lines.value(0).message.startsWith("Logs path=["));
        QCOMPARE(lines.value(1).message, QString("Trellion Version: 1.4.0 (37254)"));
        QCOMPARE(lines.value(1).level, QString("info"));
    }

    void secondInitializeDoesNothing()
    {
        StateManager* before = Globals::getInstance().stateManager();
        const int lines = LogFile::read().size();
        Globals::getInstance().initialize();
        QCOMPARE(Globals::getInstance().stateManager(), before);
        QCOMPARE(LogFile::read().size(), lines);
    }

    void blankSnapshotIsReadyAtStart()
    {
        const QPixmap clear = Globals::getInstance().lookinImage()->pixmap("clear");
        QCOMPARE(clear.size(), QSize(1920, 1080));
        QCOMPARE(clear.toImage().pixelColor(5, 5).alpha(), 0);
        QVERIFY(Globals::getInstance().lookinImage()->pixmap("never-fetched").isNull());
    }

    void snapshotsReplaceTheirPredecessor()
    {
        LoopbackServer pod;
        NetworkManager* network = Globals::getInstance().networkManager();
        LookinImage* images = Globals::getInstance().lookinImage();
        QSignalSpy loaded(network, &NetworkManager::imageLoaded);
        const QString name = pod.url() + "/lookin/thedisplay.jpg";

        pod.setReply("GET", "/lookin/thedisplay.jpg", { 200, jpeg(Qt::red) });
        network->lookin(pod.address());
        QVERIFY(loaded.wait(3000));
        QCOMPARE(loaded.last().first().toString(), name);
        QVERIFY(images->pixmap(name).toImage().pixelColor(10, 10).red() > 200);

        pod.setReply("GET", "/lookin/thedisplay.jpg", { 200, jpeg(Qt::blue) });
        network->lookin(pod.address());
        QVERIFY(loaded.wait(3000));
        QCOMPARE(loaded.last().first().toString(), name);
        QVERIFY(images->pixmap(name).toImage().pixelColor(10, 10).blue() > 200);
        QVERIFY(network->hasSnapshot(name));

        // A display that is off still announces, with an empty picture.
        network->lookin("127.0.0.1:1");
        QVERIFY(loaded.wait(3000));
        QVERIFY(images->pixmap(loaded.last().first().toString()).isNull());
        QVERIFY(!network->hasSnapshot(loaded.last().first().toString()));
        QVERIFY(!network->hasSnapshot("never-fetched"));
    }

    void reinitialisingTheCacheKeepsOnlyTheBlank()
    {
        LookinImage images;
        images.initialize();
        images.setPixmap("a", new QPixmap(2, 2));
        images.initialize();
        QVERIFY(images.pixmap("a").isNull());
        QCOMPARE(images.pixmap("clear").size(), QSize(1920, 1080));
    }

    void shutdownReleasesOnce()
    {
        QPointer<QObject> network = Globals::getInstance().networkManager();
        Globals::getInstance().shutdown();
        Globals::getInstance().shutdown();
        QTRY_VERIFY(network.isNull());
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
