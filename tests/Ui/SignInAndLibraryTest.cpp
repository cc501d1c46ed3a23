#include "AccessibilityCheck.h"
#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "Layout.h"
#include "NetworkManager.h"
#include "Settings/Settings.h"
#include "SignInForm.h"
#include "StateManager.h"
#include "TeamBlock.h"
#include "WindowDriver.h"
#include "WindowGeometry.h"

#include <QLineF>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <memory>

// A user's first visit, through the real window with mouse and keys: signing in, the classroom
// library with its menu, the room form, settings, about and both ways of signing out, against the
// simulated cloud service holding the demo classrooms. The test functions run in order and each
// starts where the previous one left the window.
class SignInAndLibraryTest : public QObject {
    Q_OBJECT

    static constexpr int answerTimeoutMs = 10000;

    AppFixture app { { "--config", TRELLION_DEMO_CONFIG } };
    std::unique_ptr<WindowDriver> ui;
    StateManager* state = nullptr;
    std::unique_ptr<SignInForm> form;
    static inline const QString homeRoom = QStringLiteral("Studio 4");

    bool homeShown() { return ui->waitForText(homeRoom, WindowDriver::Match::Exact, answerTimeoutMs); }

    bool openUserMenu()
    {
        return ui->click(ui->waitForImage("DropdownArrow.svg")) && ui->waitForText("About");
    }

    bool chooseFromUserMenu(const QString& item)
    {
        return openUserMenu() && ui->click(ui->itemWithText(item));
    }

    bool signOutThroughMenu() { return chooseFromUserMenu("Logout") && ui->waitForText("Sign In"); }

    bool openSettings()
    {
        return chooseFromUserMenu("Settings") && ui->waitForText("Password required for logout");
    }

    // The settings screen's close button lies above the home screen's add button, which shows the
    // same picture.
    bool closeSettings()
    {
        return ui->click(ui->imageWithSource("Floating.png"))
            && ui->waitUntilTextGone("Password required for logout");
    }

    // The switch on the row of `label`: the one to its right whose middle is level with it.
    QQuickItem* switchBeside(const QString& label)
    {
        QQuickItem* caption = ui->itemWithText(label);
        if (!caption)
            return nullptr;
        QQuickItem* nearest = nullptr;
        qreal nearestDistance = caption->height();
        const auto isSwitch = [&](const QQuickItem* item) {
            return item->metaObject()->indexOfSignal("toggled()") >= 0 && !item->isAncestorOf(caption);
        };
        for (QQuickItem* item : ui->itemsWhere(isSwitch)) {
            const qreal distance
                = qAbs(WindowDriver::centreOf(item).y() - WindowDriver::centreOf(caption).y());
            if (distance < nearestDistance
                && WindowDriver::centreOf(item).x() > WindowDriver::centreOf(caption).x()) {
                nearest = item;
                nearestDistance = distance;
            }
        }
        return nearest;
    }

    // The three-dot icon of the card that shows `name`.
    QQuickItem* menuIconOf(const QString& name) { return ui->imageAboveRightOf(name, "ThreeDotMenu.svg"); }

    static bool readsBefore(const QQuickItem* first, const QQuickItem* second)
    {
        const QPointF a = WindowDriver::centreOf(first);
        const QPointF b = WindowDriver::centreOf(second);
        return qAbs(a.y() - b.y()) < 5 ? a.x() < b.x() : a.y() < b.y();
    }

    int signInRequests() const
    {
        int count = 0;
        for (const QJsonValue& request : app.simulator.requests()) {
            if (request["method"] == "POST" && request["path"] == "/v1/auth/token")
                ++count;
        }
        return count;
    }

    QJsonObject storedRoom(const QString& name) const
    {
        for (const QJsonValue& room : app.storedRooms()) {
            if (room["name"] == name)
                return room.toObject();
        }
        return {};
    }

    // Waits for the editor and closes its first-use guide when that is open.
    bool editorShown()
    {
        if (!ui->waitForText("Exit"))
            return false;
        if (QQuickItem* skip = ui->itemWithText("SKIP"))
            return ui->click(skip) && ui->waitUntilTextGone("SKIP");
        return true;
    }

