#include "WindowGeometry.h"

#include "Settings/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWindow>

// Where the main window opens: fitted to the screen the first time, then where it was left.
class WindowGeometryTest : public QObject {
    Q_OBJECT

    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void init() { QSettings().clear(); }

    void firstStartFitsTheScreenInTheDesignShape_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("smaller than the design") << QRect(0, 0, 800, 600) << QRect(-112, -84, 1024, 768);
        QTest::newRow("design size") << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 768);
        QTest::newRow("full HD, height bound") << QRect(0, 0, 1920, 1080) << QRect(348, 81, 1224, 918);
        QTest::newRow("portrait, width bound") << QRect(0, 0, 1440, 2560) << QRect(108, 821, 1224, 918);
        QTest::newRow("second screen") << QRect(1920, 40, 2560, 1400) << QRect(2406, 145, 1587, 1190);
    }
    void firstStartFitsTheScreenInTheDesignShape()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        QCOMPARE(WindowGeometry::fitted(available), expected);
    }

    void aPositionOnAScreenThatIsGoneIsNotRestored()
    {
        const QRect screen(0, 0, 1920, 1080);
        const QRect onScreen(100, 50, 1300, 900);
        QCOMPARE(WindowGeometry::restored(QRect(), { screen }, screen), WindowGeometry::fitted(screen));
        QCOMPARE(WindowGeometry::restored(onScreen, { screen }, screen), onScreen);
        // Only its bottom edge still shows: the title bar is out of reach.
        const QRect aboveTheScreen(100, -880, 1300, 900);
        QCOMPARE(WindowGeometry::restored(aboveTheScreen, { screen }, screen), QRect(310, 90, 1300, 900));
        const QRect onAGoneScreen(2000, 100, 1300, 900);
        QCOMPARE(WindowGeometry::restored(onAGoneScreen, { screen }, screen), QRect(310, 90, 1300, 900));
        QCOMPARE(WindowGeometry::restored(onAGoneScreen, { screen, QRect(1920, 0, 1920, 1080) }, screen),
            onAGoneScreen);
    }

    void laterStartsRestoreSizePositionAndMaximisedState()
    {
        Settings settings;
        const QRect left(30, 20, 1100, 700);
        {
            QWindow window;
            new WindowGeometry(&window, &settings);
            QCOMPARE(window.geometry(), WindowGeometry::fitted(available()));
            window.setGeometry(left);
        }
        QCOMPARE(settings.windowGeometry(), left);
        QVERIFY(!settings.isWindowMaximized());
        {
            QWindow window;
            new WindowGeometry(&window, &settings);
            QCOMPARE(window.geometry(), left);
            window.showMaximized();
        }
        QCOMPARE(settings.windowGeometry(), left); // the size it returns to
        QVERIFY(settings.isWindowMaximized());
        QWindow window;
        new WindowGeometry(&window, &settings);
        QVERIFY(window.windowStates() & Qt::WindowMaximized);
    }
};

QTEST_MAIN(WindowGeometryTest)
#include "WindowGeometryTest.moc"
