#include "AccessibilityCheck.h"
#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "PlanCheck.h"
#include "Settings/Settings.h"
#include "SignInForm.h"
#include "StateManager.h"
#include "WindowDriver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStyleHints>
#include <QTest>
#include <memory>

// A class run in the demo room "Lecture Lab" through the real window: routes drawn by dragging and
// holding, the bottom menu (primary to all, banners, overlays, custom messages, reset), the live
// view of a pod, leaving with a password, the screen-key gate of a user who may not edit, and
// closing the window mid-session. What the pods were told is read back from the simulated pods.
// The test functions run in order and each starts where the previous one left the window.
class RoutingScreenTest : public QObject {
    Q_OBJECT

    static constexpr int answerTimeoutMs = 10000;
    static constexpr int droppedOutMs = 12000;
    static inline const QString roomName = QStringLiteral("Lecture Lab");
    static inline const QString roomId = QStringLiteral("64b7f0a1c2d3e4f5a6b7c802");
    static inline const QString routingApi = QStringLiteral("/api/v2/content/activerouting");
    static inline const QSize wideSize { 2048, 768 };
    static inline const QSize normalSize { 1024, 768 };
    static inline const QStringList createdMessages { "Group work", "Quiet please", "Take a break",
        "Clean up" };

    AppFixture app { { "--config", TRELLION_DEMO_CONFIG } };
    std::unique_ptr<WindowDriver> ui;
    StateManager* state = nullptr;
    std::unique_ptr<SignInForm> form;
    static inline const QString homeRoom = QStringLiteral("Studio 4");

    bool homeShown() { return ui->waitForText(homeRoom, WindowDriver::Match::Exact, answerTimeoutMs); }

    // --- the plan ---

    QQuickItem* plan() const { return ui->itemNamed("routePlan"); }

    // The view of block `index` (-1: the primary display).
    QQuickItem* blockView(int index) const
    {
        QQuickItem* routePlan = plan();
        if (!routePlan)
            return nullptr;
        if (index == -1)
            return routePlan->property("primaryView").value<QQuickItem*>();
        QVariant view;
        QMetaObject::invokeMethod(
            routePlan, "teamView", Q_RETURN_ARG(QVariant, view), Q_ARG(QVariant, index));
        return view.value<QQuickItem*>();
    }

    int teamCount() const { return plan() ? plan()->property("teamCount").toInt() : 0; }

    // The simulated pod behind block `index`.
    int podOf(int index) const
    {
        QQuickItem* view = blockView(index);
        return view ? app.simulator.podAddresses().indexOf(view->property("displayAddress").toString()) : -1;
    }

    QList<int> allPods() const
    {
        QList<int> pods { podOf(-1) };
        for (int index = 0; index < teamCount(); ++index)
            pods.append(podOf(index));
        return pods;
    }

    bool allBlocksConnected() const
    {
        for (int index = -1; index < teamCount(); ++index) {
            QQuickItem* view = blockView(index);
            if (!view || !view->property("isConnected").toBool())
                return false;
        }
        return teamCount() > 0;
    }

    QList<QQuickItem*> routeLines() const
    {
        return ui->itemsWhere([](const QQuickItem* item) { return item->objectName() == "routeLine"; });
    }

    int routeLinesFrom(int sourceIndex) const
    {
        int count = 0;
        for (QQuickItem* line : routeLines()) {
            const QObject* route = line->property("routeLine").value<QObject*>();
            if (route && route->property("sourceIndex").toInt() == sourceIndex)
                ++count;
        }
        return count;
    }

    QJsonArray connectionsOf(int pod) const { return app.simulator.podState(pod)["connections"].toArray(); }

    QStringList sinksOf(int pod) const
    {
        QStringList sinks;
        for (const QJsonValue& connection : connectionsOf(pod))
            sinks.append(connection["sink"].toString());
        return sinks;
    }

    bool noPodHasConnections() const
    {
        for (const QJsonValue& pod : app.simulator.podStates()) {
            if (!pod["connections"].toArray().isEmpty())
                return false;
        }
        return true;
    }

    bool teamOverlaysRead(const QString& text) const
    {
        for (int index = 0; index < teamCount(); ++index) {
            if (app.simulator.podState(podOf(index))["overlayText"].toString() != text)
                return false;
        }
        return true;
    }

