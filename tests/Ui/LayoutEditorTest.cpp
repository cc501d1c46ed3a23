#include "AccessibilityCheck.h"
#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "LayoutIcon.h"
#include "PlanCheck.h"
#include "Settings/Settings.h"
#include "StateManager.h"
#include "TeamBlock.h"
#include "WindowDriver.h"

#include <QLineF>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <memory>

// Laying out a demo classroom through the real window: the first-use guide, a team block set up in
// its dialog, loose furniture, moving blocks, the one primary display, saving into the simulated
// cloud service, reopening, and leaving with and without unsaved changes; at last the routing
// screen shows a block fed by another. The test functions run in order on "Lecture Lab" and each
// starts where the previous one left the window.
class LayoutEditorTest : public QObject {
    Q_OBJECT

    static constexpr int answerTimeoutMs = 10000;
    static inline const QString room = QStringLiteral("Lecture Lab");
    static inline const QString newTeam = QStringLiteral("Team 9");
    // The room stores a zoom of 0.8; blocks and drag images are drawn that much smaller.
    static constexpr qreal roomZoom = 0.8;

    AppFixture app { { "--config", TRELLION_DEMO_CONFIG } };
    std::unique_ptr<WindowDriver> ui;
    QString roomId;
    QString newTeamAddress;
    QString primaryAddress;
    QPointF newTeamStored; // design-grid position of the new block after it was moved
    QPointF doorStored;
    QPointF primaryStored;

    static ClassroomLayoutManager* library() { return Globals::getInstance().classroomLayoutManager(); }
    ClassroomLayoutModel* layout() const { return library()->classroomLayout(roomId); }

    TeamBlock* teamNamed(const QString& name) const
    {
        for (TeamBlock* block : layout()->teamBlocks()) {
            if (block->displayName() == name)
                return block;
        }
        return nullptr;
    }

    static bool isOfType(const QQuickItem* item, const char* qmlType)
    {
        return QString(item->metaObject()->className()).startsWith(QLatin1String(qmlType) + "_QML");
    }

    // The view drawing `block` on the canvas or the routing plan (not the dialog's preview).
    QQuickItem* viewOf(const QObject* block) const
    {
        const QList<QQuickItem*> views = ui->itemsWhere([&](const QQuickItem* item) {
            return (isOfType(item, "TeamBlockObject") || isOfType(item, "PrimaryDisplayBlock"))
                && item->property("routingBlockObject").value<QObject*>() == block
                && item->objectName() != "teamBlockPreview";
        });
        return views.isEmpty() ? nullptr : views.last();
    }

    // Blocks and furniture are placed in the editor's coordinates, which start below the top bar.
    QPointF onCanvas(const QPointF& windowPoint) const
    {
        QQuickItem* canvas = ui->itemNamed("editorCanvas");
        return canvas ? canvas->mapFromScene(windowPoint) : QPointF(-1, -1);
    }

    QQuickItem* tile(const QString& iconName) const { return ui->itemNamed("catalogueTile_" + iconName); }

    bool dropFromCatalogue(const QString& iconName, const QPointF& to)
    {
        QQuickItem* from = tile(iconName);
        return from && ui->drag(WindowDriver::centreOf(from), to);
    }

    // Opens a catalogue section and waits for one of its entries.
    bool openSection(const QString& title, const QString& entryIcon)
    {
        return ui->click(ui->itemWithText(title)) && ui->waitForNamed("catalogueTile_" + entryIcon);
    }

    bool chooseFromBlockMenu(const QObject* block, const QString& row)
    {
        QQuickItem* view = viewOf(block);
        QQuickItem* button = view ? view->findChild<QQuickItem*>("blockMenuButton") : nullptr;
        return ui->click(button) && ui->waitForNamed("blockMenu") && ui->click(ui->itemWithText(row));
    }

    bool homeShown() { return ui->waitForText("Studio 4", WindowDriver::Match::Exact, answerTimeoutMs); }

    // The three-dot icon of the card that shows `name`.
    QQuickItem* menuIconOf(const QString& name) { return ui->imageAboveRightOf(name, "ThreeDotMenu.svg"); }

