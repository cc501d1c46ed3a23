#include "ClassroomLayoutModel.h"
#include "Layout.h"
#include "LayoutIcon.h"
#include "TeamBlock.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <spdlog/spdlog.h>

// Layout documents come from the network: every reader must take any JSON, and whatever it
// reads must be a number the plan can draw.

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool within(double value, double minimum, double maximum)
{
    return std::isfinite(value) && value >= minimum && value <= maximum;
}

bool isCoordinate(double value)
{
    return within(value, -Layout::coordinateLimit, Layout::coordinateLimit);
}

bool isRotation(double value)
{
    return std::isfinite(value) && std::abs(value) < 360.0;
}

bool isScale(double value, Layout::Range range)
{
    return value == 0.0 || within(value, range.minimum, range.maximum);
}

void checkIcon(const LayoutIcon* icon, Layout::Range scaleRange)
{
    require(isCoordinate(icon->iconX()) && isCoordinate(icon->iconY()));
    require(isRotation(icon->iconRotation()) && isScale(icon->iconScale(), scaleRange));
}

// What the plan's scale and placement are computed from.
void checkNumbers(const ClassroomLayoutModel& model)
{
    require(within(model.classroomScale(), Layout::roomScaleRange.minimum, Layout::roomScaleRange.maximum));
    require(model.teamBlocks().size() <= Layout::maxTeamBlocks);
    qint64 furniture = model.furniture().size();
    for (const TeamBlock* block : model.teamBlocks()) {
        require(isCoordinate(block->displayX()) && isCoordinate(block->displayY()));
        require(isRotation(block->teamRotation()) && isRotation(block->teamTableIconRotation()));
        require(isScale(block->teamTableIconScale(), Layout::tableScaleRange));
        for (const LayoutIcon* icon : block->teamFurniture())
            checkIcon(icon, Layout::teamFurnitureScaleRange);
        furniture += block->teamFurniture().size();
    }
    require(furniture <= Layout::maxFurniture);
    for (const LayoutIcon* icon : model.furniture())
        checkIcon(icon, Layout::roomFurnitureScaleRange);
    if (const ClassroomPrimaryDisplay* primary = model.primaryDisplay())
        require(isCoordinate(primary->displayX()) && isCoordinate(primary->displayY()));
}

void readClassroom(const QJsonObject& object)
{
    ClassroomLayoutModel* model = ClassroomLayoutModel::fromJson(object, nullptr);
    if (!model)
        return;
    model->decodeAudioSources();
    checkNumbers(*model);
    // What we write, we must read back, to the same numbers.
    ClassroomLayoutModel* again = ClassroomLayoutModel::fromJson(model->toJson(), nullptr);
    require(again && again->isOpenable() == model->isOpenable());
    require(again->classroomScale() == model->classroomScale());
    require(again->teamBlocks().size() == model->teamBlocks().size());
    checkNumbers(*again);
    delete again;
    delete model;
}

void readParts(const QJsonObject& object)
{
    TeamBlock* block = TeamBlock::fromJson(object, 0, nullptr);
    block->toJson();
    delete block;
    LayoutIcon* icon = LayoutIcon::fromJson(object, nullptr, Layout::roomFurnitureScaleRange);
    checkIcon(icon, Layout::roomFurnitureScaleRange);
    icon->toJson();
    delete icon;
}

// The raw bytes as numbers too: every double the clamps may meet, NaN and infinities included.
void clampRawNumbers(const uint8_t* data, size_t size)
{
    for (size_t offset = 0; offset + sizeof(double) <= size; offset += sizeof(double)) {
        double value;
        std::memcpy(&value, data + offset, sizeof value);
        require(within(
            Layout::saneRoomScale(value), Layout::roomScaleRange.minimum, Layout::roomScaleRange.maximum));
        require(isCoordinate(Layout::saneCoordinate(value)));
        require(isRotation(Layout::saneRotation(value)));
        require(isScale(
            Layout::saneScale(value, Layout::teamFurnitureScaleRange), Layout::teamFurnitureScaleRange));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    spdlog::set_level(spdlog::level::off);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    clampRawNumbers(data, size);
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
    // The classroom library receives an array of documents.
    const QJsonArray documents = document.isArray() ? document.array() : QJsonArray { document.object() };
    for (const QJsonValue& value : documents) {
        readClassroom(value.toObject());
        readParts(value.toObject());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
