#include "ClassroomLayoutModel.h"

#include "Globals.h"
#include "LayoutIcon.h"
#include "Logger.h"
#include "SessionStatistics.h"
#include "TeamBlock.h"

#include <QJsonArray>
#include <QSet>
#include <algorithm>
#include <utility>

namespace {

// Earlier documents named audio sources by a furniture entry called this, followed by
// "primary" or by "teamAddress" and the team pod's address.
const QString legacyAudioSourceMarker = QStringLiteral("audi0s0urce");

SessionStatistics* statistics()
{
    return Globals::getInstance().sessionStatistics();
}

template <typename Item>
QJsonArray toJsonArray(const QList<Item*>& items)
{
    QJsonArray array;
    for (const Item* item : items)
        array.append(item->toJson());
    return array;
}

} // namespace

ClassroomLayoutModel::ClassroomLayoutModel(QObject* parent)
    : QObject(parent)
{
}

QList<QObject*> ClassroomLayoutModel::teamBlocksModel() const
{
    return Layout::objects(m_teamBlocks);
}
QList<QObject*> ClassroomLayoutModel::furnitureModel() const
{
    return Layout::objects(m_furniture);
}

void ClassroomLayoutModel::setClassroomName(const QString& name)
{
    Layout::set(this, m_classroomName, name, &ClassroomLayoutModel::classroomNameChanged);
}

void ClassroomLayoutModel::setClassroomNumber(const QString& number)
{
    Layout::set(this, m_classroomNumber, number, &ClassroomLayoutModel::classroomNumberChanged);
}

void ClassroomLayoutModel::setClassroomBuilding(const QString& building)
{
    Layout::set(this, m_classroomBuilding, building, &ClassroomLayoutModel::classroomBuildingChanged);
}

void ClassroomLayoutModel::setClassroomType(const QString& type)
{
    Layout::set(this, m_classroomType, type, &ClassroomLayoutModel::classroomTypeChanged);
}

void ClassroomLayoutModel::setClassroomScale(double scale)
{
    Layout::set(this, m_classroomScale, scale, &ClassroomLayoutModel::classroomScaleChanged);
}

void ClassroomLayoutModel::setClassroomId(const QString& id)
{
    Layout::set(this, m_classroomId, id, &ClassroomLayoutModel::classroomIdChanged);
}

// The two settings are usage events when the user changes them; they are saved
// with the next document write, so they do not mark the layout unsaved.
void ClassroomLayoutModel::setPasswordRequiredOnExit(bool required, bool fromSettings)
{
    if (SessionStatistics* stats = statistics(); stats && fromSettings)
        stats->passwordOnClassroomExit(required);
    m_passwordRequiredOnExit = required;
}

void ClassroomLayoutModel::setShowRoutingBanners(bool show, bool fromSettings)
{
    if (SessionStatistics* stats = statistics(); stats && fromSettings)
        stats->showRoutingBanners(show);
    m_showRoutingBanners = show;
}

// Blocks

RoutableBlock* ClassroomLayoutModel::findBlock(int index) const
{
    if (index == -1)
        return m_primaryDisplay;
    return index >= 0 && index < m_teamBlocks.size() ? m_teamBlocks[index] : nullptr;
}

RoutableBlock* ClassroomLayoutModel::routableBlock(int index) const
{
    RoutableBlock* block = findBlock(index);
    if (!block && index != -1)
        LOG_WARNING("Returning null team block! index=[{}]", index);
    return block;
}

int ClassroomLayoutModel::addTeamBlock(double xPosition, double yPosition, const QString& displayIcon)
{
    auto* block = new TeamBlock(m_teamBlocks.size(), this);
    block->setDisplayX(xPosition);
    block->setDisplayY(yPosition);
    block->setDisplayIcon(displayIcon);
    m_teamBlocks.append(block);
    Layout::markUnsaved();
    emit teamBlocksChanged();
    return block->blockIndex();
}

void ClassroomLayoutModel::removeTeamBlockAt(int teamBlockIndex)
{
    if (!Layout::removeAt(m_teamBlocks, teamBlockIndex, &TeamBlock::setBlockIndex)) {
        LOG_WARNING("Classroom [{}]: Index out of range: max=[{}]", m_classroomId, m_teamBlocks.size());
        return;
    }
    emit teamBlocksChanged();
    Layout::markUnsaved();
}

void ClassroomLayoutModel::duplicateTeamBlock(int originalBlockIndex)
{
    LOG_INFO(
        "Classroom [{}]: Duplicating Team Block: originalBlockIndex=[{}]", m_classroomId, originalBlockIndex);
    if (originalBlockIndex < 0 || originalBlockIndex >= m_teamBlocks.size()) {
        LOG_ERROR("Can't duplicate Team Block: out of range: originalBlockIndex=[{}] size=[{}]",
            originalBlockIndex, m_teamBlocks.size());
        return;
    }
    TeamBlock* original = m_teamBlocks[originalBlockIndex];
    TeamBlock* duplicate
        = m_teamBlocks[addTeamBlock(original->displayX(), original->displayY(), original->displayIcon())];
    duplicate->copy(original, false);
    duplicate->setDisplayName(tr("Copy of %1").arg(original->displayName()));
    duplicate->setDisplayX(original->displayX() + 50.0);
    duplicate->setDisplayY(original->displayY() + 50.0);
}

