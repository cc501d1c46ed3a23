#include "AppFixture.h"
#include "Deployment.h"
#include "Globals.h"
#include "LogFile.h"
#include "Settings/Settings.h"
#include "SignInForm.h"
#include "WindowDriver.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSaveFile>
#include <QTest>
#include <memory>
#include <utility>

// A school's station through the real window: the sign-in screen of one that is not set up, the
// room an administrator gives the station, and the blocks of that room while slow displays join.
// The test functions run in order; each starts on the sign-in screen.
class StationSetUpTest : public QObject {
    Q_OBJECT

    static constexpr int answerTimeoutMs = 10000;
    static inline const QString stationRoom = QStringLiteral("Innovation Commons");
    static inline const QString homeRoom = QStringLiteral("Studio 4");
    static inline const QString connecting = QStringLiteral("Connecting…");

    AppFixture app { { "--config", TRELLION_DEMO_CONFIG } };
    std::unique_ptr<WindowDriver> ui;
    std::unique_ptr<SignInForm> form;

    // Names the station's room in the managed preferences and waits until the app has read it.
    static bool giveStationRoom(const QString& room)
    {
        QSaveFile file(qEnvironmentVariable("TRELLION_MANAGED_PREFS"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("defaultClassroom = " + room.toUtf8() + "\n");
        return file.commit()
            && QTest::qWaitFor([&] { return Globals::getInstance().settings()->defaultClassroom() == room; });
    }

    bool signIn()
    {
        return ui->fillField(form->emailField(), AppFixture::editorEmail)
            && ui->fillField(form->passwordField(), AppFixture::editorPassword)
            && ui->click(ui->itemWithText("Login"));
    }

    bool signOut()
    {
        return ui->click(ui->waitForImage("DropdownArrow.svg")) && ui->click(ui->waitForText("Logout"))
            && ui->waitForText("Sign In");
    }

    QQuickItem* roomTitle() const
    {
        QQuickItem* title = ui->itemNamed("roomTitle");
        return title && title->property("text").toString() == stationRoom ? title : nullptr;
    }

    int signInRequests() const
    {
        int count = 0;
        for (const QJsonValue& request : app.simulator.requests())
            count += request["path"] == "/v1/auth/token" ? 1 : 0;
        return count;
    }

    // The block views of the routing plan.
    QList<QQuickItem*> blocks() const
    {
        return ui->itemsWhere(
            [](const QQuickItem* item) { return item->property("showsConnecting").isValid(); });
    }

    bool allBlocks(const char* property) const
    {
        const QList<QQuickItem*> shown = blocks();
        return !shown.isEmpty() && std::all_of(shown.begin(), shown.end(), [&](const QQuickItem* block) {
            return block->property(property).toBool();
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        ui = std::make_unique<WindowDriver>();
        QVERIFY(ui->isReady());
        QVERIFY(ui->resize(WindowDriver::designSize));
        form = std::make_unique<SignInForm>(*ui);
        QVERIFY(form->findFields());
        // The guide of the first routing would lie over the plan.
        Globals::getInstance().settings()->setIsFirstRoute(false);
    }

    // Without a backend address the screen says so before anything is typed, and sends nothing.
    void stationNotSetUpSaysSo()
    {
        QVERIFY(form->signIn(AppFixture::editorEmail, AppFixture::editorPassword, homeRoom));
        const QString backend = std::exchange(Deployment::current().backendUrl, QString());
        QVERIFY(signOut());
        const QString notSetUp
            = "Trellion is not set up to reach its service yet.\nPlease contact your Trellion Admin.";
        QVERIFY(ui->waitForText(notSetUp));
        QVERIFY(ui->saveScreenshot("login-not-set-up"));
        QVERIFY(ui->isLayoutReadable());

        QVERIFY(app.simulator.clearRequests());
        QVERIFY(signIn());
        QVERIFY(ui->waitForText(notSetUp));
        QVERIFY(ui->itemWithText("Login")); // not busy
        QCOMPARE(signInRequests(), 0);
        Deployment::current().backendUrl = backend;
    }

    // The administrator's room opens at sign-in; its blocks say "Connecting…" while displays that
    // answer after 800 ms join, never "(Disconnected)"; Exit leads to the library.
    void stationOpensItsRoomWhileDisplaysJoin()
    {
        QVERIFY(giveStationRoom(stationRoom));
        QVERIFY(app.simulator.setFault({ { "target", "pods" }, { "latencyMs", 800 } }));
        QVERIFY(signIn());
        QVERIFY(ui->waitForItem([&] { return roomTitle(); }, answerTimeoutMs));
        QVERIFY(ui->waitForText(connecting));
        QCOMPARE(ui->itemsWithText(connecting).size(), blocks().size());
        bool disconnectedShown = false;
        QVERIFY(QTest::qWaitFor(
            [&] {
                disconnectedShown |= ui->itemWithText("(Disconnected)") != nullptr;
                return allBlocks("isConnected");
            },
            answerTimeoutMs));
        QVERIFY(!disconnectedShown);
        QVERIFY(!ui->itemWithText(connecting));
        QVERIFY(app.simulator.clearFaults());

        QVERIFY(ui->click(ui->itemWithText("Exit")));
        QVERIFY(ui->waitForText(homeRoom, WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(!roomTitle());
    }

    // Displays slower still, so the look stays long enough to be saved at both sizes.
    void connectingBlocksLook()
    {
        QVERIFY(
            app.simulator.setFault({ { "target", "pods" }, { "method", "PATCH" }, { "latencyMs", 3000 } }));
        QVERIFY(ui->click(ui->itemWithText(homeRoom)));
        QVERIFY(ui->waitForText(connecting));
        QVERIFY(ui->saveScreenshot("routing-connecting"));
        QVERIFY(allBlocks("showsConnecting"));
        QVERIFY(QTest::qWaitFor([&] { return allBlocks("isConnected"); }, answerTimeoutMs));
        QVERIFY(app.simulator.clearFaults());
        QVERIFY(ui->click(ui->itemWithText("Exit")));
        QVERIFY(signOut());
    }

    // A name no room has shows the library and says why in the log.
    void unknownStationRoomShowsTheLibrary()
    {
        QVERIFY(giveStationRoom("Room 404"));
        QVERIFY(form->signIn(AppFixture::editorEmail, AppFixture::editorPassword, homeRoom));
        QVERIFY(QTest::qWaitFor(
            [] {
                return LogFile::messages().contains(
                    "Classroom [Room 404]: 0 classrooms have this id or name; showing the library");
            },
            answerTimeoutMs));
        QTest::qWait(200);
        QVERIFY(ui->itemWithText(homeRoom) && !roomTitle());
        QVERIFY(signOut());
    }
};

QTEST_MAIN(StationSetUpTest)
#include "StationSetUpTest.moc"
