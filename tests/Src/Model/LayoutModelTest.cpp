#include "ClassroomLayoutModel.h"
#include "LayoutIcon.h"
#include "ModelTestSupport.h"
#include "TeamBlock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QPointer>

using ModelTest::LogMark;

namespace {

QJsonObject readDocument(const QString& name, const QString& directory = LAYOUT_DATA_DIR)
{
    QFile file(directory + '/' + name);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonArray repeated(const QJsonObject& element, int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(element);
    return array;
}

// One stored value of a model read from a document: "room", "block" (the first team block),
// "chair" (its first furniture), "door" (the first room furniture) or "primary", and a property.
double valueOf(const ClassroomLayoutModel& model, const QString& path)
{
    const QString owner = path.section('.', 0, 0);
    const TeamBlock* block = model.teamBlocks().value(0);
    const QMap<QString, const QObject*> owners { { "room", &model }, { "block", block },
        { "chair", block ? block->teamFurniture().value(0) : nullptr },
        { "door", model.furniture().value(0) }, { "primary", model.primaryDisplay() } };
    const QObject* object = owners.value(owner);
    return object->property(qPrintable(path.section('.', 1))).toDouble();
}

// A fresh invalid-id marker is written on every write; anything else must match.
QJsonValue withoutFreshIds(const QJsonValue& value)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& element : value.toArray())
            array.append(withoutFreshIds(element));
        return array;
    }
    QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.value().toString().startsWith("Invalid<"))
            it.value() = "fresh";
        else if (it.value().isObject() || it.value().isArray())
            it.value() = withoutFreshIds(it.value());
    }
    return object;
}

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<int> iconIndexes(const QList<LayoutIcon*>& icons)
{
    QList<int> indexes;
    for (const LayoutIcon* icon : icons)
        indexes << icon->iconIndex();
    return indexes;
}

} // namespace

// The classroom model, its team blocks and furniture, and the layout document.
class LayoutModelTest : public QObject {
    Q_OBJECT

    // Team A at (100, 200) with two chairs, plus two more blocks and a primary display.
    static void fill(ClassroomLayoutModel& model)
    {
        model.setClassroomId("room-1");
        model.setClassroomName("Lab");
        model.addPrimaryDisplay(480, 40);
        model.primaryDisplay()->setDisplayAddress("127.0.0.1:1805");
        for (int i = 0; i < 3; ++i)
            model.addTeamBlock(100 + 300 * i, 200, "DisplayYellow");
        TeamBlock* a = model.teamBlocks()[0];
        a->setDisplayName("Team A");
        a->setDisplayAddress("127.0.0.1:1808");
        a->setDisplayColor("#3fa9f5");
        a->setTeamTableIcon("RoundTableYellow");
        a->setTeamRotation(-15.25);
        a->setIsAudioSource(true);
        a->addFurniture(10, 20, "ChairRoundYellow", 1.0);
        a->addFurniture(30.125, 20, "ChairSquareYellow", 1.25);
        model.teamBlocks()[2]->setDisplayAddress("127.0.0.1:1809");
        model.addFurniture(900, 700, "DoorYellow", 1.5);
    }

private slots:
    void initTestCase() { ModelTest::startApplication(); }

    void settersCompareExactly()
    {
        ClassroomLayoutModel model;
        ModelTest::checkSetters(&model, {});
        LayoutIcon icon;
        ModelTest::checkSetters(&icon, { "iconIndex" });
    }

    // Team blocks and their furniture

    void teamFurnitureIsRenumbered()
    {
        TeamBlock block(2);
        QSignalSpy furniture(&block, &TeamBlock::teamFurnitureChanged);
        LogMark log;
        QCOMPARE(block.addFurniture(1, 2, "ChairRoundYellow", 1.0), 0);
        QCOMPARE(block.addFurniture(3, 4, "", 1.0), 1);
        QCOMPARE(block.addFurniture(5, 6, "DoorYellow", 2.0), 2);
        QCOMPARE(log.count("info", "Warning: adding null"), 1);
        QCOMPARE(block.teamFurniture()[2]->iconRotation(), 0.0);
        QCOMPARE(block.teamFurniture()[2]->iconScale(), 2.0);

        QPointer<LayoutIcon> removed = block.teamFurniture()[1];
        QSignalSpy renumbered(block.teamFurniture()[2], &LayoutIcon::iconIndexChanged);
        ModelTest::state()->requireSave(false);
        block.removeFurnitureAt(1);
        QCOMPARE(iconIndexes(block.teamFurniture()), (QList<int> { 0, 1 }));
        QCOMPARE(block.teamFurniture()[1]->iconName(), QString("DoorYellow"));
        QCOMPARE(renumbered.size(), 1);
        QCOMPARE(furniture.size(), 4);
        QVERIFY(ModelTest::state()->saveRequired());
        QVERIFY(removed); // deleted on the next pass of the event loop
        deleteLaterNow();
        QVERIFY(!removed);

        block.removeFurnitureAt(2);
        block.removeFurnitureAt(-1);
        QCOMPARE(log.count("error", "Block [2]: Trying to remove furniture at bad index: iconIndex=[2]"), 1);
        QCOMPARE(log.count("error", "Block [2]: Trying to remove furniture at bad index: iconIndex=[-1]"), 1);
        QCOMPARE(block.teamFurniture().size(), 2);
    }

