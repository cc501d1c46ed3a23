#include "AccessibilityCheck.h"
#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "Settings/Settings.h"
#include "StateManager.h"
#include "TeamBlock.h"
#include "WindowDriver.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// A port nobody listens on now, so a restarted service comes back where the app expects it.
QString freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QString::number(probe.serverPort());
}

} // namespace

// A session meeting real life through the real window: a room that cannot share a primary display,
// a cloud service that restarts and forgets the sign-in while the editor holds unsaved work, and
// closing the window with unsaved changes, the logout password required and the service gone.
// The test functions run in order; each starts where the previous one left the window.
class SessionRecoveryTest : public QObject {
    Q_OBJECT

    static constexpr int answerTimeoutMs = 10000;
    static inline const QString noPrimaryRoom = QStringLiteral("Studio 4");
    static inline const QString editedRoom = QStringLiteral("Innovation Commons");

    QTemporaryDir cloudData; // keeps the rooms and their ids across a restart
    AppFixture app { { "--config", TRELLION_DEMO_CONFIG, "--cloud-port", freePort(), "--data-dir",
        cloudData.path() } };
    std::unique_ptr<WindowDriver> ui;

    static ClassroomLayoutModel* layoutNamed(const QString& name)
    {
        for (QObject* entry : Globals::getInstance().classroomLayoutManager()->classroomsModel()) {
            auto* layout = qobject_cast<ClassroomLayoutModel*>(entry);
            if (layout && layout->classroomName() == name)
                return layout;
        }
        return nullptr;
    }

    // An edit the editor holds unsaved: the first table's new name.
    static void renameFirstTeam(const QString& name)
    {
        layoutNamed(editedRoom)->teamBlocks().first()->setDisplayName(name);
    }

    bool storedFirstTeamIs(const QString& name) const
    {
        return QTest::qWaitFor(
            [&] {
                for (const QJsonValue& room : app.storedRooms()) {
                    if (room["name"] == editedRoom)
                        return room["teamblocks"][0]["name"] == name;
                }
                return false;
            },
            answerTimeoutMs);
    }

    // Saves the window and checks what a screen reader finds.
    bool screenAnnounced(const QString& name)
    {
        return ui->saveScreenshot(name) && AccessibilityCheck::everyControlAnnounced(ui->window());
    }

    bool requestClose() { return !ui->window()->close() && ui->window()->isVisible(); }