    // Press on block `from`, move to block `to` in steps, save `screenshot` while the button is still
    // down halfway, then release.
    bool dragBetweenBlocks(int from, int to, const QString& screenshot = {})
    {
        QQuickItem* source = blockView(from);
        QQuickItem* sink = blockView(to);
        if (!source || !sink)
            return false;
        if (screenshot.isEmpty())
            return ui->drag(source, sink);
        const QPoint start = WindowDriver::centreOf(source).toPoint();
        const QPoint end = WindowDriver::centreOf(sink).toPoint();
        QTest::mouseMove(ui->window(), start);
        QTest::mousePress(ui->window(), Qt::LeftButton, Qt::NoModifier, start);
        constexpr int steps = 10;
        // The first move follows the press before the event loop runs: however slow the machine, the
        // press cannot turn into a hold.
        for (int step = 1; step <= steps; ++step) {
            QTest::mouseMove(ui->window(), start + (end - start) * step / steps);
            QTest::qWait(20);
            if (step == steps / 2) {
                QQuickItem* pulse = ui->itemNamed("sourcePulse");
                if (!pulse
                    || !QTest::qWaitFor([&] { return pulse->property("grown").toBool(); }, answerTimeoutMs)
                    || !ui->saveScreenshot(screenshot))
                    return false;
            }
        }
        QTest::mouseRelease(ui->window(), Qt::LeftButton, Qt::NoModifier, end);
        QTest::qWait(20);
        return true;
    }

    // --- the keyboard ---

    QObject* keyboard() const
    {
        QQuickItem* layer = ui->itemNamed("keyboardLayer");
        return layer ? layer->property("keyboard").value<QObject*>() : nullptr;
    }

    int focusedBlock() const { return keyboard()->property("focusedBlock").toInt(); }
    int pickedBlock() const { return keyboard()->property("pickedBlock").toInt(); }

    // Tabs on until block `index` has the focus ring; false when a full round never reaches it.
    bool tabTo(int index)
    {
        for (int step = 0; step <= teamCount() + 1 && focusedBlock() != index; ++step)
            ui->pressKey(Qt::Key_Tab);
        return focusedBlock() == index;
    }

    QQuickItem* menuItem(const QString& caption) const { return ui->itemNamed("menuItem_" + caption); }

    bool showWide(const QString& screenshot)
    {
        return ui->resize(wideSize) && ui->saveScreenshot(screenshot + "-wide") && ui->resize(normalSize)
            && ui->isLayoutReadable() && AccessibilityCheck::everyControlAnnounced(ui->window());
    }

    // Requests to `server` with `method` whose path is `path`, or starts with it when `prefix`.
    int requestCount(
        const QString& server, const QByteArray& method, const QString& path, bool prefix = false) const
    {
        int count = 0;
        for (const QJsonValue& request : app.simulator.requestsTo(server)) {
            const QString requested = request["path"].toString();
            if (request["method"] == QString(method)
                && (prefix ? requested.startsWith(path) : requested == path))
                ++count;
        }
        return count;
    }

    // --- message dialog ---

    void openMessageDialog()
    {
        QVERIFY(ui->click(menuItem("Add New")));
        QVERIFY(ui->waitForNamed("messageDialog"));
        QVERIFY(ui->waitForText("Create Custom Message"));
    }

    void fillMessage(const QString& text, const QString& icon)
    {
        ui->typeText(text); // the dialog opens with the focus in its text field
        QVERIFY(ui->click(ui->waitForImage("icons/" + icon + ".png")));
    }

    void createMessage(const QString& text, const QString& icon)
    {
        openMessageDialog();
        if (!QTest::currentTestFailed())
            fillMessage(text, icon);
        if (QTest::currentTestFailed())
            return;
        ui->pressKey(Qt::Key_Return);
        QVERIFY(ui->waitForNamed("menuItem_" + text, answerTimeoutMs));
        QVERIFY(!ui->itemNamed("messageDialog"));
        QVERIFY(ui->waitForFrame()); // rows and columns place a new entry only for a frame
    }

    // The rows of the list in the dialog's "Edit" tab, also those scrolled out of sight.
    int messageRows() const
    {
        const auto lists
            = ui->itemsWhere([](const QQuickItem* item) { return item->inherits("QQuickListView"); });
        return lists.size() == 1 ? lists.first()->property("count").toInt() : -1;
    }

    // The message on the same row of the dialog's "Edit" tab as the delete button `button`.
    QString messageBeside(const QQuickItem* button) const
    {
        const qreal row = WindowDriver::centreOf(button).y();
        for (const QString& text : createdMessages) {
            for (const QQuickItem* label : ui->itemsWithText(text)) {
                if (qAbs(WindowDriver::centreOf(label).y() - row) < 5)
                    return text;
            }
        }
        return {};
    }

