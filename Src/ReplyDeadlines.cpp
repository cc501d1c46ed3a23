#include "ReplyDeadlines.h"

#include <QNetworkReply>

ReplyDeadlines::ReplyDeadlines(QObject* parent)
    : QObject(parent)
{
    clock.start();
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &ReplyDeadlines::expireDue);
}

void ReplyDeadlines::watch(QNetworkReply* reply, int timeoutMs)
{
    forget(reply);
    // One that finished on the spot has been forgotten already and may be gone soon.
    if (reply->isFinished())
        return;
    const bool earliest = deadlines.empty() || clock.elapsed() + timeoutMs < deadlines.begin()->first;
    deadlineOf.insert(reply, deadlines.emplace(clock.elapsed() + timeoutMs, reply));
    if (earliest)
        arm();
}

void ReplyDeadlines::forget(QNetworkReply* reply)
{
    const auto found = deadlineOf.find(reply);
    if (found == deadlineOf.end())
        return;
    deadlines.erase(found.value());
    deadlineOf.erase(found);
    // An early timer finds nothing due and re-arms, which is cheaper than re-arming on every answer.
    if (deadlines.empty())
        timer.stop();
}

void ReplyDeadlines::expireDue()
{
    // A listener may finish other replies, so take one due reply at a time.
    while (!deadlines.empty() && deadlines.begin()->first <= clock.elapsed()) {
        QNetworkReply* reply = deadlines.begin()->second;
        forget(reply);
        emit expired(reply);
    }
    arm();
}

void ReplyDeadlines::arm()
{
    if (deadlines.empty())
        return;
    timer.start(int(qMax<qint64>(0, deadlines.begin()->first - clock.elapsed())));
}