    void copyTakesEverythingButRoutingState()
    {
        ClassroomLayoutModel model;
        fill(model);
        TeamBlock* original = model.teamBlocks()[0];
        original->setDeviceId("Pod_1");
        TeamBlock target(9);
        target.addFurniture(0, 0, "DoorYellow", 1.0);
        QPointer<LayoutIcon> old = target.teamFurniture()[0];
        QSignalSpy furniture(&target, &TeamBlock::teamFurnitureChanged);

        target.copy(original, false);
        QCOMPARE(target.blockIndex(), 9);
        for (const char* name : { "displayName", "displayAddress", "displayIcon", "displayColor", "displayX",
                 "displayY", "displayWidth", "displayHeight", "teamRotation", "teamTableIcon",
                 "teamTableIconRotation", "teamTableIconScale", "deviceId", "isAudioSource" })
            QVERIFY2(target.property(name) == original->property(name), name);
        QCOMPARE(furniture.size(), 1);
        QCOMPARE(iconIndexes(target.teamFurniture()), (QList<int> { 0, 1 }));
        for (int i = 0; i < 2; ++i) {
            for (const char* name : { "iconName", "iconX", "iconY", "iconRotation", "iconScale" })
                QVERIFY(target.teamFurniture()[i]->property(name)
                    == original->teamFurniture()[i]->property(name));
            QVERIFY(target.teamFurniture()[i] != original->teamFurniture()[i]);
        }
        deleteLaterNow();
        QVERIFY(!old);

        target.copy(original, true);
        QCOMPARE(target.blockIndex(), 0);
        target.copy(&target, false);
        QCOMPARE(target.teamFurniture().size(), 2);

        LogMark log;
        target.copy(nullptr, false);
        QCOMPARE(log.count("error", "Block [0]: Failed to copy from null"), 1);
    }

    void teamBlockObject()
    {
        TeamBlock block(0);
        block.setDisplayName("T");
        block.setDisplayX(120.5);
        block.setDisplayY(-15.25);
        block.setTeamRotation(1234.5678);
        block.setTeamTableIconRotation(45.5);
        block.addFurniture(1, 2, "ChairRoundYellow", 1.0);
        block.addFurniture(3, 4, "", 1.0);
        LogMark log;
        const QJsonObject written = block.toJson();
        QCOMPARE(log.count("warning", "Furniture Icon has no name"), 1);
        QCOMPARE(written["x"], QJsonValue("120.500"));
        QCOMPARE(written["y"], QJsonValue("-15.250"));
        QCOMPARE(written["rotation"], QJsonValue("1234.568"));
        QCOMPARE(written["tableiconrotation"], QJsonValue(45.5));
        QCOMPARE(written["tableiconscale"], QJsonValue(2.0));
        QCOMPARE(written["furniture"].toArray().size(), 1);
        QCOMPARE(written["furniture"][0].toObject(),
            QJsonObject({ { "x", "1.000" }, { "y", "2.000" }, { "rotation", "0.000" }, { "scale", "1.000" },
                { "name", "ChairRoundYellow" } }));
        QVERIFY(written["displayid"].toString().startsWith("Invalid<"));
        QVERIFY(written["displayid"] != block.toJson()["displayid"]);

        // Our own strings read back as the numbers they hold.
        std::unique_ptr<TeamBlock> read(TeamBlock::fromJson(written, 4, nullptr));
        QCOMPARE(read->blockIndex(), 4);
        QCOMPARE(read->displayX(), 120.5);
        QCOMPARE(read->displayY(), -15.25);
        QCOMPARE(read->teamRotation(), 154.568); // modulo 360
        QCOMPARE(read->teamFurniture()[0]->iconY(), 2.0);
        QCOMPARE(read->displayWidth(), 150.0);
        QVERIFY(!read->isAudioSource());
    }