    // --- the live view ---

    QQuickItem* previewButtonOf(int index) const
    {
        const QString name = blockView(index)->property("displayName").toString();
        const auto found = ui->itemsWhere([&](const QQuickItem* item) {
            return item->objectName() == "previewButton" && item->property("podName").toString() == name;
        });
        return found.isEmpty() ? nullptr : found.last();
    }

    // A point of the shown picture left of all the pod's texts, where only its background shows.
    QRgb viewerBackground() const
    {
        QQuickItem* viewer = ui->itemNamed("snapshotViewer");
        if (!viewer)
            return 0;
        const QPointF at = viewer->mapToScene(QPointF(viewer->width() * 0.04, viewer->height() * 0.5));
        const QImage grabbed = ui->window()->grabWindow();
        const qreal ratio = grabbed.width() / qreal(ui->window()->width());
        return grabbed.pixel((at * ratio).toPoint());
    }

    int snapshotRequestsTo(int pod) const
    {
        return requestCount("pod:" + QString::number(pod), "GET", "/lookin/thedisplay.jpg");
    }

private slots:
    void initTestCase()
    {
        AccessibilityCheck::recordAlerts();
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        state = Globals::getInstance().stateManager();
        ui = std::make_unique<WindowDriver>();
        QVERIFY(ui->isReady());
        QVERIFY(ui->resize(normalSize));
        form = std::make_unique<SignInForm>(*ui);
        QVERIFY(form->findFields());
        QVERIFY(form->signIn(AppFixture::editorEmail, AppFixture::editorPassword, homeRoom));

        // The room asks for the password on exit whatever the demo data says.
        ClassroomLayoutModel* room = Globals::getInstance().classroomLayoutManager()->classroomLayout(roomId);
        QVERIFY(room);
        room->setPasswordRequiredOnExit(true, false);
    }

    void firstEntryShowsTheGuideOnce()
    {
        QVERIFY(Globals::getInstance().settings()->isFirstRoute());
        QVERIFY(ui->click(ui->waitForText(roomName)));
        QVERIFY(ui->waitForText(
            "Show one display's content on another display.", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(ui->saveScreenshot("routing-first-use"));
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemWithText("SKIP")));
        QVERIFY(ui->waitUntilTextGone("SKIP"));
        QVERIFY(!Globals::getInstance().settings()->isFirstRoute());

        QCOMPARE(teamCount(), 8);
        QVERIFY(blockView(-1));
        QVERIFY(ui->itemWithText(roomName));
        QVERIFY(QTest::qWaitFor([&] { return allBlocksConnected(); }, answerTimeoutMs));
        QVERIFY(routeLines().isEmpty());
        QVERIFY(ui->saveScreenshot("routing"));
    }

    void dragRoutesOneBlockToAnother()
    {
        const int sourcePod = podOf(0);
        QCOMPARE(AccessibilityCheck::nameOf(blockView(1)), QString("Team 2"));
        QVERIFY(dragBetweenBlocks(0, 1, "routing-drag"));
        QTRY_COMPARE(routeLines().size(), 1);
        // A screen reader hears the route on both blocks.
        QCOMPARE(AccessibilityCheck::nameOf(blockView(1)), QString("Team 2, display, receives Team 1"));
        QCOMPARE(AccessibilityCheck::nameOf(blockView(0)), QString("Team 1, sends to Team 2"));
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(sourcePod).size(), 1, answerTimeoutMs);
        const QJsonObject connection = connectionsOf(sourcePod).first().toObject();
        QCOMPARE(connection["sink"].toString(), app.simulator.podAddress(podOf(1)));
        QCOMPARE(connection["resolution"].toString(), QString("1920x1080"));
        QCOMPARE(connection["post"].toString(), QString("NORMAL"));
        QCOMPARE(connection["audio"].toBool(true), false);
        QCOMPARE(connection["message"].toString(), QString("Shared from Team 1"));
        QCOMPARE(connection["foreground"].toString(), QString("#FFFFFF"));
        QCOMPARE(connection["background"].toString().toUpper(), QString("#2E91D9"));
        QTRY_COMPARE(routeLines().first()->opacity(), 1.0); // drawn as alive