    bool enterEditor()
    {
        return homeShown() && ui->click(menuIconOf(room)) && ui->click(ui->waitForText("Edit"))
            && ui->waitForNamed("exitButton");
    }

    bool exitEditor() { return ui->click(ui->itemNamed("exitButton")); }

    bool leaveDialogShown() { return ui->waitForNamed("leaveDialog", 2000) != nullptr; }

    // The room as the cloud service stores it.
    QJsonObject storedRoom() const
    {
        for (const QJsonValue& stored : app.storedRooms()) {
            if (stored["name"] == room)
                return stored.toObject();
        }
        return {};
    }

    // The last entry of that name: what the editor adds is appended.
    static QJsonObject namedIn(const QJsonArray& list, const QString& name)
    {
        QJsonObject found;
        for (const QJsonValue& entry : list) {
            if (entry["name"] == name)
                found = entry.toObject();
        }
        return found;
    }

    // Documents write numbers as text with three decimals.
    static double number(const QJsonValue& value)
    {
        return value.isString() ? value.toString().toDouble() : value.toDouble();
    }

    static bool near(double a, double b) { return qAbs(a - b) < 0.01; }

    QJsonArray podConnections(int pod) const { return app.simulator.podState(pod)["connections"].toArray(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        ui = std::make_unique<WindowDriver>();
        QVERIFY(ui->isReady());
        QVERIFY(ui->resize(QSize(1024, 768)));
        QVERIFY(app.signInAsEditor());
        QVERIFY(homeShown());
        roomId = storedRoom()["id"].toString();
        QVERIFY(layout());
        newTeamAddress = app.simulator.podAddress(3);
        primaryAddress = app.simulator.podAddress(12);
        QVERIFY(!newTeamAddress.isEmpty() && !primaryAddress.isEmpty());
    }

    void firstVisitShowsTheGuideOnce()
    {
        QVERIFY(Globals::getInstance().settings()->isFirstCreate());
        QVERIFY(enterEditor());
        QVERIFY(
            ui->waitForText("If you have a Primary Display in your space", WindowDriver::Match::Contains));
        QVERIFY(!Globals::getInstance().settings()->isFirstCreate());
        QVERIFY(ui->saveScreenshot("editor-first-use-guide"));
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemWithText("NEXT")));
        QVERIFY(ui->waitForText("Add furniture elements to your room", WindowDriver::Match::Contains));
        QVERIFY(ui->click(ui->itemWithText("NEXT")));
        QVERIFY(ui->waitForText("Select a furniture element to edit size, orientation or to delete it."));
        QVERIFY(!ui->itemWithText("NEXT") && !ui->itemWithText("SKIP")); // the last page only ends
        QVERIFY(ui->click(ui->itemWithText("DONE")));
        QVERIFY(ui->waitUntilTextGone("DONE"));
        QVERIFY(ui->itemWithText(room)); // the catalogue's header
        QVERIFY(ui->saveScreenshot("editor"));