    void teamBlockObjectDefaultsAndLegacyNames_data()
    {
        QTest::addColumn<QJsonObject>("object");
        QTest::addColumn<QString>("displayIcon");
        QTest::newRow("empty") << QJsonObject() << QString();
        QTest::newRow("projector") << QJsonObject { { "displayicon", "ProjectorYellow2" } }
                                   << "ProjectorYellow";
        QTest::newRow("display") << QJsonObject { { "displayicon", "DisplayYellow2" } } << "DisplayYellow";
    }

    void teamBlockObjectDefaultsAndLegacyNames()
    {
        QFETCH(QJsonObject, object);
        QFETCH(QString, displayIcon);
        std::unique_ptr<TeamBlock> block(TeamBlock::fromJson(object, 1, nullptr));
        QCOMPARE(block->displayIcon(), displayIcon);
        QCOMPARE(block->teamTableIconScale(), 0.0);
        QVERIFY(block->displayColor().isEmpty());
        QVERIFY(block->teamFurniture().isEmpty());
        QVERIFY(block->deviceId().startsWith("Invalid<"));
    }

    // The classroom

    void blockAddressing()
    {
        ClassroomLayoutModel model;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(model.addTeamBlock(i, i, "DisplayYellow"), i);
        LogMark log;
        QCOMPARE(model.routableBlock(-1), nullptr);
        QVERIFY(log.isEmpty());
        QCOMPARE(model.routableBlock(7), nullptr);
        QCOMPARE(model.routableBlock(-2), nullptr);
        QCOMPARE(log.count("warning", "Returning null team block! index=[7]"), 1);
        QCOMPARE(log.count("warning", "Returning null team block! index=[-2]"), 1);
        QCOMPARE(model.routableBlock(2), model.teamBlocks()[2]);
        model.addPrimaryDisplay(1, 2);
        QCOMPARE(model.routableBlock(-1), model.primaryDisplay());
        QCOMPARE(model.primaryDisplay()->displayX(), 1.0);
    }

    void removingATeamBlockRenumbers()
    {
        ClassroomLayoutModel model;
        model.setClassroomId("room-9");
        for (int i = 0; i < 3; ++i)
            model.addTeamBlock(0, 0, "DisplayYellow");
        QPointer<TeamBlock> removed = model.teamBlocks()[1];
        TeamBlock* last = model.teamBlocks()[2];
        QSignalSpy renumbered(last, &RoutableBlock::blockIndexChanged);
        QSignalSpy blocks(&model, &ClassroomLayoutModel::teamBlocksChanged);
        ModelTest::state()->requireSave(false);

        model.removeTeamBlockAt(1);
        QCOMPARE(model.teamBlocks().size(), 2);
        QCOMPARE(model.teamBlocks()[1], last);
        QCOMPARE(last->blockIndex(), 1);
        QCOMPARE(renumbered.size(), 1);
        QCOMPARE(blocks.size(), 1);
        QVERIFY(ModelTest::state()->saveRequired());
        deleteLaterNow();
        QVERIFY(!removed);

        LogMark log;
        model.removeTeamBlockAt(2);
        QCOMPARE(log.count("warning", "Classroom [room-9]: Index out of range: max=[2]"), 1);
        QCOMPARE(model.teamBlocks().size(), 2);
    }

    void duplicateAppendsACopy()
    {
        ClassroomLayoutModel model;
        fill(model);
        LogMark log;
        model.duplicateTeamBlock(0);
        QCOMPARE(log.count("info", "Classroom [room-1]: Duplicating Team Block: originalBlockIndex=[0]"), 1);
        QCOMPARE(model.teamBlocks().size(), 4);
        TeamBlock* original = model.teamBlocks()[0];
        TeamBlock* copy = model.teamBlocks()[3];
        QCOMPARE(copy->blockIndex(), 3);
        QCOMPARE(copy->displayName(), QString("Copy of Team A"));
        QCOMPARE(copy->displayX(), 150.0);
        QCOMPARE(copy->displayY(), 250.0);
        QCOMPARE(copy->displayAddress(), original->displayAddress());
        QCOMPARE(copy->displayIcon(), original->displayIcon());
        QCOMPARE(copy->displayColor(), original->displayColor());
        QVERIFY(copy->isAudioSource());
        QCOMPARE(copy->teamFurniture().size(), 2);

        model.duplicateTeamBlock(4);
        QCOMPARE(
            log.count("error", "Can't duplicate Team Block: out of range: originalBlockIndex=[4] size=[4]"),
            1);
        QCOMPARE(model.teamBlocks().size(), 4);
    }

    void roomFurniture()
    {
        ClassroomLayoutModel model;
        for (int i = 0; i < 3; ++i)
            model.addFurniture(i, i, QString(), 1.0);
        QCOMPARE(iconIndexes(model.furniture()), (QList<int> { 0, 1, 2 }));
        LogMark log;
        model.removeFurnitureAt(0);
        model.removeFurnitureAt(5);
        QCOMPARE(iconIndexes(model.furniture()), (QList<int> { 0, 1 }));
        QCOMPARE(model.furniture()[0]->iconX(), 1.0);
        QVERIFY(log.isEmpty());
        // Room furniture is written even without a name.
        QCOMPARE(model.toJson()["furniture"].toArray().size(), 2);
    }