void ClassroomLayoutModel::addPrimaryDisplay(double displayX, double displayY)
{
    auto* display = new ClassroomPrimaryDisplay(this);
    display->setDisplayX(displayX);
    display->setDisplayY(displayY);
    display->setIsAudioSource(false);
    addPrimaryDisplayObject(display);
}

void ClassroomLayoutModel::addPrimaryDisplayObject(ClassroomPrimaryDisplay* display)
{
    if (!display || display == m_primaryDisplay)
        return;
    if (m_primaryDisplay)
        m_primaryDisplay->deleteLater();
    display->setParent(this);
    m_primaryDisplay = display;
    emit primaryDisplayChanged();
    Layout::markUnsaved();
}

void ClassroomLayoutModel::removePrimaryDisplay()
{
    if (!m_primaryDisplay) {
        LOG_WARNING("Classroom [{}]: No Primary Display to remove", m_classroomId);
        return;
    }
    std::exchange(m_primaryDisplay, nullptr)->deleteLater();
    emit primaryDisplayChanged();
    Layout::markUnsaved();
}

// Room furniture

void ClassroomLayoutModel::addFurniture(double iconX, double iconY, const QString& iconName, double iconScale)
{
    auto* icon = new LayoutIcon(this);
    icon->place(iconX, iconY, 0.0, iconScale, iconName);
    addFurniturePtr(icon);
}

void ClassroomLayoutModel::addFurniturePtr(LayoutIcon* icon)
{
    if (!icon)
        return;
    Layout::append(m_furniture, icon, this, &LayoutIcon::setIconIndex);
    emit furnitureChanged();
    Layout::markUnsaved();
}

void ClassroomLayoutModel::removeFurnitureAt(int iconIndex)
{
    if (!Layout::removeAt(m_furniture, iconIndex, &LayoutIcon::setIconIndex))
        return;
    emit furnitureChanged();
    Layout::markUnsaved();
}

// Audio sources

void ClassroomLayoutModel::setAudioSource(int blockIndex, bool isEnabled)
{
    LOG_INFO("Classroom [{}]: Setting audio source: blockIndex=[{}] isEnabled=[{}]", m_classroomId,
        blockIndex, isEnabled);
    if (RoutableBlock* block = findBlock(blockIndex))
        block->setIsAudioSource(isEnabled);
}

int ClassroomLayoutModel::countAudioSources() const
{
    const int primary = m_primaryDisplay && m_primaryDisplay->isAudioSource() ? 1 : 0;
    return primary + std::count_if(m_teamBlocks.cbegin(), m_teamBlocks.cend(), [](const TeamBlock* block) {
        return block->isAudioSource();
    });
}

void ClassroomLayoutModel::encodeAudioSources()
{
    QString text
        = m_primaryDisplay && m_primaryDisplay->isAudioSource() ? m_primaryDisplay->displayAddress() : "";
    for (const TeamBlock* block : m_teamBlocks) {
        if (!block->isAudioSource())
            continue;
        if (!text.isEmpty())
            text += ',';
        text += block->displayAddress();
    }
    m_audioSources = text;
}

void ClassroomLayoutModel::decodeAudioSources()
{
    const QStringList entries = m_audioSources.split(',', Qt::SkipEmptyParts);
    const QSet<QString> addresses(entries.cbegin(), entries.cend());
    if (m_primaryDisplay && addresses.contains(m_primaryDisplay->displayAddress()))
        m_primaryDisplay->setIsAudioSource(true);
    for (TeamBlock* block : m_teamBlocks) {
        if (addresses.contains(block->displayAddress()))
            block->setIsAudioSource(true);
    }
}

void ClassroomLayoutModel::handleLegacySource(const QString& text)
{
    if (m_primaryDisplay && text == "primary")
        m_audioSources = m_primaryDisplay->displayAddress();
    if (text.contains("teamAddress"))
        m_audioSources = QString(text).remove("teamAddress");
}

// Layout document

