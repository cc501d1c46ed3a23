#include "SnapshotFetcher.h"

#include "Logger.h"
#include "ReplyDeadlines.h"
#include "ReplyLimits.h"
#include "WorkerThread.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

const char* const shownSizeProperty = "SnapshotShownSize";

} // namespace

SnapshotFetcher::SnapshotFetcher(QNetworkAccessManager* transport, ReplyDeadlines* deadlines, QObject* parent)
    : QObject(parent)
    , transport(transport)
    , deadlines(deadlines)
    , decoding(new WorkerThread(QStringLiteral("Snapshot decoding"), this))
{
}

QString SnapshotFetcher::imageNameOf(const QString& address)
{
    return QUrl(QString("http://%1/lookin/thedisplay.jpg").arg(address)).toString();
}

bool SnapshotFetcher::isSnapshot(const QNetworkReply* reply)
{
    return reply->property(shownSizeProperty).isValid();
}

void SnapshotFetcher::fetch(const QString& address, const QSize& shown)
{
    const QString name = imageNameOf(address);
    if (inFlight.contains(name))
        return;
    QNetworkRequest request { QUrl(name) };
    ReplyLimits::apply(request, ReplyLimits::snapshotBytes);
    QNetworkReply* reply = transport->get(request);
    reply->setProperty(shownSizeProperty, shown);
    deadlines->watch(reply, timeoutMs);
    inFlight.insert(name);
}

void SnapshotFetcher::take(QNetworkReply* reply)
{
    const QString name = reply->request().url().toString();
    // A failed fetch hands back a null picture: the view then shows nothing.
    const QByteArray data = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    const QSize shown = reply->property(shownSizeProperty).toSize();
    struct Decoded {
        QImage image;
        QString refusal;
    };
    decoding->run<Decoded>(
        [data, shown] {
            Decoded decoded;
            if (!data.isEmpty())
                decoded.image = decode(data, shown, &decoded.refusal);
            return decoded;
        },
        [this, name](const Decoded& decoded) {
            if (!decoded.refusal.isEmpty())
                LOG_WARNING("Snapshot refused: {}: url=[{}]", decoded.refusal, name);
            inFlight.remove(name);
            emit arrived(name, decoded.image);
        });
}

QImage SnapshotFetcher::decode(const QByteArray& data, const QSize& shown, QString* refusal)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Only what a pod sends: other formats bring decoders (SVG among them) with costs of their own.
    if (reader.format() != "jpeg" && reader.format() != "png") {
        *refusal = QStringLiteral("not a JPEG or PNG picture");
        return {};
    }
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > longestSide || declared.height() > longestSide) {
        *refusal = QString("declared size %1x%2").arg(declared.width()).arg(declared.height());
        return {};
    }
    if (shown.isValid() && !shown.isEmpty()
        && (declared.width() > shown.width() || declared.height() > shown.height()))
        reader.setScaledSize(declared.scaled(shown, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        *refusal = reader.errorString();
    return image;
}