    void primaryDisplayIsReplacedAndRemoved()
    {
        ClassroomLayoutModel model;
        model.setClassroomId("room-3");
        QSignalSpy changed(&model, &ClassroomLayoutModel::primaryDisplayChanged);
        model.addPrimaryDisplay(1, 1);
        QPointer<ClassroomPrimaryDisplay> first = model.primaryDisplay();
        model.addPrimaryDisplay(2, 2);
        QCOMPARE(model.primaryDisplay()->displayX(), 2.0);
        deleteLaterNow();
        QVERIFY(!first);
        model.removePrimaryDisplay();
        QVERIFY(!model.hasPrimaryDisplay());
        QCOMPARE(changed.size(), 3);
        LogMark log;
        model.removePrimaryDisplay();
        QCOMPARE(log.count("warning", "Classroom [room-3]: No Primary Display to remove"), 1);

        const QJsonObject absent = model.toJson()["primarydisplay"].toObject();
        QCOMPARE(absent["active"], QJsonValue(false));
        QVERIFY(absent["id"].toString().startsWith("Invalid<"));
    }

    void audioSources()
    {
        ClassroomLayoutModel model;
        fill(model);
        model.teamBlocks()[0]->setIsAudioSource(false);
        QCOMPARE(model.toJson()["audioSources"], QJsonValue(""));
        QCOMPARE(model.countAudioSources(), 0);

        LogMark log;
        model.setAudioSource(-1, true);
        model.setAudioSource(2, true);
        model.setAudioSource(3, true);
        QCOMPARE(
            log.count("info", "Classroom [room-1]: Setting audio source: blockIndex=[2] isEnabled=[true]"),
            1);
        QCOMPARE(model.countAudioSources(), 2);
        QCOMPARE(model.toJson()["audioSources"], QJsonValue("127.0.0.1:1805,127.0.0.1:1809"));

        // Decoding sets the named blocks and leaves the others alone, even those without an address.
        model.setAudioSource(-1, false);
        model.setAudioSource(1, true);
        model.decodeAudioSources();
        QVERIFY(model.primaryDisplay()->isAudioSource());
        QVERIFY(model.teamBlocks()[1]->isAudioSource());
        QVERIFY(!model.teamBlocks()[0]->isAudioSource());

        ClassroomLayoutModel empty;
        empty.addTeamBlock(0, 0, "DisplayYellow");
        empty.decodeAudioSources();
        QVERIFY(!empty.teamBlocks()[0]->isAudioSource());
    }