    bool leaveEditor() { return editorShown() && ui->click(ui->itemWithText("Exit")) && homeShown(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        state = Globals::getInstance().stateManager();
        ui = std::make_unique<WindowDriver>();
        QVERIFY(ui->isReady());
        // A first start fits the window to the screen; the tests then work on the design grid.
        QCOMPARE(
            ui->window()->geometry(), WindowGeometry::fitted(ui->window()->screen()->availableGeometry()));
        QVERIFY(ui->resize(QSize(1024, 768)));
        QVERIFY(ui->waitForText("Sign In"));
        QVERIFY(ui->saveScreenshot("login"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));

        form = std::make_unique<SignInForm>(*ui);
        QVERIFY(form->findFields());
    }

    void wrongPasswordShowsTheReason()
    {
        QSignalSpy failed(state, &StateManager::loginFailure);
        QVERIFY(ui->fillField(form->emailField(), AppFixture::editorEmail));
        QVERIFY(ui->fillField(form->passwordField(), "not-the-password"));
        QVERIFY(ui->click(ui->itemWithText("Login")));
        QVERIFY(
            ui->waitForText("Invalid email or password.", WindowDriver::Match::Contains, answerTimeoutMs));
        QVERIFY(ui->itemWithText("please contact your Trellion Admin.", WindowDriver::Match::Contains));
        QCOMPARE(failed.count(), 1);
        QVERIFY(ui->itemWithText("Sign In"));
        QVERIFY(ui->saveScreenshot("login-error"));
    }

    void doublePressSignsInOnce()
    {
        QVERIFY(app.simulator.clearRequests());
        QSignalSpy succeeded(state, &StateManager::loginSuccess);
        QVERIFY(ui->fillField(form->passwordField(), AppFixture::editorPassword));
        QVERIFY(ui->click(ui->itemWithText("Login"), 2));
        QVERIFY(QTest::qWaitFor([&] { return !succeeded.isEmpty(); }, answerTimeoutMs));
        QVERIFY(homeShown());
        QCOMPARE(succeeded.count(), 1);
        QCOMPARE(signInRequests(), 1);
        QVERIFY(ui->itemWithText(AppFixture::editorEmail)); // the top bar names the user
    }

    void homeListsTheDemoClassroomsSorted()
    {
        QVERIFY(homeShown());
        QQuickItem* innovation = ui->itemWithText("Innovation Commons");
        QQuickItem* lecture = ui->itemWithText("Lecture Lab");
        QQuickItem* studio = ui->itemWithText("Studio 4");
        QVERIFY(innovation && lecture && studio);
        QVERIFY(readsBefore(innovation, lecture));
        QVERIFY(readsBefore(lecture, studio));
        QVERIFY(ui->itemWithText("North Hall"));
        QVERIFY(ui->itemWithText("Science Center"));
        QCOMPARE(ui->imagesWithSource("ThreeDotMenu.svg").size(), 3); // the editor may change every room
        QVERIFY(ui->saveScreenshot("home"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
    }

    void createRoomThroughTheForm()
    {
        QSignalSpy created(
            Globals::getInstance().classroomLayoutManager(), &ClassroomLayoutManager::newRoomCreated);
        QVERIFY(ui->click(ui->waitForImage("Floating.png")));
        QVERIFY(ui->waitForText("Please name your room."));
        QVERIFY(ui->itemWithText("Choose the room shape that best represents your room."));
        QVERIFY(ui->saveScreenshot("room-settings-new"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));

        // An empty form is refused with the name field marked; a name at the limit says so.
        QVERIFY(ui->click(ui->itemWithText("SAVE")));
        QVERIFY(ui->waitForText("A room needs a name."));
        QVERIFY(ui->saveScreenshot("room-settings-blank"));
        QVERIFY(ui->click(ui->itemWithText("Enter Room Name")));
        ui->typeText(QString(45, 'x'));
        QVERIFY(ui->waitForText("At most 40 characters"));
        ui->pressKey(Qt::Key_A, Qt::ControlModifier);
        ui->typeText("Annex 7");
        QVERIFY(ui->waitUntilTextGone("At most 40 characters"));
        QCOMPARE(created.count(), 0);
        QVERIFY(ui->click(ui->itemWithText("Rectangle")));
        QVERIFY(ui->click(ui->itemWithText("SAVE")));
        // The answer may come while the click is still being delivered.
        QTRY_VERIFY_WITH_TIMEOUT(!created.isEmpty(), answerTimeoutMs);
        QVERIFY(ui->waitUntilTextGone("Please name your room."));

        const QJsonObject stored = storedRoom("Annex 7");
        QCOMPARE(stored["roomtype"].toString(), QString("rectangle"));
        QCOMPARE(stored["id"].toString(), created.first().first().toString());
        QVERIFY(leaveEditor());
        QVERIFY(ui->waitForText("Annex 7"));
    }

    void editRoomSettingsFromTheEditor()
    {
        QVERIFY(ui->click(menuIconOf("Annex 7")));
        QVERIFY(ui->click(ui->waitForText("Edit")));
        QVERIFY(editorShown());
        QVERIFY(ui->click(ui->waitForImage("EditIcon.png")));
        QVERIFY(ui->waitForText("Please name your room."));
        QVERIFY(ui->itemWithText("Annex 7")); // the form shows the room's values
        QVERIFY(ui->saveScreenshot("room-settings-existing"));
        QVERIFY(ui->click(ui->itemWithText("CANCEL")));
        QVERIFY(ui->waitUntilTextGone("Please name your room."));
        QVERIFY(leaveEditor());
    }

    void duplicateAndDeleteThroughTheMenu()
    {
        const int roomsBefore = app.storedRooms().size();
        QVERIFY(ui->click(menuIconOf("Studio 4")));
        QVERIFY(ui->waitForText("Duplicate"));
        QVERIFY(ui->itemWithText("Edit") && ui->itemWithText("Delete"));
        QVERIFY(ui->saveScreenshot("classroom-menu"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemWithText("Duplicate")));
        QVERIFY(ui->waitForText("Copy of Studio 4", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(ui->waitUntilTextGone("Duplicate"));
        QCOMPARE(app.storedRooms().size(), roomsBefore + 1);
        QCOMPARE(storedRoom("Copy of Studio 4")["roomtype"].toString(), QString("square"));

        // Before class: how many of the room's displays answer.
        QVERIFY(ui->click(menuIconOf("Copy of Studio 4")));
        QVERIFY(ui->click(ui->waitForText("Check displays")));
        QVERIFY(ui->waitForText("displays answer", WindowDriver::Match::Contains, answerTimeoutMs));
        QVERIFY(ui->saveScreenshot("classroom-check-displays"));

        QVERIFY(ui->click(menuIconOf("Copy of Studio 4")));
        QVERIFY(ui->click(ui->waitForText("Delete")));
        QVERIFY(ui->waitForText("Are you sure you want to", WindowDriver::Match::Contains));
        QVERIFY(ui->itemWithText("delete Copy of Studio 4?", WindowDriver::Match::Contains));
        QVERIFY(ui->saveScreenshot("delete-dialog"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemWithText("CONFIRM")));
        QVERIFY(ui->waitUntilTextGone("Copy of Studio 4", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(QTest::qWaitFor([&] { return app.storedRooms().size() == roomsBefore; }, answerTimeoutMs));
        QVERIFY(storedRoom("Copy of Studio 4").isEmpty());
        QVERIFY(ui->itemWithText("Studio 4"));
    }

    // Rooms another tool stored: one too big to open says so on its card instead of opening; a
    // block whose stored address is refused says so on the routing plan.
    void hostileRoomsSayWhatIsWrong()
    {
        QJsonArray blocks;
        for (int i = 0; i <= Layout::maxTeamBlocks; ++i)
            blocks.append(QJsonObject { { "address", "127.0.0.1:9" } });
        QVERIFY(!app.createClassroom({ { "name", "Arena" }, { "building", "Hostile" },
                                         { "roomtype", "square" }, { "teamblocks", blocks } })
                     .isEmpty());
        ClassroomLayoutModel refused;
        refused.setClassroomName("Bad Address");
        refused.setClassroomType("square");
        for (const QString& address : { app.simulator.podAddress(0), QString("127.0.0.1:9/test/id#") }) {
            RoutableBlock* block = refused.routableBlock(
                refused.addTeamBlock(300 + 250 * refused.teamBlocks().size(), 300, "DisplayYellow"));
            block->setDisplayAddress(address);
            block->setDisplayName(QString("Team %1").arg(refused.teamBlocks().size()));
        }
        QVERIFY(!app.createClassroom(refused.toJson()).isEmpty());
        Globals::getInstance().classroomLayoutManager()->refreshClassroomList();
        QVERIFY(ui->waitForText("Too big to open", WindowDriver::Match::Contains, answerTimeoutMs));
        QVERIFY(ui->click(ui->itemWithText("Arena")));
        QVERIFY(ui->itemWithText(homeRoom)); // still home
        QVERIFY(ui->saveScreenshot("home-room-too-big"));
        QVERIFY(ui->isLayoutReadable());

        QVERIFY(ui->click(ui->itemWithText("Bad Address")));
        QVERIFY(ui->waitForText("(Address not valid)", WindowDriver::Match::Exact, answerTimeoutMs));
        if (QQuickItem* skip = ui->itemWithText("SKIP"))
            QVERIFY(ui->click(skip) && ui->waitUntilTextGone("SKIP"));
        QVERIFY(ui->saveScreenshot("routing-address-not-valid"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(ui->click(ui->waitForNamed("menuItem_Exit")));
        QVERIFY(homeShown());
    }

    void settingsAndAboutOpenAndClose()
    {
        QVERIFY(openSettings());
        QVERIFY(ui->itemWithText("Settings"));
        QVERIFY(ui->itemWithText("Enable frame forwarding optimization"));
        QVERIFY(ui->itemWithText("Primary Display Sharing Mode"));
        QVERIFY(ui->saveScreenshot("settings"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(closeSettings());

        QVERIFY(chooseFromUserMenu("About"));
        QVERIFY(ui->waitForText("Trellion " + state->appVersion()));
        QVERIFY(ui->saveScreenshot("about"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemWithText("OK")));
        QVERIFY(ui->waitUntilTextGone("Trellion " + state->appVersion()));
        QVERIFY(homeShown());
    }

    // Twice as wide, equally high: the screens stretch and keep their fonts.
    void wideWindowShowsLoginAndHome()
    {
        QVERIFY(ui->resize(QSize(2048, 768)));
        QVERIFY(homeShown());
        QVERIFY(ui->saveScreenshot("home-2048x768"));
        QVERIFY(signOutThroughMenu());
        QVERIFY(ui->itemWithText("Login"));
        QVERIFY(ui->saveScreenshot("login-2048x768"));
        QVERIFY(ui->resize(QSize(1024, 768)));
    }

    void signOutWithPasswordSetting()
    {
        QVERIFY(form->signIn(AppFixture::editorEmail, AppFixture::editorPassword, homeRoom));
        Settings* settings = Globals::getInstance().settings();
        QVERIFY(!settings->doesRequirePasswordLogout());
        QVERIFY(openSettings());
        QVERIFY(ui->click(switchBeside("Password required for logout")));
        QTRY_VERIFY(settings->doesRequirePasswordLogout());
        QVERIFY(closeSettings());

        QVERIFY(chooseFromUserMenu("Logout"));
        QVERIFY(ui->waitForText("Enter your password to continue."));
        QVERIFY(ui->saveScreenshot("logout-dialog"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        ui->typeText("not-the-password");
        ui->pressKey(Qt::Key_Return);
        QVERIFY(ui->waitForText("Invalid password", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(ui->itemWithText("To reset your password, please contact your Trellion Admin."));
        QVERIFY(Globals::getInstance().networkManager()->isLoggedIn());
        QVERIFY(ui->saveScreenshot("logout-dialog-error"));

        ui->pressKey(Qt::Key_A, Qt::ControlModifier);
        ui->pressKey(Qt::Key_Backspace);
        ui->typeText(AppFixture::editorPassword);
        QVERIFY(ui->click(ui->itemWithText("LOGOUT")));
        QVERIFY(ui->waitForText("Sign In", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());

        // The setting can be switched back from the login screen.
        QVERIFY(openSettings());
        QVERIFY(ui->click(switchBeside("Password required for logout")));
        QTRY_VERIFY(!settings->doesRequirePasswordLogout());
        QVERIFY(closeSettings());
        QVERIFY(ui->itemWithText("Sign In"));
    }

    void viewerSeesNoClassroomMenus()
    {
        QVERIFY(form->signIn(AppFixture::viewerEmail, AppFixture::viewerPassword, homeRoom));
        QVERIFY(ui->itemWithText("Lecture Lab") && ui->itemWithText("Annex 7"));
        QVERIFY(ui->imagesWithSource("ThreeDotMenu.svg").isEmpty());
        QVERIFY(ui->saveScreenshot("home-viewer"));
        QVERIFY(signOutThroughMenu());
    }
};

QTEST_MAIN(SignInAndLibraryTest)
#include "SignInAndLibraryTest.moc"
