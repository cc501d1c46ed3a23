#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <map>

class QNetworkReply;

// The engine's time-outs: every reply's deadline on one timer, armed for the earliest. A reply
// forgotten when it finishes leaves nothing behind, however many calls a classroom sends.
class ReplyDeadlines : public QObject {
    Q_OBJECT
public:
    explicit ReplyDeadlines(QObject* parent = nullptr);

    // A reply must be forgotten when it finishes, before it is deleted.
    void watch(QNetworkReply* reply, int timeoutMs);
    void forget(QNetworkReply* reply);
    int watchedCount() const { return deadlineOf.size(); }

signals:
    // `reply` is still running at its deadline; it is no longer watched.
    void expired(QNetworkReply* reply);

private:
    using Deadlines = std::multimap<qint64, QNetworkReply*>;

    void expireDue();
    void arm();

    QElapsedTimer clock;
    QTimer timer;
    Deadlines deadlines; // by milliseconds on `clock`
    QHash<QNetworkReply*, Deadlines::iterator> deadlineOf;
};
