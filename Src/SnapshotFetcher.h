#pragma once

#include <QImage>
#include <QObject>
#include <QSet>

class QNetworkAccessManager;
class QNetworkReply;
class ReplyDeadlines;
class WorkerThread;

// Fetches pods' display snapshots: at most one request per pod at a time, each bounded in time and
// size, and decoded off the GUI thread to the size it is shown at.
class SnapshotFetcher : public QObject {
    Q_OBJECT
public:
    static constexpr int timeoutMs = 5000;
    // A picture that declares a longer side is refused before it is decoded.
    static constexpr int longestSide = 4096;

    SnapshotFetcher(QNetworkAccessManager* transport, ReplyDeadlines* deadlines, QObject* parent);

    static QString imageNameOf(const QString& address);
    static bool isSnapshot(const QNetworkReply* reply);
    // `shown` (when valid) is the most the picture is drawn at, in device pixels.
    void fetch(const QString& address, const QSize& shown);
    // Takes over a finished reply that isSnapshot().
    void take(QNetworkReply* reply);

    // The JPEG or PNG picture in `data`, scaled down to fit `shown` when that is valid; a null
    // image, with `refusal` set, for anything else.
    static QImage decode(const QByteArray& data, const QSize& shown, QString* refusal);

signals:
    // Null when the fetch failed or the picture was refused.
    void arrived(const QString& imageName, const QImage& image);

private:
    QNetworkAccessManager* transport;
    ReplyDeadlines* deadlines;
    WorkerThread* decoding;
    QSet<QString> inFlight; // image names
};
