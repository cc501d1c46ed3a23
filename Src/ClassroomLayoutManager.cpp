#include "ClassroomLayoutManager.h"

#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "PropertyHelpers.h"
#include "SessionStatistics.h"
#include "TeamBlock.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <optional>

namespace {

NetworkManager* network()
{
    return Globals::getInstance().networkManager();
}

constexpr int stagingBlockIndex = -97;

// Rooms are built a slice of the event loop at a time, so that a long list never holds the interface.
constexpr int storingSliceMs = 20;

// The rooms of a list reply; nothing when the reply is not a JSON array of objects, which is a
// broken reply rather than an empty library.
std::optional<QJsonArray> readRoomList(const QJsonDocument& document)
{
    if (document.isNull()) {
        LOG_WARNING("Classroom list is not JSON");
        return std::nullopt;
    }
    if (!document.isArray()) {
        LOG_WARNING("Classroom list is not an array");
        return std::nullopt;
    }
    const QJsonArray rooms = document.array();
    for (int index = 0; index < rooms.size(); ++index) {
        if (!rooms[index].isObject()) {
            LOG_WARNING("Classroom list element [{}] is not an object", index);
            return std::nullopt;
        }
    }
    return rooms;
}

} // namespace

ClassroomLayoutManager::ClassroomLayoutManager(QObject* parent)
    : QObject(parent)
    , m_stagingTeamBlock(new TeamBlock(stagingBlockIndex, this))
{
}

QList<QObject*> ClassroomLayoutManager::classroomsModel() const
{
    QList<ClassroomLayoutModel*> sorted = library.values();
    std::stable_sort(sorted.begin(), sorted.end(), [](ClassroomLayoutModel* a, ClassroomLayoutModel* b) {
        return a->classroomName().toLower() < b->classroomName().toLower();
    });
    return QList<QObject*>(sorted.begin(), sorted.end());
}

ClassroomLayoutModel* ClassroomLayoutManager::classroomLayout(const QString& classroomId) const
{
    ClassroomLayoutModel* layout = library.value(classroomId);
    if (!layout)
        LOG_WARNING("Returning null classroom: classroomId=[{}]", classroomId);
    return layout;
}

QString ClassroomLayoutManager::findClassroom(const QString& idOrName) const
{
    if (library.contains(idOrName))
        return idOrName;
    QStringList named;
    for (const ClassroomLayoutModel* layout : library) {
        if (layout->classroomName() == idOrName)
            named << layout->classroomId();
    }
    if (named.size() == 1)
        return named.first();
    LOG_WARNING(
        "Classroom [{}]: {} classrooms have this id or name; showing the library", idOrName, named.size());
    return {};
}

void ClassroomLayoutManager::clearClassroomsList()
{
    ++clearCount;
    for (ClassroomLayoutModel* layout : qAsConst(library))
        layout->deleteLater();
    library.clear();
    emit classroomsChanged();
}

ClassroomLayoutModel* ClassroomLayoutManager::store(const QJsonObject& document)
{
    ClassroomLayoutModel* layout = ClassroomLayoutModel::fromJson(document, this);
    if (!layout) {
        LOG_WARNING("Failed to parse classroom");
        return nullptr;
    }
    if (ClassroomLayoutModel* replaced = library.value(layout->classroomId()))
        replaced->deleteLater();
    library.insert(layout->classroomId(), layout);
    return layout;
}

bool ClassroomLayoutManager::readClassroomList(const QJsonDocument& document)
{
    const std::optional<QJsonArray> rooms = readRoomList(document);
    if (!rooms)
        return false;
    storeRooms(*rooms, 0, clearCount);
    return true;
}

void ClassroomLayoutManager::storeRooms(const QJsonArray& rooms, int from, int cleared)
{
    if (cleared != clearCount)
        return; // signed out or refreshed again meanwhile
    QElapsedTimer slice;
    slice.start();
    int next = from;
    while (next < rooms.size() && slice.elapsed() < storingSliceMs) {
        if (ClassroomLayoutModel* layout = store(rooms[next++].toObject()))
            layout->decodeAudioSources();
    }
    if (next < rooms.size()) {
        QTimer::singleShot(0, this, [this, rooms, next, cleared] { storeRooms(rooms, next, cleared); });
        return;
    }
    setFailureText({});
    Globals::getInstance().sessionStatistics()->orbethClassrooms(true, library.size());
    emit classroomsChanged();
    emit orbethRequestSuccess();
}

