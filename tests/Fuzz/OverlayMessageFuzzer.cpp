#include "FuzzEnvironment.h"
#include "OverlayMessage.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <spdlog/spdlog.h>

// Overlay messages come from the cloud service: the reader must take any JSON.
// OverlayMessageManager reads the list only inside a network reply handler, which
// cannot be reached without a backend; its loop is repeated here as it stands.

namespace {

void readList(const QJsonArray& list)
{
    QObject owner;
    QMap<QString, OverlayMessage*> messages;
    for (const QJsonValue& element : list) {
        OverlayMessage* message = OverlayMessage::fromJson(element.toObject(), &owner);
        if (OverlayMessage* replaced = messages.value(message->messageId()))
            replaced->deleteLater();
        messages.insert(message->messageId(), message);
    }
    for (OverlayMessage* message : qAsConst(messages)) {
        // What we send back on save must read as the same message.
        OverlayMessage* again = OverlayMessage::fromJson(message->toJson(), &owner);
        if (again->message() != message->message() || again->iconName() != message->iconName()
            || again->iconType() != message->iconType() || again->iconText() != message->iconText()
            || again->messageId() != message->messageId())
            std::abort();
        QJsonDocument(message->toJson()).toJson(QJsonDocument::Compact);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static int qtArgc = 1;
    static QCoreApplication app(qtArgc, qtArguments((*argv)[0]));
    spdlog::set_level(spdlog::level::off);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
    // The service answers with an array; a single object is read like one element.
    readList(document.isArray() ? document.array() : QJsonArray { document.object() });
    return 0;
}
