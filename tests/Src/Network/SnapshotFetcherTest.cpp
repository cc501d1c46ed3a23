#include "SnapshotFetcher.h"

#include "Globals.h"
#include "LookinImage.h"
#include "LoopbackServer.h"
#include "NetworkManager.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTest>

// Snapshots are pictures from any device on the classroom network: bounded in size, time and
// count, and decoded no larger than they are shown.
class SnapshotFetcherTest : public QObject {
    Q_OBJECT

    static QByteArray picture(const QSize& size, const char* format)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    // A small JPEG whose frame header claims `side` x `side`.
    static QByteArray jpegClaiming(int side)
    {
        QByteArray bytes = picture({ 16, 16 }, "JPG");
        const int frame = bytes.indexOf("\xFF\xC0");
        for (const int at : { frame + 5, frame + 7 }) {
            bytes[at] = char(side >> 8);
            bytes[at + 1] = char(side & 0xFF);
        }
        return bytes;
    }

private slots:
    void initTestCase() { Globals::getInstance().initialize(); }

    void decodesOnlyWhatItCanShow_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QSize>("decoded"); // invalid: refused
        QTest::newRow("as sent") << picture({ 64, 36 }, "JPG") << QSize() << QSize(64, 36);
        QTest::newRow("scaled to the view")
            << picture({ 800, 600 }, "JPG") << QSize(400, 400) << QSize(400, 300);
        QTest::newRow("never enlarged") << picture({ 64, 36 }, "PNG") << QSize(1920, 1080) << QSize(64, 36);
        QTest::newRow("20000 a side declared") << jpegClaiming(20000) << QSize(1920, 1080) << QSize();
        QTest::newRow("4097 a side declared") << jpegClaiming(4097) << QSize() << QSize();
        QTest::newRow("not a picture") << QByteArray("{\"guid\": 1}") << QSize() << QSize();
        QTest::newRow("SVG") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'/>")
                             << QSize() << QSize();
        QTest::newRow("cut short") << picture({ 64, 36 }, "JPG").left(40) << QSize() << QSize();
    }

    void decodesOnlyWhatItCanShow()
    {
        QFETCH(QByteArray, data);
        QFETCH(QSize, shown);
        QFETCH(QSize, decoded);
        QString refusal;
        const QImage image = SnapshotFetcher::decode(data, shown, &refusal);
        QCOMPARE(image.isNull(), !decoded.isValid());
        if (decoded.isValid())
            QCOMPARE(image.size(), decoded);
        QCOMPARE(refusal.isEmpty(), decoded.isValid());
    }

    // The live view asks every second; a pod that is slow to answer gets one request at a time.
    void onePendingRequestPerPod()
    {
        LoopbackServer pod;
        pod.setReply("GET", "/lookin/thedisplay.jpg", { 200, picture({ 64, 36 }, "JPG"), 300 });
        NetworkManager* network = Globals::getInstance().networkManager();
        QSignalSpy loaded(network, &NetworkManager::imageLoaded);
        for (int ask = 0; ask < 5; ++ask)
            network->lookin(pod.address(), 1920, 1080);
        QVERIFY(loaded.wait(5000));
        QCOMPARE(pod.requestCount(), 1);
        QVERIFY(network->hasSnapshot(loaded.first().first().toString()));
        network->lookin(pod.address(), 1920, 1080); // answered: the next one goes
        QVERIFY(loaded.wait(5000));
        QCOMPARE(pod.requestCount(), 2);
    }

    void silentPodTimesOutWithNoPicture()
    {
        LoopbackServer pod;
        pod.setReply("GET", "/lookin/thedisplay.jpg", { 200, {}, 0, true });
        NetworkManager* network = Globals::getInstance().networkManager();
        QSignalSpy loaded(network, &NetworkManager::imageLoaded);
        network->lookin(pod.address());
        QVERIFY(loaded.wait(SnapshotFetcher::timeoutMs + 5000));
        QVERIFY(!network->hasSnapshot(loaded.first().first().toString()));
    }
};

QTEST_MAIN(SnapshotFetcherTest)
#include "SnapshotFetcherTest.moc"