    void legacyAudioSources_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("team") << "audi0s0urceteamAddress127.0.0.1:1809"
                              << "127.0.0.1:1809";
        QTest::newRow("primary") << "audi0s0urceprimary"
                                 << "127.0.0.1:1805";
        QTest::newRow("neither") << "audi0s0urcesomething"
                                 << "127.0.0.1:1808";
    }

    void legacyAudioSources()
    {
        QFETCH(QString, entry);
        QFETCH(QString, encoded);
        QJsonObject document = readDocument("legacy-audio-source.json");
        QJsonArray furniture = document["furniture"].toArray();
        furniture[1] = QJsonObject { { "name", entry } };
        document["furniture"] = furniture;
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(document, nullptr));
        model->decodeAudioSources();
        QCOMPARE(model->furniture().size(), 1);
        QCOMPARE(model->toJson()["audioSources"], QJsonValue(encoded));
    }

    void settingsFlags()
    {
        ClassroomLayoutModel model;
        QVERIFY(model.isShowRoutingBanners());
        QVERIFY(!model.isPasswordRequiredOnExit());
        ModelTest::state()->requireSave(false);
        model.setShowRoutingBanners(false, true);
        model.setPasswordRequiredOnExit(true, false);
        QVERIFY(!model.isShowRoutingBanners());
        QVERIFY(model.isPasswordRequiredOnExit());
        QVERIFY(!ModelTest::state()->saveRequired());
        const QJsonObject written = model.toJson();
        QCOMPARE(written["showRoutingBanners"], QJsonValue(false));
        QCOMPARE(written["requirePasswordOnExit"], QJsonValue(true));
    }

    // The layout document

    void documentFromTheCloud()
    {
        std::unique_ptr<ClassroomLayoutModel> model(
            ClassroomLayoutModel::fromJson(readDocument("cloud-classroom.json"), nullptr));
        QVERIFY(model);
        model->decodeAudioSources();
        QCOMPARE(model->classroomId(), QString("5f1c0d2e9a7b4c3d2e1f0a9b"));
        QCOMPARE(model->classroomBuilding(), QString("North Hall"));
        QCOMPARE(model->classroomScale(), 0.85);
        QVERIFY(model->isPasswordRequiredOnExit());
        QVERIFY(!model->isShowRoutingBanners());
        const ClassroomPrimaryDisplay* primary = model->primaryDisplay();
        QCOMPARE(primary->displayX(), 480.5);
        QCOMPARE(primary->deviceId(), QString("Pod_front01"));
        QCOMPARE(primary->displayIcon(), QString("PrimaryFlatScreen"));
        QVERIFY(primary->isAudioSource());
        const TeamBlock* a = model->teamBlocks()[0];
        QCOMPARE(a->displayX(), 100.0);
        QCOMPARE(a->teamRotation(), -15.25);
        QCOMPARE(a->displayIcon(), QString("DisplayYellow"));
        QCOMPARE(a->teamTableIconScale(), 2.5);
        QCOMPARE(a->deviceId(), QString("Pod_team0a"));
        QCOMPARE(a->teamFurniture()[1]->iconX(), 30.125);
        QVERIFY(!a->isAudioSource());
        QVERIFY(model->teamBlocks()[1]->isAudioSource());
        QCOMPARE(model->teamBlocks()[1]->displayIcon(), QString("ProjectorYellow"));
        // "f-1" repeats a team block's chair: culled.
        QCOMPARE(model->furniture().size(), 1);
        QCOMPARE(model->furniture()[0]->iconName(), QString("DoorYellow"));
    }

    void documentDefaults()
    {
        LogMark log;
        QCOMPARE(ClassroomLayoutModel::fromJson({ { "name", "No id" } }, nullptr), nullptr);
        QCOMPARE(log.count("warning", "Retrieved a classroom without an id"), 1);
        QCOMPARE(log.lines().size(), 1);

        const QJsonObject minimal { { "id", "m" },
            { "primarydisplay", QJsonObject { { "active", false } } } };
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(minimal, nullptr));
        QCOMPARE(model->classroomScale(), 1.0);
        QVERIFY(model->isShowRoutingBanners());
        QVERIFY(!model->isPasswordRequiredOnExit());
        QVERIFY(!model->hasPrimaryDisplay());
        QVERIFY(model->teamBlocks().isEmpty() && model->furniture().isEmpty());

        std::unique_ptr<ClassroomPrimaryDisplay> primary(
            ClassroomPrimaryDisplay::fromJson({ { "icon", "Other" } }, nullptr));
        QCOMPARE(primary->displayIcon(), QString("PrimaryFlatScreen"));
        QVERIFY(primary->deviceId().startsWith("Invalid<"));
    }

    void phantomFurniture_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("kept");
        QTest::newRow("repeated id") << "chair-1" << 1;
        QTest::newRow("other id") << "chair-2" << 2;
        QTest::newRow("no id") << QString() << 2;
    }

    void phantomFurniture()
    {
        QFETCH(QString, id);
        QFETCH(int, kept);
        QJsonObject chair { { "x", 1 }, { "y", 1 }, { "rotation", 0 }, { "scale", 1 },
            { "name", "ChairRoundYellow" } };
        QJsonObject roomChair = chair;
        if (!id.isNull())
            roomChair["id"] = id;
        chair["id"] = "chair-1";
        QJsonObject teamChairWithoutId = chair;
        teamChairWithoutId.remove("id");
        const QJsonObject document { { "id", "p" }, { "name", "Hall" },
            { "teamblocks",
                QJsonArray { QJsonObject { { "furniture", QJsonArray { chair, teamChairWithoutId } } } } },
            { "furniture", QJsonArray { QJsonObject { { "name", "DoorYellow" } }, roomChair } } };
        LogMark log;
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(document, nullptr));
        QCOMPARE(model->furniture().size(), kept);
        QCOMPARE(log.count("warning", "Phantom furniture in Hall, culling and triggering resave"), 2 - kept);
    }

    void documentRoundTripIsStable()
    {
        ClassroomLayoutModel model;
        fill(model);
        model.setClassroomScale(0.75);
        model.setShowRoutingBanners(false, false);
        const QJsonObject first = model.toJson();
        QCOMPARE(first["roomscale"], QJsonValue(0.75));

        // Through the wire form, as the cloud service stores it.
        const QJsonObject stored
            = QJsonDocument::fromJson(QJsonDocument(first).toJson(QJsonDocument::Compact)).object();
        std::unique_ptr<ClassroomLayoutModel> read(ClassroomLayoutModel::fromJson(stored, nullptr));
        read->decodeAudioSources();
        QCOMPARE(read->teamBlocks()[0]->displayX(), 100.0);
        QCOMPARE(read->teamBlocks()[0]->teamRotation(), -15.25);
        QCOMPARE(read->teamBlocks()[0]->teamFurniture()[1]->iconX(), 30.125);
        QCOMPARE(read->primaryDisplay()->displayY(), 40.0);
        QCOMPARE(read->furniture()[0]->iconScale(), 1.5);
        QCOMPARE(withoutFreshIds(read->toJson()), withoutFreshIds(first));
    }

    void hostileDocuments_data()
    {
        QTest::addColumn<QJsonObject>("document");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("hostile types") << readDocument("hostile-types.json") << true;
        QTest::newRow("null id") << QJsonObject { { "id", QJsonValue::Null } } << true;
        QTest::newRow("array elements")
            << QJsonObject { { "id", "a" }, { "teamblocks", QJsonArray { QJsonArray { 1 } } },
                   { "furniture", QJsonArray { QJsonArray {}, true } } }
            << true;
        QTest::newRow("wrong containers") << QJsonObject { { "id", "a" }, { "teamblocks", "x" },
            { "furniture", 5 }, { "primarydisplay", QJsonArray { true } } }
                                          << true;
        QTest::newRow("no id") << QJsonObject { { "teamblocks", QJsonArray { 1, 2 } } } << false;
        const QDir hostile(HOSTILE_ROOMS_DIR);
        for (const QString& name : hostile.entryList({ "*.json" }, QDir::Files))
            QTest::newRow(qPrintable(name)) << readDocument(name, HOSTILE_ROOMS_DIR) << true;
        const QDir data(LAYOUT_DATA_DIR);
        for (const QString& name : data.entryList({ "crash-*", "timeout-*", "leak-*" }, QDir::Files)) {
            QFile file(data.filePath(name));
            file.open(QIODevice::ReadOnly);
            const QJsonDocument found = QJsonDocument::fromJson(file.readAll());
            QTest::newRow(qPrintable(name)) << found.object() << found.object().contains("id");
        }
    }

    void hostileDocuments()
    {
        QFETCH(QJsonObject, document);
        QFETCH(bool, accepted);
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(document, nullptr));
        QCOMPARE(bool(model), accepted);
        if (!model)
            return;
        model->decodeAudioSources();
        const QJsonObject written = model->toJson();
        std::unique_ptr<ClassroomLayoutModel> again(ClassroomLayoutModel::fromJson(written, nullptr));
        QCOMPARE(again->teamBlocks().size(), model->teamBlocks().size());
        QVERIFY(std::isfinite(model->classroomScale()));
        for (const TeamBlock* block : model->teamBlocks())
            QVERIFY(std::abs(block->displayX()) <= Layout::coordinateLimit
                && std::abs(block->displayY()) <= Layout::coordinateLimit);
    }

    void storedNumbersAreBroughtIntoRange_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<QString>("read");
        QTest::addColumn<double>("expected");
        const auto row
            = [](const char* name, const QString& key, const QJsonValue& stored, const QString& read,
                  double expected) { QTest::newRow(name) << key << stored << read << expected; };
        row("room scale 1e308", "roomscale", 1e308, "room.classroomScale", 1.0);
        row("room scale above the zoom", "roomscale", 5, "room.classroomScale", 1.6);
        row("room scale below the zoom", "roomscale", 0.2, "room.classroomScale", 0.6);
        row("negative room scale", "roomscale", -2, "room.classroomScale", 1.0);
        row("room scale as nan text", "roomscale", "nan", "room.classroomScale", 1.0);
        row("room scale kept", "roomscale", 1.25, "room.classroomScale", 1.25);
        row("x 1e308", "block/x", 1e308, "block.displayX", 0.0);
        row("x beyond the grid", "block/x", 9999, "block.displayX", Layout::coordinateLimit);
        row("y beyond the grid", "block/y", -5000, "block.displayY", -Layout::coordinateLimit);
        row("x as infinite text", "block/x", "1e999", "block.displayX", 0.0);
        row("rotation over a turn", "block/rotation", 725, "block.teamRotation", 5.0);
        row("rotation under a turn", "block/rotation", -450, "block.teamRotation", -90.0);
        row("table rotation 1e308", "block/tableiconrotation", -1e308, "block.teamTableIconRotation", 0.0);
        row("table scale too big", "block/tableiconscale", 50, "block.teamTableIconScale", 3.0);
        row("table scale too small", "block/tableiconscale", 0.5, "block.teamTableIconScale", 0.8);
        row("table scale unset", "block/tableiconscale", QJsonValue::Undefined, "block.teamTableIconScale",
            0.0);
        row("chair scale too big", "chair/scale", 7, "chair.iconScale", 3.0);
        row("chair scale too small", "chair/scale", 0.1, "chair.iconScale", 0.4);
        row("chair x 1e308", "chair/x", 1e308, "chair.iconX", 0.0);
        row("door scale too big", "door/scale", 100, "door.iconScale", 10.0);
        row("door scale too small", "door/scale", 0.01, "door.iconScale", 0.1);
        row("door rotation 1e308", "door/rotation", 1e308, "door.iconRotation", 0.0);
        row("door rotation over a turn", "door/rotation", 370, "door.iconRotation", 10.0);
        row("primary beyond the grid", "primary/x", -1e5, "primary.displayX", -Layout::coordinateLimit);
    }

    void storedNumbersAreBroughtIntoRange()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, stored);
        QFETCH(QString, read);
        QFETCH(double, expected);
        QJsonObject chair { { "name", "ChairRoundYellow" }, { "scale", 1 } };
        QJsonObject block { { "address", "127.0.0.1:9" }, { "tableiconscale", 2 } };
        QJsonObject door { { "name", "DoorYellow" }, { "scale", 1 } };
        QJsonObject primary { { "active", true } };
        QJsonObject room { { "id", "n" } };
        const QString owner = key.section('/', 0, 0);
        const QString name = key.section('/', 1);
        QJsonObject& target = owner == "block" ? block
            : owner == "chair"                 ? chair
            : owner == "door"                  ? door
            : owner == "primary"               ? primary
                                               : room;
        if (stored.isUndefined())
            target.remove(owner == "roomscale" ? key : name);
        else
            target.insert(owner == "roomscale" ? key : name, stored);
        block.insert("furniture", QJsonArray { chair });
        room.insert("teamblocks", QJsonArray { block });
        room.insert("furniture", QJsonArray { door });
        room.insert("primarydisplay", primary);

        LogMark log;
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(room, nullptr));
        QCOMPARE(valueOf(*model, read), expected);
        if (!stored.isString()) // a changed number is named once
            QCOMPARE(
                log.count("warning", "Classroom [n]: 1 stored numbers out of range were brought into it"),
                stored.isDouble() && stored.toDouble() != expected ? 1 : 0);
        // What we write reads back the same.
        std::unique_ptr<ClassroomLayoutModel> again(ClassroomLayoutModel::fromJson(model->toJson(), nullptr));
        QCOMPARE(valueOf(*again, read), expected);
    }

    void oversizedRoomsAreListedButNotOpened_data()
    {
        const QJsonObject chair { { "name", "ChairRoundYellow" } };
        const QJsonObject block { { "address", "127.0.0.1:9" } };
        QJsonObject furnishedBlock = block;
        furnishedBlock.insert("furniture", repeated(chair, 5));
        QTest::addColumn<QJsonArray>("teamBlocks");
        QTest::addColumn<QJsonArray>("furniture");
        QTest::addColumn<bool>("openable");
        QTest::newRow("at the limits") << repeated(furnishedBlock, 800) << repeated(chair, 1000) << true;
        QTest::newRow("one block too many")
            << repeated(block, Layout::maxTeamBlocks + 1) << QJsonArray() << false;
        QTest::newRow("100000 blocks") << repeated(block, 100000) << QJsonArray() << false;
        QTest::newRow("room furniture") << QJsonArray() << repeated(chair, Layout::maxFurniture + 1) << false;
        QTest::newRow("team furniture counts")
            << repeated(furnishedBlock, 800) << repeated(chair, 1001) << false;
    }

    void oversizedRoomsAreListedButNotOpened()
    {
        QFETCH(QJsonArray, teamBlocks);
        QFETCH(QJsonArray, furniture);
        QFETCH(bool, openable);
        const QJsonObject document { { "id", "big" }, { "name", "Arena" }, { "roomscale", 1e308 },
            { "teamblocks", teamBlocks }, { "furniture", furniture } };
        LogMark log;
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(document, nullptr));
        model->decodeAudioSources();
        // The routing screen's opening may not stall on what a document holds.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(model->isOpenable(), openable);
        QCOMPARE(model->classroomName(), QString("Arena"));
        QCOMPARE(model->classroomScale(), 1.0);
        if (openable) {
            QCOMPARE(model->teamBlocks().size(), teamBlocks.size());
            QVERIFY(model->loadProblem().isEmpty());
            return;
        }
        QCOMPARE(model->loadProblem(), QString("Too big to open: over 1000 blocks or 5000 furniture items"));
        QVERIFY(model->teamBlocks().isEmpty() && model->furniture().isEmpty());
        QCOMPARE(log.count("warning",
                     "Classroom [big]: not opened: more than 1000 team blocks or 5000 pieces of furniture"),
            1);
        QCOMPARE(model->toJson(), document); // nothing was read, nothing is written over it
    }

    void unknownKeysSurviveASave()
    {
        const QJsonObject stored = readDocument("unknown-keys.json", HOSTILE_ROOMS_DIR);
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(stored, nullptr));
        model->decodeAudioSources();
        // The editor's block dialog copies a block out and back.
        TeamBlock staging(-97);
        staging.copy(model->teamBlocks()[0], true);
        staging.setDisplayName("Team B");
        model->teamBlocks()[0]->copy(&staging, false);
        model->setClassroomName("Renamed");

        const QJsonObject written = model->toJson();
        QCOMPARE(written["x-room"], stored["x-room"]);
        QCOMPARE(written["name"], QJsonValue("Renamed"));
        QCOMPARE(written["primarydisplay"]["x-primary"], stored["primarydisplay"]["x-primary"]);
        const QJsonObject block = written["teamblocks"][0].toObject();
        QCOMPARE(block["x-block"], QJsonValue("kept"));
        QCOMPARE(block["name"], QJsonValue("Team B"));
        QCOMPARE(block["x"], QJsonValue("100.000")); // our own keys keep their written form
        QCOMPARE(block["furniture"][0]["x-chair"], QJsonValue(true));
        QVERIFY(written["furniture"][0].toObject().contains("x-door"));
        QCOMPARE(written["furniture"][0]["x-door"], QJsonValue(QJsonValue::Null));

        // An absent front display keeps what its stored object held, and the room its own id.
        QJsonObject inactive = stored;
        inactive["primarydisplay"] = QJsonObject { { "active", false }, { "x-primary", "kept" } };
        std::unique_ptr<ClassroomLayoutModel> bare(ClassroomLayoutModel::fromJson(inactive, nullptr));
        QCOMPARE(bare->toJson().value("primarydisplay")["x-primary"], QJsonValue("kept"));
        QCOMPARE(bare->toJson()["id"], QJsonValue("hostile-unknown-keys"));
    }

    void roomsWithoutAStringIdKeepTheirOwn()
    {
        LogMark log;
        const QJsonObject numbered = readDocument("non-string-id.json", HOSTILE_ROOMS_DIR);
        std::unique_ptr<ClassroomLayoutModel> a(ClassroomLayoutModel::fromJson(numbered, nullptr));
        std::unique_ptr<ClassroomLayoutModel> b(ClassroomLayoutModel::fromJson(numbered, nullptr));
        QVERIFY(!a->hasStoredId() && !b->hasStoredId());
        QVERIFY(a->classroomId() != b->classroomId());
        QCOMPARE(a->toJson()["id"], QJsonValue(17)); // the stored value goes back untouched
        QCOMPARE(log.count("warning",
                     QString("Classroom [%1]: its stored id is not a string; it is shown but never saved")
                         .arg(a->classroomId())),
            1);
        std::unique_ptr<ClassroomLayoutModel> named(
            ClassroomLayoutModel::fromJson(readDocument("unknown-keys.json", HOSTILE_ROOMS_DIR), nullptr));
        QVERIFY(named->hasStoredId());
    }

    void hugeDocumentsStayLinear()
    {
        // As much as a room may hold: the phantom check and the audio sources stay linear.
        QJsonArray teamFurniture, roomFurniture, teamBlocks;
        QStringList addresses;
        for (int i = 0; i < Layout::maxFurniture / 2; ++i) {
            teamFurniture.append(
                QJsonObject { { "id", QString("t%1").arg(i) }, { "name", "ChairRoundYellow" } });
            roomFurniture.append(QJsonObject { { "id", QString("r%1").arg(i) }, { "name", "DoorYellow" } });
        }
        for (int i = 0; i < Layout::maxTeamBlocks - 1; ++i) {
            addresses << QString("10.1.%1.%2").arg(i / 250).arg(i % 250);
            teamBlocks.append(QJsonObject { { "address", addresses[i] } });
        }
        teamBlocks.append(QJsonObject { { "furniture", teamFurniture } });
        const QJsonObject document { { "id", "big" }, { "teamblocks", teamBlocks },
            { "furniture", roomFurniture }, { "audioSources", addresses.join(',') } };

        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<ClassroomLayoutModel> model(ClassroomLayoutModel::fromJson(document, nullptr));
        model->decodeAudioSources();
        QCOMPARE(model->furniture().size(), Layout::maxFurniture / 2);
        QCOMPARE(model->countAudioSources(), Layout::maxTeamBlocks - 1);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(LayoutModelTest)
#include "LayoutModelTest.moc"