    // The close dialog's answer `button`: "confirmButton" saves, "alternativeButton" does not.
    bool answerCloseDialog(const char* button)
    {
        QQuickItem* dialog = ui->waitForNamed("closeDialog");
        return dialog && ui->click(dialog->findChild<QQuickItem*>(button));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(cloudData.isValid());
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        ui = std::make_unique<WindowDriver>();
        QVERIFY(ui->isReady());
        QVERIFY(app.signInAsEditor());
        QVERIFY(ui->waitForText(noPrimaryRoom, WindowDriver::Match::Exact, answerTimeoutMs));
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void primaryToAllNeedsAPrimaryDisplay()
    {
        QVERIFY(ui->click(ui->waitForText(noPrimaryRoom)));
        QVERIFY(ui->waitForText("SKIP", WindowDriver::Match::Exact, answerTimeoutMs));
        ui->pressKey(Qt::Key_Escape); // closes the first-use guide
        QVERIFY(ui->waitUntilTextGone("SKIP"));
        QQuickItem* primaryToAll = ui->waitForNamed("menuItem_Primary to All");
        QVERIFY(primaryToAll && !primaryToAll->isEnabled());
        QVERIFY(app.simulator.clearRequests());
        ui->click(primaryToAll);
        QTest::qWait(300);
        for (const QJsonValue& request : app.simulator.requests())
            QVERIFY(!request["path"].toString().endsWith("/connections"));
        QVERIFY(ui->saveScreenshot("routing-primary-to-all-unavailable"));

        QVERIFY(ui->click(ui->itemNamed("menuItem_Exit")));
        if (QQuickItem* exit = ui->waitForNamed("exitDialog", 2000))
            QVERIFY(ui->click(exit->findChild<QQuickItem*>("exitButton")));
        QVERIFY(ui->waitForText(editedRoom, WindowDriver::Match::Exact, answerTimeoutMs));
    }

    // The restarted service refuses the token at Save: the password is asked over the editor and
    // the save then goes through with the edit.
    void restartedServiceAsksToSignInAgain()
    {
        QVERIFY(ui->click(ui->imageAboveRightOf(editedRoom, "ThreeDotMenu.svg")));
        QVERIFY(ui->waitForText("Duplicate"));
        ui->pressKey(Qt::Key_Escape); // closes the menu
        QVERIFY(ui->waitUntilTextGone("Duplicate"));
        QVERIFY(ui->click(ui->imageAboveRightOf(editedRoom, "ThreeDotMenu.svg")));
        QVERIFY(ui->click(ui->waitForText("Edit")));
        QVERIFY(ui->waitForNamed("saveButton", answerTimeoutMs));
        if (ui->waitForText("SKIP", WindowDriver::Match::Exact, 1000))
            QVERIFY(ui->click(ui->itemWithText("SKIP")));
        renameFirstTeam("Kept Team");
        QVERIFY(app.simulator.stop());
        QVERIFY2(app.simulator.start(), qPrintable(app.errorString()));

        QVERIFY(ui->click(ui->itemNamed("saveButton")));
        QVERIFY(ui->waitForNamed("reSignInDialog", answerTimeoutMs));
        QVERIFY(ui->itemWithText(AppFixture::editorEmail, WindowDriver::Match::Contains));
        QVERIFY(screenAnnounced("sign-in-again"));
        ui->typeText("wrong"); // the field has the focus
        ui->pressKey(Qt::Key_Return);
        QVERIFY(
            ui->waitForText("Invalid email or password.", WindowDriver::Match::Contains, answerTimeoutMs));
        QVERIFY(ui->saveScreenshot("sign-in-again-refused"));
        QVERIFY(ui->fillField(ui->itemNamed("reSignInPasswordField"), AppFixture::editorPassword));
        ui->pressKey(Qt::Key_Return);

        QVERIFY(storedFirstTeamIs("Kept Team"));
        QVERIFY(QTest::qWaitFor(
            [] { return !Globals::getInstance().stateManager()->saveRequired(); }, answerTimeoutMs));
        QVERIFY(ui->waitUntilTextGone("Sign In Again"));
        QVERIFY(ui->itemNamed("saveButton"));
    }

    // A failed save stays on screen past the success message's fade, and RETRY sends it again.
    void failedSaveStaysUntilRetried()
    {
        renameFirstTeam("Retried Team");
        QVERIFY(app.simulator.setFault({ { "target", "cloud" }, { "method", "PUT" }, { "status", 500 } }));
        QVERIFY(ui->click(ui->itemNamed("saveButton")));
        QVERIFY(ui->waitForText("Room Save Failed", WindowDriver::Match::Exact, answerTimeoutMs));
        QTest::qWait(2500);
        QVERIFY(ui->itemWithText("Room Save Failed"));
        QVERIFY(ui->saveScreenshot("editor-save-failed"));
        QVERIFY(app.simulator.clearFaults());
        QVERIFY(ui->click(ui->itemWithText("RETRY")));
        QVERIFY(storedFirstTeamIs("Retried Team"));
        QVERIFY(QTest::qWaitFor(
            [] { return !Globals::getInstance().stateManager()->saveRequired(); }, answerTimeoutMs));
    }

    void closingAsksAboutUnsavedChangesAndThePassword()
    {
        renameFirstTeam("Closing Team");
        QVERIFY(requestClose());
        QVERIFY(ui->waitForNamed("closeDialog"));
        QVERIFY(screenAnnounced("close-unsaved"));
        ui->pressKey(Qt::Key_Escape);
        QVERIFY(ui->waitUntilTextGone("DON'T SAVE"));

        // Saving first, then the logout password; cancelling it keeps the window.
        Globals::getInstance().settings()->setDoesRequirePasswordLogout(true);
        QVERIFY(requestClose());
        QVERIFY(answerCloseDialog("confirmButton"));
        QVERIFY(storedFirstTeamIs("Closing Team"));
        QVERIFY(ui->waitForNamed("logoutPasswordField", answerTimeoutMs));
        QVERIFY(ui->click(ui->itemNamed("logoutCancelButton")));
        QVERIFY(ui->window()->isVisible());

        // With the service gone the right password is a network problem, not a wrong password.
        renameFirstTeam("Lost Team");
        QVERIFY(app.simulator.stop());
        QVERIFY(requestClose());
        QVERIFY(answerCloseDialog("alternativeButton"));
        QVERIFY(ui->waitForNamed("logoutPasswordField", answerTimeoutMs));
        ui->typeText(AppFixture::editorPassword);
        ui->pressKey(Qt::Key_Return);
        QVERIFY(ui->waitForText(
            "There was a problem logging in.", WindowDriver::Match::Contains, answerTimeoutMs));
        QVERIFY(!ui->itemWithText("Invalid password"));
        QVERIFY(screenAnnounced("logout-network-problem"));
        QVERIFY(ui->window()->isVisible());
        QVERIFY(ui->click(ui->itemNamed("logoutCancelButton")));
    }
};

QTEST_MAIN(SessionRecoveryTest)
#include "SessionRecoveryTest.moc"