QJsonObject ClassroomLayoutModel::toJson()
{
    if (!isOpenable())
        return m_stored;
    QJsonObject document = Layout::overStored(m_stored,
        {
            { "name", m_classroomName },
            { "roomnumber", m_classroomNumber },
            { "building", m_classroomBuilding },
            { "roomtype", m_classroomType },
            { "roomscale", m_classroomScale },
            { "requirePasswordOnExit", m_passwordRequiredOnExit },
            { "showRoutingBanners", m_showRoutingBanners },
        });
    // A room listed under a local id keeps whatever its document held.
    if (m_hasStoredId)
        document.insert("id", m_classroomId);
    encodeAudioSources();
    document.insert("audioSources", m_audioSources);
    const QJsonObject storedPrimary = m_stored.value("primarydisplay").toObject();
    document.insert("primarydisplay",
        m_primaryDisplay ? m_primaryDisplay->toJson()
                         : ClassroomPrimaryDisplay::absentJson(
                             storedPrimary.value("active").toBool() ? QJsonObject() : storedPrimary));
    document.insert("teamblocks", toJsonArray(m_teamBlocks));
    document.insert("furniture", toJsonArray(m_furniture));
    return document;
}

QString ClassroomLayoutModel::sizeProblem(const QJsonObject& object)
{
    const QJsonArray teamBlocks = object.value("teamblocks").toArray();
    qint64 furniture = object.value("furniture").toArray().size();
    if (teamBlocks.size() <= Layout::maxTeamBlocks) {
        for (const QJsonValue& block : teamBlocks)
            furniture += block.toObject().value("furniture").toArray().size();
    }
    if (teamBlocks.size() <= Layout::maxTeamBlocks && furniture <= Layout::maxFurniture)
        return {};
    return tr("Too big to open: over %1 blocks or %2 furniture items")
        .arg(Layout::maxTeamBlocks)
        .arg(Layout::maxFurniture);
}

ClassroomLayoutModel* ClassroomLayoutModel::fromJson(const QJsonObject& object, QObject* parent)
{
    if (!object.contains("id")) {
        LOG_WARNING("Retrieved a classroom without an id");
        return nullptr;
    }
    auto* model = new ClassroomLayoutModel(parent);
    model->m_stored = object;
    const QJsonValue id = object.value("id");
    model->m_hasStoredId = id.isString() && !id.toString().isEmpty();
    model->setClassroomId(model->m_hasStoredId ? id.toString() : RoutableBlock::generateInvalidId());
    if (!model->m_hasStoredId)
        LOG_WARNING("Classroom [{}]: its stored id is not a string; it is shown but never saved",
            model->m_classroomId);
    model->setClassroomName(object.value("name").toString());
    model->setClassroomNumber(object.value("roomnumber").toString());
    model->setClassroomBuilding(object.value("building").toString());
    model->setClassroomType(object.value("roomtype").toString());
    model->m_loadProblem = sizeProblem(object);
    if (!model->isOpenable()) {
        LOG_WARNING("Classroom [{}]: not opened: more than {} team blocks or {} pieces of furniture",
            model->m_classroomId, Layout::maxTeamBlocks, Layout::maxFurniture);
        return model;
    }
    Layout::takeAdjustedCount();
    model->setClassroomScale(Layout::readRoomScale(object.value("roomscale")));
    model->m_passwordRequiredOnExit = object.value("requirePasswordOnExit").toBool();
    if (object.contains("showRoutingBanners"))
        model->m_showRoutingBanners = object.value("showRoutingBanners").toBool();
    model->m_audioSources = object.value("audioSources").toString();

    const QJsonObject primary = object.value("primarydisplay").toObject();
    if (primary.value("active").toBool())
        model->addPrimaryDisplayObject(ClassroomPrimaryDisplay::fromJson(primary, model));

    for (const QJsonValue& entry : object.value("teamblocks").toArray())
        model->m_teamBlocks.append(TeamBlock::fromJson(entry.toObject(), model->m_teamBlocks.size(), model));

    model->readFurniture(object.value("furniture").toArray());
    if (const int adjusted = Layout::takeAdjustedCount())
        LOG_WARNING("Classroom [{}]: {} stored numbers out of range were brought into it",
            model->m_classroomId, adjusted);
    return model;
}

void ClassroomLayoutModel::readFurniture(const QJsonArray& entries)
{
    // Room furniture that repeats a team block's furniture is a leftover of an
    // earlier save. Entries without an id match nothing.
    QSet<QString> teamFurnitureIds;
    for (const TeamBlock* block : m_teamBlocks) {
        for (const LayoutIcon* icon : block->teamFurniture()) {
            if (!icon->iconId().isEmpty())
                teamFurnitureIds.insert(icon->iconId());
        }
    }

    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value("name").toString();
        if (name.contains(legacyAudioSourceMarker)) {
            handleLegacySource(QString(name).remove(legacyAudioSourceMarker));
            continue;
        }
        if (teamFurnitureIds.contains(entry.value("id").toString())) {
            LOG_WARNING("Phantom furniture in {}, culling and triggering resave", m_classroomName);
            Layout::markUnsaved();
            continue;
        }
        addFurniturePtr(LayoutIcon::fromJson(entry, this, Layout::roomFurnitureScaleRange));
    }
}