        // Nothing changed: Exit leaves at once, and the guide stays away on the next visit.
        QVERIFY(exitEditor());
        QVERIFY(homeShown());
        QVERIFY(enterEditor());
        QTest::qWait(200);
        QVERIFY(!ui->itemWithText("NEXT"));
    }

    void newTeamBlockThroughItsDialog()
    {
        const int blocksBefore = layout()->teamBlocks().size();
        const QPointF dropAt(220, 640);
        QVERIFY(dropFromCatalogue("DisplayYellow", dropAt));
        QVERIFY(ui->waitForText("New team block"));
        QCOMPARE(layout()->teamBlocks().size(), blocksBefore + 1);
        TeamBlock* added = layout()->teamBlocks().last();
        // Dropped where the drag image's top-left corner was, the pointer at its centre.
        QVERIFY(near(added->displayX(), onCanvas(dropAt).x() - 150 * roomZoom / 2));
        QVERIFY(near(added->displayY(), onCanvas(dropAt).y() - 177 * roomZoom / 2));
        // Block mode: only what a block can hold is offered.
        QVERIFY(!ui->itemWithText("Door") && !tile("DisplayYellow"));
        QVERIFY(tile("RoundTableYellow"));

        QVERIFY(ui->click(ui->itemNamed("teamBlockSave")));
        QVERIFY(ui->waitForText("A team needs a name."));
        QVERIFY(ui->itemWithText("New team block")); // a blank name is refused, and says so
        QVERIFY(ui->saveScreenshot("editor-team-dialog-blank"));
        QVERIFY(ui->click(ui->itemWithText("Enter Team Name")));
        ui->typeText(newTeam);
        QVERIFY(ui->waitUntilTextGone("A team needs a name."));
        QVERIFY(ui->click(ui->itemNamed("teamBlockSave")));
        QVERIFY(ui->waitForText("A team needs its pod's address."));
        QVERIFY(ui->itemWithText("New team block")); // and so is a blank address
        QVERIFY(ui->click(ui->itemWithText("Enter Pod Address")));
        ui->typeText(newTeamAddress);

        TeamBlock* staging = library()->stagingTeamBlock();
        QVERIFY(dropFromCatalogue("RectangleTableYellow", QPointF(400, 400)));
        QTRY_COMPARE(staging->teamTableIcon(), QString("RectangleTableYellow"));
        QVERIFY(openSection("Chairs", "ChairRoundYellow"));
        // Two chairs land as far apart as they were dropped.
        const QPointF firstDrop(470, 450), secondDrop(420, 520);
        QVERIFY(dropFromCatalogue("ChairRoundYellow", firstDrop));
        QVERIFY(dropFromCatalogue("ChairRoundYellow", secondDrop));
        QTRY_COMPARE(staging->teamFurniture().size(), 2);
        LayoutIcon* chair = staging->teamFurniture().first();
        QCOMPARE(chair->iconName(), QString("ChairRoundYellow"));
        QQuickItem* preview = ui->itemNamed("teamBlockPreview");
        const QList<QQuickItem*> chairs = ui->itemsWhere([&](const QQuickItem* item) {
            return preview->isAncestorOf(item) && item->inherits("QQuickImage") && item->isVisible()
                && item->property("source").toString().endsWith("ChairRoundYellow.svg");
        });
        QCOMPARE(chairs.size(), 2);
        const QPointF apart = chairs.at(1)->mapToScene({}) - chairs.at(0)->mapToScene({});
        QVERIFY2((apart - (secondDrop - firstDrop)).manhattanLength() < 2,
            qPrintable(QString("%1,%2").arg(apart.x()).arg(apart.y())));
        QVERIFY(ui->click(chairs.at(0)));
        QQuickItem* plus = ui->imageWithSource("PlusIconDark.png");
        for (int i = 0; i < 9; ++i)
            QVERIFY(ui->click(plus));
        QVERIFY(near(chair->iconScale(), 2.8));
        for (int i = 0; i < 3; ++i)
            QVERIFY(ui->click(plus));
        QVERIFY(near(chair->iconScale(), 3.0));

        QVERIFY(ui->click(ui->itemNamed("audioSwitch")));
        QTRY_VERIFY(staging->isAudioSource());
        QVERIFY(ui->saveScreenshot("editor-team-dialog"));

        QVERIFY(app.simulator.clearRequests());
        QVERIFY(ui->click(ui->itemNamed("teamBlockSave")));
        QVERIFY(ui->waitUntilTextGone("New team block"));
        QCOMPARE(added->displayName(), newTeam);
        QCOMPARE(added->displayAddress(), newTeamAddress);
        QCOMPARE(added->teamTableIcon(), QString("RectangleTableYellow"));
        QVERIFY(added->isAudioSource());
        QCOMPARE(added->teamFurniture().size(), 2);
        QVERIFY(near(added->teamFurniture().first()->iconScale(), 3.0));
        QVERIFY(ui->itemWithText(newTeam)); // drawn on the canvas with its name
        QVERIFY(tile("DisplayYellow")); // the catalogue is back in normal mode
        // The block asks its pod who it is.
        QTRY_VERIFY_WITH_TIMEOUT(!app.simulator.requestsTo(newTeamAddress).isEmpty(), answerTimeoutMs);
    }

    void looseFurnitureAndMovingABlock()
    {
        const int furnitureBefore = layout()->furniture().size();
        QVERIFY(openSection("Door", "DoorYellow"));
        const QPointF dropAt(960, 640);
        QVERIFY(dropFromCatalogue("DoorYellow", dropAt));
        QTRY_COMPARE(layout()->furniture().size(), furnitureBefore + 1);
        const LayoutIcon* door = layout()->furniture().last();
        QCOMPARE(door->iconName(), QString("DoorYellow"));
        QVERIFY(near(door->iconScale(), 2.0));
        // The 80 by 80 drag image's top-left corner moved right by half its width, up by half its height.
        doorStored = onCanvas(dropAt) + QPointF(0, -80);
        QVERIFY(near(door->iconX(), doorStored.x()) && near(door->iconY(), doorStored.y()));

        TeamBlock* block = teamNamed(newTeam);
        QQuickItem* view = viewOf(block);
        QVERIFY(view);
        const QPointF before(block->displayX(), block->displayY());
        const QPointF from = WindowDriver::centreOf(view);
        QVERIFY(ui->drag(from, from + QPointF(120, -40)));
        // Stored where the view was left; the drag starts once the pointer passed the threshold.
        QTRY_VERIFY(near(block->displayX(), view->x()) && near(block->displayY(), view->y()));
        const QPointF moved = QPointF(block->displayX(), block->displayY()) - before;
        QVERIFY2(moved.x() > 90 && moved.x() <= 120, qPrintable(QString::number(moved.x())));
        QVERIFY2(moved.y() < -25 && moved.y() >= -40, qPrintable(QString::number(moved.y())));
        newTeamStored = QPointF(block->displayX(), block->displayY());
        QVERIFY(openSection("Displays", "PrimaryFlatScreen"));
    }

    void onlyOnePrimaryDisplay()
    {
        QVERIFY(layout()->primaryDisplay());
        QVERIFY(chooseFromBlockMenu(layout()->primaryDisplay(), "Delete"));
        QTRY_VERIFY(!layout()->hasPrimaryDisplay());
        QVERIFY(tile("PrimaryFlatScreen")->isEnabled());

        const QPointF dropAt(600, 220); // inside the room's top wall
        QVERIFY(dropFromCatalogue("PrimaryFlatScreen", dropAt));
        QVERIFY(ui->waitForText("Lumaret Pod.", WindowDriver::Match::Contains));
        ClassroomPrimaryDisplay* display = layout()->primaryDisplay();
        QVERIFY(display);
        primaryStored = onCanvas(dropAt) - QPointF(120 * roomZoom / 2, 104 * roomZoom / 2);
        QVERIFY(near(display->displayX(), primaryStored.x()) && near(display->displayY(), primaryStored.y()));
        QVERIFY(ui->click(ui->itemNamed("primarySave")));
        QVERIFY(ui->waitForText("A primary display needs its pod's address."));
        QVERIFY(
            ui->itemWithText("Lumaret Pod.", WindowDriver::Match::Contains)); // a blank address is refused
        QVERIFY(ui->click(ui->itemNamed("primaryAddressInput")));
        ui->typeText(primaryAddress);
        QVERIFY(ui->click(ui->itemNamed("audioSwitch")));
        QVERIFY(ui->saveScreenshot("editor-primary-dialog"));
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemNamed("primarySave")));
        QVERIFY(ui->waitUntilTextGone("Lumaret Pod.", WindowDriver::Match::Contains));
        QCOMPARE(display->displayAddress(), primaryAddress);
        QVERIFY(display->isAudioSource());

        // A second one is refused: the catalogue entry does nothing.
        QVERIFY(!tile("PrimaryFlatScreen")->isEnabled());
        QVERIFY(dropFromCatalogue("PrimaryFlatScreen", QPointF(800, 160)));
        QTest::qWait(100);
        QVERIFY(!ui->itemWithText("Lumaret Pod.", WindowDriver::Match::Contains));
        QCOMPARE(layout()->primaryDisplay(), display);
        QVERIFY(near(display->displayX(), primaryStored.x()));
    }

    void saveStoresTheDocument()
    {
        QVERIFY(Globals::getInstance().stateManager()->saveRequired());
        QVERIFY(ui->click(ui->itemNamed("saveButton")));
        QVERIFY(ui->waitForText("Room Saved", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(!Globals::getInstance().stateManager()->saveRequired());
        QVERIFY(ui->saveScreenshot("editor-saved"));
        QVERIFY(ui->waitUntilTextGone("Room Saved", WindowDriver::Match::Exact, 4000)); // it fades out

        const QJsonObject stored = storedRoom();
        QCOMPARE(stored["teamblocks"].toArray().size(), 9);
        QVERIFY(near(number(stored["roomscale"]), roomZoom));
        const QJsonObject block = namedIn(stored["teamblocks"].toArray(), newTeam);
        QCOMPARE(block["address"].toString(), newTeamAddress);
        QVERIFY(near(number(block["x"]), newTeamStored.x()) && near(number(block["y"]), newTeamStored.y()));
        QCOMPARE(block["displayicon"].toString(), QString("DisplayYellow"));
        QCOMPARE(block["tableicon"].toString(), QString("RectangleTableYellow"));
        const QJsonArray inside = block["furniture"].toArray();
        QCOMPARE(inside.size(), 2);
        QCOMPARE(inside[0]["name"].toString(), QString("ChairRoundYellow"));
        QVERIFY(near(number(inside[0]["scale"]), 3.0));

        const QJsonObject primary = stored["primarydisplay"].toObject();
        QVERIFY(primary["active"].toBool());
        QCOMPARE(primary["address"].toString(), primaryAddress);
        QVERIFY(
            near(number(primary["x"]), primaryStored.x()) && near(number(primary["y"]), primaryStored.y()));
        QCOMPARE(
            stored["audioSources"].toString().split(','), QStringList({ primaryAddress, newTeamAddress }));

        const QJsonObject door = namedIn(stored["furniture"].toArray(), "DoorYellow");
        QVERIFY(near(number(door["x"]), doorStored.x()) && near(number(door["y"]), doorStored.y()));
        QVERIFY(near(number(door["scale"]), 2.0));
    }

    void reopenedRoomIsAsLeft()
    {
        QVERIFY(exitEditor());
        QVERIFY(homeShown());
        QSignalSpy loaded(library(), &ClassroomLayoutManager::orbethRequestSuccess);
        QVERIFY(ui->click(ui->itemNamed("refreshButton")));
        QVERIFY(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, answerTimeoutMs));
        QVERIFY(enterEditor());

        TeamBlock* block = teamNamed(newTeam);
        QVERIFY(block);
        QVERIFY(viewOf(block) && ui->itemWithText(newTeam));
        QVERIFY(near(block->displayX(), newTeamStored.x()) && near(block->displayY(), newTeamStored.y()));
        QCOMPARE(block->displayAddress(), newTeamAddress);
        QVERIFY(block->isAudioSource());
        QCOMPARE(block->teamTableIcon(), QString("RectangleTableYellow"));
        QCOMPARE(block->teamFurniture().size(), 2);
        QVERIFY(layout()->primaryDisplay() && viewOf(layout()->primaryDisplay()));
        QCOMPARE(layout()->primaryDisplay()->displayAddress(), primaryAddress);
        QVERIFY(layout()->primaryDisplay()->isAudioSource());
        QCOMPARE(layout()->furniture().last()->iconName(), QString("DoorYellow"));
        QVERIFY(!tile("PrimaryFlatScreen")->isEnabled());
    }

    // Arrows move what was clicked one design-grid step, ten with Shift; Ctrl+S saves; Delete removes.
    void keysMoveSaveAndRemove()
    {
        TeamBlock* block = teamNamed(newTeam);
        QVERIFY(ui->click(viewOf(block)));
        QVERIFY(ui->itemNamed("selectionRing"));
        const QPointF before(block->displayX(), block->displayY());
        ui->pressKey(Qt::Key_Right);
        ui->pressKey(Qt::Key_Down, Qt::ShiftModifier);
        ui->pressKey(Qt::Key_Left, Qt::ShiftModifier);
        const QPointF moved = QPointF(block->displayX(), block->displayY()) - before;
        QVERIFY(near(moved.x(), -9) && near(moved.y(), 10));
        QVERIFY(Globals::getInstance().stateManager()->saveRequired());
        QTRY_VERIFY(
            near(viewOf(block)->x(), block->displayX()) && near(viewOf(block)->y(), block->displayY()));

        ui->pressKey(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(ui->waitForText("Room Saved", WindowDriver::Match::Exact, answerTimeoutMs));
        QVERIFY(!Globals::getInstance().stateManager()->saveRequired());
        const QJsonObject stored = namedIn(storedRoom()["teamblocks"].toArray(), newTeam);
        QVERIFY(near(number(stored["x"]), block->displayX()) && near(number(stored["y"]), block->displayY()));

        const int furnitureBefore = layout()->furniture().size();
        const LayoutIcon* door = layout()->furniture().last();
        const QList<QQuickItem*> doorViews = ui->itemsWhere([&](const QQuickItem* item) {
            return isOfType(item, "CanvasFurniture") && item->property("icon").value<QObject*>() == door;
        });
        QCOMPARE(doorViews.size(), 1);
        QVERIFY(ui->click(doorViews.first()));
        ui->pressKey(Qt::Key_Delete);
        QTRY_COMPARE(layout()->furniture().size(), furnitureBefore - 1);
        QVERIFY(Globals::getInstance().stateManager()->saveRequired()); // dropped on leaving below
    }

    void leavingWithUnsavedChangesAsksFirst()
    {
        QVERIFY(chooseFromBlockMenu(teamNamed("Team 8"), "Delete"));
        QTRY_VERIFY(!teamNamed("Team 8"));

        QVERIFY(exitEditor());
        QVERIFY(leaveDialogShown());
        QVERIFY(ui->itemWithText("Are you sure you want to leave?", WindowDriver::Match::Contains));
        QVERIFY(ui->saveScreenshot("editor-leave-dialog"));
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemWithText("CANCEL")));
        QTRY_VERIFY(!ui->itemNamed("leaveDialog"));
        QVERIFY(ui->itemNamed("exitButton") && !teamNamed("Team 8"));

        QSignalSpy reloaded(library(), &ClassroomLayoutManager::orbethRequestSuccess);
        QVERIFY(exitEditor());
        QVERIFY(leaveDialogShown());
        QVERIFY(ui->click(ui->itemWithText("EXIT")));
        QVERIFY(homeShown());
        QVERIFY(QTest::qWaitFor([&] { return !reloaded.isEmpty(); }, answerTimeoutMs));
        QVERIFY(teamNamed("Team 8")); // the unsaved deletion is gone
        QVERIFY(teamNamed(newTeam));
        QCOMPARE(layout()->teamBlocks().size(), 9);
    }

    // The plan keeps its proportions; twice as wide, it keeps its size, centred, on the design grid.
    void wideWindowKeepsTheDesignGrid()
    {
        QVERIFY(enterEditor());
        TeamBlock* first = teamNamed("Team 1");
        QQuickItem* view = viewOf(first);
        QVERIFY(view);
        // Resizing the window is no edit: the stored size stays in design-grid units.
        const QSizeF storedSize(first->displayWidth(), first->displayHeight());
        QVERIFY(ui->resize(WindowDriver::panelSize) && ui->resize(WindowDriver::designSize));
        QCOMPARE(QSizeF(first->displayWidth(), first->displayHeight()), storedSize);
        QVERIFY(!Globals::getInstance().stateManager()->saveRequired());

        const QString stored = layout()->classroomType();
        for (const char* type : { "square", "open", "rectangle" }) {
            layout()->setClassroomType(type);
            const QStringList problems = planProblems(*ui, view, nullptr, ui->itemNamed("saveBar"));
            QVERIFY2(problems.isEmpty(), qPrintable(type + (": " + problems.join("; "))));
        }
        layout()->setClassroomType(stored);

        QVERIFY(ui->resize(QSize(2048, 768)));
        QVERIFY(ui->saveScreenshot("editor-wide"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));

        const qreal centred = (2048 - 1024) / 2;
        QVERIFY(near(view->x(), centred + first->displayX()));
        const QPointF before(first->displayX(), first->displayY());
        const QPointF from = WindowDriver::centreOf(view);
        QVERIFY(ui->drag(from, from + QPointF(100, 0)));
        QTRY_VERIFY(near(first->displayX(), view->x() - centred));
        QVERIFY2(first->displayX() - before.x() > 70 && first->displayX() - before.x() <= 100,
            qPrintable(QString::number(first->displayX())));
        QVERIFY(near(first->displayY(), before.y()));

        // An edited block cancelled keeps its values.
        TeamBlock* added = teamNamed(newTeam);
        QVERIFY(chooseFromBlockMenu(added, "Edit"));
        QVERIFY(ui->waitForText("Edit team block"));
        QVERIFY(ui->saveScreenshot("editor-team-dialog-wide"));
        QVERIFY(ui->isLayoutReadable());
        QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
        QVERIFY(ui->click(ui->itemNamed("teamNameInput")));
        ui->pressKey(Qt::Key_A, Qt::ControlModifier);
        ui->typeText("Renamed");
        ui->pressKey(Qt::Key_Escape); // cancels, as CANCEL does
        QVERIFY(ui->waitUntilTextGone("Edit team block"));
        QCOMPARE(added->displayName(), newTeam);

        QSignalSpy reloaded(library(), &ClassroomLayoutManager::orbethRequestSuccess);
        QVERIFY(exitEditor());
        QVERIFY(leaveDialogShown()); // the move is an unsaved change
        QVERIFY(ui->click(ui->itemWithText("EXIT")));
        QVERIFY(homeShown());
        QVERIFY(QTest::qWaitFor([&] { return !reloaded.isEmpty(); }, answerTimeoutMs));
        QVERIFY(ui->resize(QSize(1024, 768)));
    }

    // A route from Team 1 to Team 2 fills Team 2's display with Team 1's colour.
    void routingShowsTheSunkBlock()
    {
        QVERIFY(homeShown());
        QVERIFY(ui->click(ui->itemWithText(room)));
        QVERIFY(ui->waitForText("SKIP"));
        QVERIFY(ui->click(ui->itemWithText("SKIP")));
        QVERIFY(ui->waitUntilTextGone("SKIP"));

        TeamBlock* source = teamNamed("Team 1");
        TeamBlock* sink = teamNamed("Team 2");
        // A block takes routes once its pod accepted the configure.
        QTRY_VERIFY_WITH_TIMEOUT(source->isConnected() && sink->isConnected(), answerTimeoutMs);
        QVERIFY(ui->drag(viewOf(source), viewOf(sink)));
        QTRY_VERIFY(sink->isBeingSinkedInto());
        QCOMPARE(sink->colorOfRoutingSource(), source->displayColor());
        QTRY_VERIFY_WITH_TIMEOUT(!podConnections(4).isEmpty(), answerTimeoutMs);
        QVERIFY(ui->saveScreenshot("routing-sunk"));

        QVERIFY(ui->click(ui->itemNamed("menuItem_Exit")));
        QVERIFY(ui->waitForNamed("exitDialog"));
        QVERIFY(ui->click(ui->itemNamed("exitPasswordField")));
        ui->typeText(AppFixture::editorPassword);
        QVERIFY(ui->click(ui->itemWithText("EXIT")));
        QVERIFY(homeShown());
        QTRY_VERIFY_WITH_TIMEOUT(podConnections(4).isEmpty(), answerTimeoutMs);
    }
};

QTEST_MAIN(LayoutEditorTest)
#include "LayoutEditorTest.moc"