        // Team 2 already receives a route: a second one into it is refused, and the user told why.
        QVERIFY(dragBetweenBlocks(2, 1));
        QVERIFY(ui->waitForText("Team 2 already shows Team 1", WindowDriver::Match::Contains));
        QVERIFY(AccessibilityCheck::alerts().join('\n').contains("Team 2 already shows Team 1"));
        QCOMPARE(routeLines().size(), 1);
        QVERIFY(connectionsOf(podOf(2)).isEmpty());
        // A drop beside every block creates nothing either.
        QVERIFY(ui->drag(WindowDriver::centreOf(blockView(2)), QPointF(20, 300)));
        QCOMPARE(routeLines().size(), 1);
        QVERIFY(ui->saveScreenshot("routing-route"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
    }

    // The plan grows by one factor, clear of the room's title and of the menu, whatever the room's shape;
    // the square room is taller than the space between them.
    void planKeepsItsProportions()
    {
        QObject* screen = ui->itemNamed("routePlan")->parentItem();
        const QString stored = screen->property("classroomType").toString();
        for (const char* type : { "rectangle", "square", "open" }) {
            screen->setProperty("classroomType", type);
            const QStringList problems
                = planProblems(*ui, blockView(0), ui->itemNamed("roomTitle"), ui->itemNamed("routeMenu"));
            QVERIFY2(problems.isEmpty(), qPrintable(type + (": " + problems.join("; "))));
            QVERIFY(ui->saveScreenshot(QString("routing-%1-room").arg(type)));
        }
        screen->setProperty("classroomType", stored);
    }

    void holdingSharesABlockToAllAndBack()
    {
        const int pod = podOf(2);
        QVERIFY(ui->pressAndHold(blockView(2), qApp->styleHints()->mousePressAndHoldInterval() + 300));
        // A notice of the test before may still stand beside it.
        QVERIFY(ui->waitForText(
            "Not shared to Team 1 and Team 2: already in another route", WindowDriver::Match::Contains));
        // Every block that may still receive: the front display and the team blocks but itself, Team 2
        // (taken) and the sending Team 1.
        const int shared = 1 + teamCount() - 3;
        QTRY_COMPARE(routeLinesFrom(2), shared);
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(pod).size(), shared, answerTimeoutMs);
        const QStringList sinks = sinksOf(pod);
        QVERIFY(!sinks.contains(app.simulator.podAddress(podOf(1))));
        QVERIFY(!sinks.contains(app.simulator.podAddress(pod)));
        QCOMPARE(AccessibilityCheck::nameOf(blockView(-1)), QString("Primary Display, shows Team 3"));
        QVERIFY(ui->saveScreenshot("routing-block-to-all"));
        QVERIFY(showWide("routing-block-to-all"));

        QVERIFY(app.simulator.clearRequests());
        QVERIFY(ui->pressAndHold(blockView(2), qApp->styleHints()->mousePressAndHoldInterval() + 300));
        QTRY_COMPARE(routeLinesFrom(2), 0);
        QTRY_VERIFY_WITH_TIMEOUT(connectionsOf(pod).isEmpty(), answerTimeoutMs);
        QCOMPARE(requestCount("pod:" + QString::number(pod), "DELETE", routingApi + "/connections"), 1);
        QCOMPARE(routeLines().size(), 1); // Team 1 to Team 2 stays
        QCOMPARE(connectionsOf(podOf(0)).size(), 1);
    }

