#include "ClassroomLayoutModel.h"
#include "LayoutIcon.h"
#include "TeamBlock.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <spdlog/spdlog.h>

// Layout documents come from the network: every reader must take any JSON.

namespace {

void readClassroom(const QJsonObject& object)
{
    ClassroomLayoutModel* model = ClassroomLayoutModel::fromJson(object, nullptr);
    if (!model)
        return;
    model->decodeAudioSources();
    // What we write, we must read back.
    delete ClassroomLayoutModel::fromJson(model->toJson(), nullptr);
    delete model;
}

void readParts(const QJsonObject& object)
{
    TeamBlock* block = TeamBlock::fromJson(object, 0, nullptr);
    block->toJson();
    delete block;
    LayoutIcon* icon = LayoutIcon::fromJson(object, nullptr);
    icon->toJson();
    delete icon;
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
