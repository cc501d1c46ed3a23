#include "AppFixture.h"
#include "WindowDriver.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

// A 4K panel showing 1920x1080 at twice the pixel density: each main screen, walked once at that
// size, has no text cut, covered or off the window. Run with QT_SCALE_FACTOR=2.
class HighDensityLayoutTest : public QObject {
    Q_OBJECT

    static constexpr int answerTimeoutMs = 10000;
    static inline const QString room = QStringLiteral("Lecture Lab");

    AppFixture app { { "--config", TRELLION_DEMO_CONFIG } };
    std::unique_ptr<WindowDriver> ui;

    void verifyReadable(const QString& screen)
    {
        const QStringList problems = ui->layoutProblems();
        QVERIFY2(problems.isEmpty(), qPrintable(screen + ": " + problems.join("; ")));
        QVERIFY(ui->saveScreenshot(screen + "-3840x2160"));
    }

    // Leaves the first-use guide a screen may open with.
    void skipGuide()
    {
        if (ui->waitForText("SKIP", WindowDriver::Match::Exact, 1000))
            QVERIFY(ui->click(ui->itemWithText("SKIP")));
        QVERIFY(ui->waitUntilTextGone("SKIP"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        ui = std::make_unique<WindowDriver>();
        QVERIFY(ui->isReady());
        QCOMPARE(ui->window()->devicePixelRatio(), 2.0);
        QVERIFY(ui->resize(WindowDriver::panelSize));
    }

    void everyMainScreenIsReadable()
    {
        QVERIFY(ui->waitForText("Login"));
        verifyReadable("login");
        QVERIFY(app.signInAsEditor());
        QVERIFY(ui->waitForText(room, WindowDriver::Match::Exact, answerTimeoutMs));
        verifyReadable("home");

        QVERIFY(ui->click(ui->imageAboveRightOf(room, "ThreeDotMenu.svg")));
        QVERIFY(ui->click(ui->waitForText("Edit")));
        QVERIFY(ui->waitForNamed("exitButton", answerTimeoutMs));
        skipGuide();
        verifyReadable("editor");
        QVERIFY(ui->click(ui->itemNamed("exitButton")));

        QVERIFY(ui->click(ui->waitForText(room, WindowDriver::Match::Exact, answerTimeoutMs)));
        skipGuide();
        QVERIFY(ui->waitForNamed("routeMenu", answerTimeoutMs));
        verifyReadable("routing");
    }
};

QTEST_MAIN(HighDensityLayoutTest)
#include "HighDensityLayoutTest.moc"