    void primaryToAllReplacesTheTeamRoutes()
    {
        const int primaryPod = podOf(-1);
        QVERIFY(ui->click(menuItem("Primary to All")));
        QTRY_COMPARE_WITH_TIMEOUT(routeLinesFrom(-1), teamCount(), answerTimeoutMs);
        QCOMPARE(routeLines().size(), teamCount()); // Team 1's own route went first
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(primaryPod).size(), teamCount(), answerTimeoutMs);
        QStringList expected;
        for (int index = 0; index < teamCount(); ++index)
            expected.append(app.simulator.podAddress(podOf(index)));
        QStringList sinks = sinksOf(primaryPod);
        sinks.sort();
        expected.sort();
        QCOMPARE(sinks, expected);
        QVERIFY(connectionsOf(podOf(0)).isEmpty());
        QVERIFY(showWide("routing-primary-to-all"));
    }

    // Routes that stand do not move: a few seconds after the last change the window draws no more
    // frames. An endless animation never leaves a second without one.
    void standingRoutesDrawNothing()
    {
        QCOMPARE(routeLinesFrom(-1), teamCount());
        QVERIFY2(ui->waitUntilStill(1000, 30000), "the routing screen kept drawing frames");
        QVERIFY(ui->saveScreenshot("routing-primary-to-all"));
    }

    void bannersToggleOnEveryPod()
    {
        QMap<int, bool> before;
        for (int pod : allPods())
            before[pod] = app.simulator.podState(pod)["banners"].toBool();
        QVERIFY(menuItem("Banners"));
        const auto allFlipped = [&](bool flipped) {
            for (int pod : allPods()) {
                if (app.simulator.podState(pod)["banners"].toBool() != (before[pod] != flipped))
                    return false;
            }
            return true;
        };
        QVERIFY(ui->click(menuItem("Banners")));
        QVERIFY(QTest::qWaitFor([&] { return allFlipped(true); }, answerTimeoutMs));
        QVERIFY(ui->imageWithSource(before.first() ? "BannersHideSmall.png" : "BannersShowSmall.png"));
        QVERIFY(ui->click(menuItem("Banners")));
        QVERIFY(QTest::qWaitFor([&] { return allFlipped(false); }, answerTimeoutMs));
    }

    void eyesUpFrontShowsAndClears()
    {
        QVERIFY(ui->click(menuItem("Eyes Up Front")));
        QVERIFY(QTest::qWaitFor([&] { return teamOverlaysRead("Eyes Up Front"); }, answerTimeoutMs));
        QCOMPARE(app.simulator.podState(podOf(-1))["overlayText"].toString(), QString()); // not the front
        QVERIFY(ui->saveScreenshot("routing-menu-selected"));
        QVERIFY(ui->click(menuItem("Eyes Up Front")));
        QVERIFY(QTest::qWaitFor([&] { return teamOverlaysRead(""); }, answerTimeoutMs));
    }

    void customMessagesUpToFour()
    {
        openMessageDialog();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(ui->itemWithText("Pick an Icon"));
        fillMessage(createdMessages.at(0), "Collaborate");
        if (QTest::currentTestFailed())
            return;
        QVERIFY(ui->saveScreenshot("message-dialog-create"));
        QVERIFY(showWide("message-dialog-create"));
        QVERIFY(ui->click(ui->itemWithText("CONFIRM")));
        QVERIFY(ui->waitForNamed("menuItem_" + createdMessages.at(0), answerTimeoutMs));
        QVERIFY(ui->waitForFrame());
        const QStringList icons { "", "Quiet", "Break", "Walk" };
        for (int message = 1; message < createdMessages.size() && !QTest::currentTestFailed(); ++message)
            createMessage(createdMessages.at(message), icons.at(message));
        if (QTest::currentTestFailed())
            return;
        const QString messages = "/trellion/api/user_messages";
        QCOMPARE(requestCount("cloud", "POST", messages), 4);

        openMessageDialog();
        if (!QTest::currentTestFailed())
            fillMessage("One too many", "ThumbUp");
        if (QTest::currentTestFailed())
            return;
        QVERIFY(ui->click(ui->itemWithText("CONFIRM")));
        QVERIFY(ui->waitForText("Messages Full"));
        QVERIFY(ui->itemNamed("messageDialog"));
        QCOMPARE(requestCount("cloud", "POST", messages), 4);
        QVERIFY(ui->saveScreenshot("message-dialog-full"));

        QVERIFY(ui->click(ui->itemWithText("Edit")));
        QVERIFY(ui->waitForText("Existing Messages"));
        QVERIFY(ui->itemWithText("CLOSE"));
        QCOMPARE(messageRows(), 5); // the built-in one last, without a delete button
        QVERIFY(!ui->imagesWithSource("DeleteIcon.png").isEmpty());
        QVERIFY(ui->saveScreenshot("message-dialog-edit"));
        QVERIFY(showWide("message-dialog-edit"));
        QQuickItem* deleteButton = ui->imagesWithSource("DeleteIcon.png").first();
        const QString deleted = messageBeside(deleteButton);
        QVERIFY(!deleted.isEmpty());
        QVERIFY(ui->click(deleteButton));
        QVERIFY(ui->waitUntilTextGone("Messages Full"));
        QTRY_COMPARE_WITH_TIMEOUT(messageRows(), 4, answerTimeoutMs);
        QVERIFY(!ui->itemNamed("menuItem_" + deleted));
        QVERIFY(ui->waitForFrame());
        QCOMPARE(requestCount("cloud", "DELETE", messages + "/", true), 1);
        QVERIFY(ui->click(ui->itemWithText("CLOSE")));
        QVERIFY(ui->waitUntilTextGone("Existing Messages"));

        const QString kept = createdMessages.at(deleted == createdMessages.first() ? 1 : 0);
        QVERIFY(ui->click(menuItem(kept)));
        QVERIFY(QTest::qWaitFor([&] { return teamOverlaysRead(kept); }, answerTimeoutMs));
        QVERIFY(ui->saveScreenshot("routing-custom-message"));
    }

    void resetRemovesRoutesAndOverlay()
    {
        QVERIFY(!routeLines().isEmpty());
        QVERIFY(ui->click(menuItem("Reset")));
        QTRY_VERIFY(routeLines().isEmpty());
        QVERIFY(
            QTest::qWaitFor([&] { return noPodHasConnections() && teamOverlaysRead(""); }, answerTimeoutMs));
        QCOMPARE(app.simulator.podState(podOf(-1))["overlayText"].toString(), QString());
        QVERIFY(QTest::qWaitFor([&] { return allBlocksConnected(); }, answerTimeoutMs));
    }

    // Without a pointer: Tab to a block, Enter picks it, Tab on and Enter routes; Shift+Enter shares a
    // block to all and Delete takes its routes back.
    void keyboardAloneRoutes()
    {
        QVERIFY(keyboard());
        QVERIFY(routeLines().isEmpty());
        QVERIFY(!ui->itemNamed("focusRing")); // no ring before a key is pressed
        ui->pressKey(Qt::Key_Tab);
        QCOMPARE(focusedBlock(), -1); // the primary display comes first
        QQuickItem* ring = ui->itemNamed("focusRing");
        QVERIFY(ring);
        QVERIFY(ring->mapRectToScene(ring->boundingRect())
                    .contains(blockView(-1)->mapRectToScene(blockView(-1)->boundingRect())));
        ui->pressKey(Qt::Key_Backtab);
        QCOMPARE(focusedBlock(), teamCount() - 1); // back round to the last team block

        const int sourcePod = podOf(0);
        QVERIFY(tabTo(0));
        ui->pressKey(Qt::Key_Return);
        QCOMPARE(pickedBlock(), 0);
        QVERIFY(tabTo(1));
        QVERIFY(ui->saveScreenshot("routing-keyboard"));
        ui->pressKey(Qt::Key_Return);
        QCOMPARE(pickedBlock(), -2);
        QTRY_COMPARE(routeLines().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(
            sinksOf(sourcePod), QStringList { app.simulator.podAddress(podOf(1)) }, answerTimeoutMs);

        // The rules of a drop hold: Team 2 takes no second route, and the user is told why.
        QVERIFY(tabTo(2));
        ui->pressKey(Qt::Key_Space);
        QCOMPARE(pickedBlock(), 2);
        ui->pressKey(Qt::Key_Backtab);
        QCOMPARE(focusedBlock(), 1);
        ui->pressKey(Qt::Key_Return);
        QVERIFY(ui->waitForText("Team 2 already shows Team 1", WindowDriver::Match::Contains));
        QCOMPARE(routeLines().size(), 1);
        // Escape drops a pick without routing.
        QVERIFY(tabTo(2));
        ui->pressKey(Qt::Key_Return);
        ui->pressKey(Qt::Key_Escape);
        QCOMPARE(pickedBlock(), -2);

        const int pod = podOf(2);
        ui->pressKey(Qt::Key_Return, Qt::ShiftModifier);
        const int shared = 1 + teamCount() - 3; // not itself, Team 2 (taken) nor the sending Team 1
        QTRY_COMPARE(routeLinesFrom(2), shared);
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(pod).size(), shared, answerTimeoutMs);
        QVERIFY(!sinksOf(pod).contains(app.simulator.podAddress(podOf(1))));

        ui->pressKey(Qt::Key_Delete);
        QTRY_VERIFY_WITH_TIMEOUT(connectionsOf(pod).isEmpty(), answerTimeoutMs);
        QCOMPARE(connectionsOf(sourcePod).size(), 1);
        QVERIFY(tabTo(0));
        ui->pressKey(Qt::Key_Delete);
        QTRY_VERIFY(routeLines().isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return noPodHasConnections(); }, answerTimeoutMs));

        // The menu's shortcut shares the primary display; Delete on it takes every route back.
        ui->pressKey(Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(podOf(-1)).size(), teamCount(), answerTimeoutMs);
        QVERIFY(tabTo(-1));
        ui->pressKey(Qt::Key_Delete);
        QTRY_VERIFY(routeLines().isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return noPodHasConnections(); }, answerTimeoutMs));

        // L opens the focused block's live view; Escape closes it and the keys work on.
        ui->pressKey(Qt::Key_L);
        QVERIFY(ui->waitForText("Live view: Primary Display"));
        ui->pressKey(Qt::Key_Escape);
        QVERIFY(ui->waitUntilTextGone("Live view: Primary Display"));
        QVERIFY(tabTo(0));
    }

    // A display switched off mid-class: its block shows "(Disconnected)" with the route drawn
    // interrupted, and once the pod answers again the route is back on it.
    void aDisplayDroppingOutComesBack()
    {
        const int sinkPod = podOf(1);
        QVERIFY(dragBetweenBlocks(0, 1));
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(podOf(0)).size(), 1, answerTimeoutMs);
        const auto reply = app.simulator.control("POST", QString("/pods/%1/power-cycle").arg(sinkPod),
            QJsonDocument(QJsonObject { { "silentMs", droppedOutMs } }));
        QCOMPARE(reply.status, 200);
        // Two missed checks take about ten seconds; the bound leaves room for a loaded machine.
        QVERIFY(ui->waitForText(
            "Team 2's display is not answering", WindowDriver::Match::Contains, 3 * droppedOutMs));
        QVERIFY(ui->itemWithText("(Disconnected)"));
        QVERIFY(!blockView(1)->property("isConnected").toBool());
        QCOMPARE(AccessibilityCheck::nameOf(blockView(1)), QString("Team 2, disconnected"));
        QVERIFY(ui->saveScreenshot("routing-disconnected"));

        QVERIFY(ui->waitForText("Team 2's display is back", WindowDriver::Match::Contains, 3 * droppedOutMs));
        QVERIFY(QTest::qWaitFor([&] { return allBlocksConnected(); }, answerTimeoutMs));
        QVERIFY(ui->waitUntilTextGone("(Disconnected)"));
        QTRY_COMPARE_WITH_TIMEOUT(
            sinksOf(podOf(0)), QStringList { app.simulator.podAddress(sinkPod) }, answerTimeoutMs);
        QVERIFY(app.simulator.podState(sinkPod)["presence"].toBool());
        QVERIFY(ui->saveScreenshot("routing-back"));
        QVERIFY(ui->click(menuItem("Reset")));
        QVERIFY(
            QTest::qWaitFor([&] { return noPodHasConnections() && allBlocksConnected(); }, answerTimeoutMs));
    }

    void previewFollowsThePodAndStopsWhenClosed()
    {
        const int pod = podOf(0);
        QVERIFY(ui->click(previewButtonOf(0)));
        QVERIFY(ui->waitForNamed("snapshotViewer"));
        QVERIFY(ui->waitForText("Live view: Team 1"));
        QQuickItem* viewer = ui->itemNamed("snapshotViewer");
        QTRY_VERIFY_WITH_TIMEOUT(
            viewer->property("picture").value<QObject*>()->property("status").toInt() == 1,
            answerTimeoutMs); // Image.Ready
        QVERIFY(snapshotRequestsTo(pod) > 0);
        const QRgb idle = viewerBackground();
        QVERIFY(ui->saveScreenshot("routing-preview"));

        // The menu lies below the viewer: sharing the front display makes the pod show the stream.
        QVERIFY(ui->click(menuItem("Primary to All")));
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(podOf(-1)).size(), teamCount(), answerTimeoutMs);
        QVERIFY(QTest::qWaitFor([&] { return viewerBackground() != idle; }, answerTimeoutMs));
        QVERIFY(ui->saveScreenshot("routing-preview-routed"));

        QVERIFY(ui->click(viewer));
        QTRY_VERIFY(!viewer->isVisible());
        QTest::qWait(200); // an answer already under way
        const int asked = snapshotRequestsTo(pod);
        QTest::qWait(2500);
        QCOMPARE(snapshotRequestsTo(pod), asked);
    }

    void exitAsksForThePassword()
    {
        const int primaryPod = podOf(-1);
        QVERIFY(ui->click(menuItem("Exit")));
        QVERIFY(ui->waitForText("Exit room?"));
        QVERIFY(ui->itemWithText("Exiting will remove active routes to", WindowDriver::Match::Contains));
        QVERIFY(ui->itemWithText("Enter your password to continue."));
        ui->typeText("not-the-password"); // the field has the focus
        ui->pressKey(Qt::Key_Return);
        QVERIFY(ui->waitForText(
            "Invalid password, please try again.", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(ui->itemWithText("Exit room?"));
        QVERIFY(!noPodHasConnections());
        QVERIFY(ui->saveScreenshot("routing-exit-error"));
        QVERIFY(showWide("routing-exit-error"));

        QVERIFY(app.simulator.clearRequests());
        ui->pressKey(Qt::Key_A, Qt::ControlModifier);
        ui->pressKey(Qt::Key_Backspace);
        ui->typeText(AppFixture::editorPassword);
        QVERIFY(ui->click(ui->itemWithText("EXIT")));
        QVERIFY(homeShown());
        QVERIFY(QTest::qWaitFor([&] { return noPodHasConnections(); }, answerTimeoutMs));
        QCOMPARE(
            requestCount("pod:" + QString::number(primaryPod), "DELETE", routingApi + "/connections"), 1);
    }

    void viewerNeedsAScreenKey()
    {
        QVERIFY(ui->click(ui->waitForImage("DropdownArrow.svg")));
        QVERIFY(ui->click(ui->waitForText("Logout")));
        QVERIFY(form->signIn(AppFixture::viewerEmail, AppFixture::viewerPassword, homeRoom));
        QVERIFY(!state->canUserEdit());
        QTRY_VERIFY_WITH_TIMEOUT(state->isScreenkeyEnabled(), answerTimeoutMs); // asked after signing in

        QVERIFY(ui->click(ui->waitForText(roomName)));
        QVERIFY(ui->waitForNamed("screenKeyDialog", answerTimeoutMs));
        QVERIFY(ui->itemWithText("Enter a Screen Key on one", WindowDriver::Match::Contains));
        QVERIFY(!ui->itemWithText("SKIP")); // the guide came once
        QVERIFY(QTest::qWaitFor([&] { return allBlocksConnected(); }, answerTimeoutMs));
        QVERIFY(ui->saveScreenshot("routing-screen-key"));
        QVERIFY(showWide("routing-screen-key"));

        // The plan does not react behind the gate.
        QVERIFY(dragBetweenBlocks(0, 1));
        QTest::qWait(200);
        QVERIFY(routeLines().isEmpty());

        QStringList keys;
        for (int pod : allPods())
            keys.append(app.simulator.podState(pod)["screenKey"].toString());
        QString wrongKey = "QQQQ";
        while (keys.contains(wrongKey))
            wrongKey[0] = QChar(wrongKey[0].unicode() + 1);
        ui->typeText(wrongKey); // each field passes the focus on
        ui->pressKey(Qt::Key_Return);
        QVERIFY(
            ui->waitForText("That key doesn't match any of the screen keys displayed in " + roomName + ".",
                WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(ui->saveScreenshot("routing-screen-key-mismatch"));
        ui->pressKey(Qt::Key_Escape);
        QVERIFY(ui->waitUntilTextGone("That key doesn't match", WindowDriver::Match::Contains));
        for (int field = 0; field < 4; ++field)
            QVERIFY(ui->itemNamed("screenKeyField" + QString::number(field))
                        ->property("text")
                        .toString()
                        .isEmpty());

        // Typed in lower case: the displays show capitals, and either works.
        ui->typeText(app.simulator.podState(podOf(3))["screenKey"].toString().toLower());
        QVERIFY(ui->click(ui->itemNamed("screenKeyConfirm")));
        QVERIFY(QTest::qWaitFor([&] { return !ui->itemNamed("screenKeyDialog"); }, answerTimeoutMs));
        QVERIFY(dragBetweenBlocks(0, 1));
        QTRY_COMPARE(routeLines().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(connectionsOf(podOf(0)).size(), 1, answerTimeoutMs);
    }

    void closingTheWindowEndsTheSessionFirst()
    {
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(app.simulator.clearRequests());
        QQuickWindow* window = ui->window();
        QElapsedTimer sinceClose;
        sinceClose.start();
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        const QString sourcePod = "pod:" + QString::number(podOf(0));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return requestCount(sourcePod, "DELETE", routingApi + "/connections") > 0
                    || !window->isVisible();
            },
            answerTimeoutMs));
        QVERIFY2(window->isVisible(), "the pods were told only after the window had gone");
        QCOMPARE(requestCount(sourcePod, "DELETE", routingApi + "/connections"), 1);
        QVERIFY(QTest::qWaitFor([&] { return noPodHasConnections(); }, answerTimeoutMs));
        QVERIFY(QTest::qWaitFor([&] { return !window->isVisible(); }, 3000));
        QVERIFY(sinceClose.elapsed() >= 900);
    }
};

QTEST_MAIN(RoutingScreenTest)
#include "RoutingScreenTest.moc"
