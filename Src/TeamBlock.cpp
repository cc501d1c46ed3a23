#include "TeamBlock.h"

#include "LayoutIcon.h"
#include "Logger.h"
#include "RouteLine.h"

#include <QJsonArray>
#include <algorithm>
#include <utility>

TeamBlock::TeamBlock(int index, QObject* parent)
    : RoutableBlock(index, parent)
{
    m_displayColor = "#b8bdbf";
    m_displayWidth = 150.0;
    m_displayHeight = 177.0;
    connect(this, &RoutableBlock::incomingRoutesChanged, this, &TeamBlock::colorOfRoutingSourceChanged);
}

bool TeamBlock::canAddOutgoingRoute() const
{
    return isConnected() && !isBeingSinkedInto();
}

// At most one incoming route, and never while sharing its own screen.
bool TeamBlock::canAddIncomingRoute() const
{
    return isConnected() && !isActingAsSource() && !isBeingSinkedInto();
}

QString TeamBlock::colorOfRoutingSource() const
{
    const QList<QObject*> routes = incomingRoutes();
    return routes.isEmpty() ? QStringLiteral("black") : static_cast<RouteLine*>(routes.first())->color();
}

QList<QObject*> TeamBlock::teamFurnitureModel() const
{
    return Layout::objects(m_teamFurniture);
}

// Furniture

int TeamBlock::addFurniture(double iconX, double iconY, const QString& iconName, double iconScale)
{
    if (iconName.isEmpty())
        LOG_INFO("Warning: adding null");
    auto* icon = new LayoutIcon(this);
    icon->place(iconX, iconY, 0.0, iconScale, iconName);
    addFurniturePtr(icon);
    return icon->iconIndex();
}

void TeamBlock::addFurniturePtr(LayoutIcon* icon)
{
    if (!icon)
        return;
    Layout::append(m_teamFurniture, icon, this, &LayoutIcon::setIconIndex);
    emit teamFurnitureChanged();
    Layout::markUnsaved();
}

void TeamBlock::removeFurnitureAt(int iconIndex)
{
    if (!Layout::removeAt(m_teamFurniture, iconIndex, &LayoutIcon::setIconIndex)) {
        LOG_ERROR(
            "Block [{}]: Trying to remove furniture at bad index: iconIndex=[{}]", blockIndex(), iconIndex);
        return;
    }
    emit teamFurnitureChanged();
    Layout::markUnsaved();
}

bool TeamBlock::hasFurniture(const QString& id) const
{
    return std::any_of(m_teamFurniture.cbegin(), m_teamFurniture.cend(),
        [&id](const LayoutIcon* icon) { return icon->iconId() == id; });
}

void TeamBlock::copy(TeamBlock* input, bool shouldCopyIndex)
{
    if (!input) {
        LOG_ERROR("Block [{}]: Failed to copy from null", blockIndex());
        return;
    }
    if (shouldCopyIndex)
        setBlockIndex(input->blockIndex());
    setDisplayName(input->displayName());
    setDisplayAddress(input->displayAddress());
    setDisplayIcon(input->displayIcon());
    setDisplayColor(input->displayColor());
    setDisplayX(input->displayX());
    setDisplayY(input->displayY());
    setDisplayWidth(input->displayWidth());
    setDisplayHeight(input->displayHeight());
    setTeamRotation(input->teamRotation());
    setTeamTableIcon(input->teamTableIcon());
    setTeamTableIconRotation(input->teamTableIconRotation());
    setTeamTableIconScale(input->teamTableIconScale());
    setDeviceId(input->deviceId());
    setIsAudioSource(input->isAudioSource());
    m_stored = input->m_stored;

    // Taken before our own icons go, so copying a block onto itself keeps them.
    const QList<LayoutIcon*> originals = input->m_teamFurniture;
    for (LayoutIcon* icon : std::exchange(m_teamFurniture, {}))
        icon->deleteLater();
    for (const LayoutIcon* original : originals) {
        auto* icon = new LayoutIcon(this);
        Layout::append(m_teamFurniture, icon, this, &LayoutIcon::setIconIndex);
        icon->place(original->iconX(), original->iconY(), original->iconRotation(), original->iconScale(),
            original->iconName());
        icon->setStoredJson(original->storedJson());
    }
    emit teamFurnitureChanged();
}

// Layout document

QJsonObject TeamBlock::toJson() const
{
    QJsonArray furniture;
    for (const LayoutIcon* icon : m_teamFurniture) {
        if (icon->iconName().isEmpty()) {
            LOG_WARNING("Furniture Icon has no name");
            continue;
        }
        furniture.append(icon->toJson());
    }
    return Layout::overStored(m_stored,
        {
            { "name", displayName() },
            { "address", displayAddress() },
            { "x", Layout::writeNumber(displayX()) },
            { "y", Layout::writeNumber(displayY()) },
            { "rotation", Layout::writeNumber(m_teamRotation) },
            { "color", displayColor() },
            { "displayicon", displayIcon() },
            { "tableicon", m_teamTableIcon },
            { "tableiconrotation", m_teamTableIconRotation },
            { "tableiconscale", m_teamTableIconScale },
            { "furniture", furniture },
            { "displayid", generateInvalidId() },
        });
}

TeamBlock* TeamBlock::fromJson(const QJsonObject& object, int index, QObject* parent)
{
    auto* block = new TeamBlock(index, parent);
    block->m_stored = object;
    block->m_displayName = object.value("name").toString();
    block->readAddress(object.value("address").toString());
    block->m_displayX = Layout::readCoordinate(object.value("x"));
    block->m_displayY = Layout::readCoordinate(object.value("y"));
    block->m_teamRotation = Layout::readRotation(object.value("rotation"));
    block->m_displayColor = object.value("color").toString();
    // Earlier versions named the display icons with a trailing 2.
    block->m_displayIcon = object.value("displayicon")
                               .toString()
                               .replace("ProjectorYellow2", "ProjectorYellow")
                               .replace("DisplayYellow2", "DisplayYellow");
    block->m_teamTableIcon = object.value("tableicon").toString();
    block->m_teamTableIconRotation = Layout::readRotation(object.value("tableiconrotation"));
    block->m_teamTableIconScale = Layout::readScale(object.value("tableiconscale"), Layout::tableScaleRange);
    block->m_deviceId
        = object.contains("displayid") ? object.value("displayid").toString() : generateInvalidId();
    block->m_isAudioSource = false;
    for (const QJsonValue& entry : object.value("furniture").toArray())
        block->addFurniturePtr(
            LayoutIcon::fromJson(entry.toObject(), block, Layout::teamFurnitureScaleRange));
    return block;
}

// Properties

void TeamBlock::setTeamRotation(double rotation)
{
    Layout::set(this, m_teamRotation, rotation, &TeamBlock::teamRotationChanged);
}

void TeamBlock::setTeamTableIcon(const QString& icon)
{
    Layout::set(this, m_teamTableIcon, icon, &TeamBlock::teamTableIconChanged);
}

void TeamBlock::setTeamTableIconRotation(double rotation)
{
    Layout::set(this, m_teamTableIconRotation, rotation, &TeamBlock::teamTableIconRotationChanged);
}

void TeamBlock::setTeamTableIconScale(double scale)
{
    Layout::set(this, m_teamTableIconScale, scale, &TeamBlock::teamTableIconScaleChanged);
}