void ClassroomLayoutManager::setFailureText(const QString& text)
{
    if (assignIfChanged(m_failureText, text))
        emit failureTextChanged();
}

void ClassroomLayoutManager::refreshClassroomList()
{
    clearClassroomsList();
    whenFinished(
        network()->orbethGetClassrooms(), this, [this, cleared = clearCount](const HttpResponse& response) {
            if (cleared != clearCount)
                return; // signed out or refreshed again meanwhile
            const bool answered = response.httpCode == 200 && response.error == 0;
            if (!answered)
                LOG_WARNING("Orbeth call to fetch classrooms failed (httpCode {}, error {})",
                    response.httpCode, response.error);
            if (!answered || !readClassroomList(response.json)) {
                Globals::getInstance().sessionStatistics()->orbethClassrooms(false, 0);
                setFailureText(answered ? tr("The classroom list could not be read") : QString());
                emit orbethRequestFailure();
            }
        });
}

void ClassroomLayoutManager::createClassroom(const QString& classroomName, const QString& classroomBuilding,
    const QString& classroomNumber, const QString& classroomType)
{
    const QJsonObject document { { "name", classroomName }, { "roomnumber", classroomNumber },
        { "building", classroomBuilding }, { "roomtype", classroomType }, { "roomscale", 1.0 },
        { "primarydisplay",
            QJsonObject { { "active", false }, { "id", RoutableBlock::generateInvalidId() } } },
        { "teamblocks", QJsonArray() }, { "furniture", QJsonArray() } };
    postClassroom(document, Origin::Created);
}

void ClassroomLayoutManager::duplicateClassroom(const QString& classroomId)
{
    LOG_INFO("Duplicating a classroom: id=[{}]", classroomId);
    ClassroomLayoutModel* source = library.value(classroomId);
    if (!source) {
        LOG_ERROR("ID not found: {}", classroomId);
        return;
    }
    if (!source->isOpenable()) {
        LOG_WARNING("Classroom [{}]: not duplicated: too big to open", classroomId);
        return;
    }
    QJsonObject document = source->toJson();
    document.remove("id");
    document.insert("name", tr("Copy of %1").arg(source->classroomName()));
    postClassroom(document, Origin::Duplicated);
}

void ClassroomLayoutManager::postClassroom(const QJsonObject& document, Origin origin)
{
    const QString text = QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact));
    whenFinished(network()->orbethPostNewClassroom(text), this, [this, origin](const HttpResponse& response) {
        if (!network()->isLoggedIn())
            return; // signed out meanwhile: the library belongs to nobody now
        if (response.httpCode != 201) {
            LOG_ERROR("API call failed!");
            return;
        }
        ClassroomLayoutModel* layout = store(response.json.object());
        if (!layout)
            return;
        // A copy shows the same audio sources as its original.
        if (origin == Origin::Duplicated)
            layout->decodeAudioSources();
        emit classroomsChanged();
        if (origin == Origin::Created)
            emit newRoomCreated(layout->classroomId());
    });
}

void ClassroomLayoutManager::deleteClassroomLayout(const QString& classroomId)
{
    if (!library.contains(classroomId)) {
        LOG_WARNING("No classroom found to delete.");
        return;
    }
    if (!library.value(classroomId)->hasStoredId()) {
        LOG_WARNING("Classroom [{}]: not deleted: its stored id is not a string", classroomId);
        return;
    }
    whenFinished(network()->orbethDeleteClassroom(classroomId), this,
        [this, classroomId](const HttpResponse& response) {
            if (response.httpCode != 204) {
                LOG_WARNING("Failed to delete classroom!");
                return;
            }
            if (ClassroomLayoutModel* layout = library.take(classroomId))
                layout->deleteLater();
            emit classroomsChanged();
        });
}
