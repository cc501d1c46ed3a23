#include "CloudStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSaveFile>

namespace sim {

namespace {

// Shaped like the service's ids: 24 lower-case hexadecimal digits.
QString newId()
{
    QString id;
    for (int part = 0; part < 3; ++part)
        id += QString("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
    return id;
}

QJsonObject withId(QJsonObject document, const QString& id)
{
    document.insert("id", id);
    return document;
}

QJsonObject toObject(const QMap<QString, QJsonArray>& collections)
{
    QJsonObject object;
    for (auto it = collections.cbegin(); it != collections.cend(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

} // namespace

CloudStore::CloudStore(QString dataDirectory)
    : dataDirectory(std::move(dataDirectory))
{
}

bool CloudStore::open(const PodAddressCodec& podCodec, const QMap<QString, QJsonArray>& seed, QString* error)
{
    std::lock_guard lock(mutex);
    codec = podCodec;
    QFile saved(filePath());
    const bool restore = !dataDirectory.isEmpty() && saved.exists();
    if (restore && !saved.open(QIODevice::ReadOnly)) {
        *error = QString("cannot read %1").arg(saved.fileName());
        return false;
    }
    const QString text = restore
        ? QString::fromUtf8(saved.readAll())
        : QString::fromUtf8(QJsonDocument(toObject(seed)).toJson(QJsonDocument::Compact));
    const QJsonDocument document = QJsonDocument::fromJson(codec->decode(text).toUtf8());
    if (!document.isObject()) {
        *error = QString("%1 is not a JSON object").arg(saved.fileName());
        return false;
    }

    const QJsonObject stored = document.object();
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        QJsonArray documents;
        for (const QJsonValue& value : it.value().toArray()) {
            const QJsonObject object = value.toObject();
            documents.append(object.value("id").isString() ? object : withId(object, newId()));
        }
        collections.insert(it.key(), documents);
    }
    return true;
}

QByteArray CloudStore::listText(const QString& collection) const
{
    std::lock_guard lock(mutex);
    return verbatim.contains(collection)
        ? verbatim.value(collection)
        : QJsonDocument(collections.value(collection)).toJson(QJsonDocument::Compact);
}

bool CloudStore::replaceVerbatim(const QString& collection, const QString& text)
{
    std::lock_guard lock(mutex);
    const QByteArray decoded = codec->decode(text).toUtf8();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(decoded, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return false;
    collections.insert(collection, document.array());
    verbatim.insert(collection, decoded);
    save();
    return true;
}

QJsonObject CloudStore::create(const QString& collection, QJsonObject document)
{
    std::lock_guard lock(mutex);
    document = withId(document, newId());
    collections[collection].append(document);
    changed(collection);
    return document;
}

std::optional<QJsonObject> CloudStore::replace(
    const QString& collection, const QString& id, QJsonObject document)
{
    std::lock_guard lock(mutex);
    const int index = indexOf(collection, id);
    if (index < 0)
        return std::nullopt;
    document = withId(document, id);
    collections[collection][index] = document;
    changed(collection);
    return document;
}

bool CloudStore::remove(const QString& collection, const QString& id)
{
    std::lock_guard lock(mutex);
    const int index = indexOf(collection, id);
    if (index < 0)
        return false;
    collections[collection].removeAt(index);
    changed(collection);
    return true;
}

void CloudStore::changed(const QString& collection)
{
    verbatim.remove(collection);
    save();
}

QString CloudStore::filePath() const
{
    return QDir(dataDirectory).filePath("cloud.json");
}

void CloudStore::save() const
{
    if (dataDirectory.isEmpty())
        return;
    QDir().mkpath(dataDirectory);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("trellion-sim: cannot write %s", qPrintable(file.fileName()));
        return;
    }
    file.write(codec->encode(QString::fromUtf8(QJsonDocument(toObject(collections)).toJson())).toUtf8());
    file.commit();
}

int CloudStore::indexOf(const QString& collection, const QString& id) const
{
    const QJsonArray documents = collections.value(collection);
    for (int index = 0; index < documents.size(); ++index) {
        if (documents.at(index).toObject().value("id").toString() == id)
            return index;
    }
    return -1;
}

} // namespace sim
