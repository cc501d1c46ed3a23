#pragma once

#include "PodAddressCodec.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <mutex>
#include <optional>

namespace sim {

// The service's stored documents in named collections ("rooms", "messages:<email>"), each an
// ordered list of JSON objects with a string "id". With a data directory, every change is written
// through to one file, with pod addresses in the run-independent form of PodAddressCodec.
class CloudStore {
public:
    // An empty directory keeps everything in memory.
    explicit CloudStore(QString dataDirectory);

    // Loads the saved collections, or starts from `seed` (which may hold pod placeholders) when
    // nothing was saved yet. Seed documents without an "id" get one.
    bool open(const PodAddressCodec& codec, const QMap<QString, QJsonArray>& seed, QString* error);

    // The collection as JSON text.
    QByteArray listText(const QString& collection) const;
    // Replaces the collection with the documents of a JSON array as they are, without ids added;
    // until it next changes, it lists as this very text. False, changing nothing, when the text
    // (after placeholders) is not a JSON array.
    bool replaceVerbatim(const QString& collection, const QString& text);
    // Stores the document under a new id and returns it as stored.
    QJsonObject create(const QString& collection, QJsonObject document);
    std::optional<QJsonObject> replace(const QString& collection, const QString& id, QJsonObject document);
    bool remove(const QString& collection, const QString& id);

private:
    QString filePath() const;
    void save() const;
    int indexOf(const QString& collection, const QString& id) const;
    // A change made through the service; the collection lists as stored from now on.
    void changed(const QString& collection);

    const QString dataDirectory;
    std::optional<PodAddressCodec> codec;
    mutable std::mutex mutex;
    QMap<QString, QJsonArray> collections;
    QMap<QString, QByteArray> verbatim;
};

} // namespace sim
