#include "ReplyDeadlines.h"

#include <QNetworkReply>
#include <QTest>

// Only the pointer matters to the deadlines.
class IdleReply : public QNetworkReply {
public:
    void abort() override { }
    void finish() { setFinished(true); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
};

class ReplyDeadlinesTest : public QObject {
    Q_OBJECT

private slots:
    void repliesExpireInDeadlineOrderAndForgottenOnesNever()
    {
        ReplyDeadlines deadlines;
        IdleReply late, early, answered, rewatched, finished;
        finished.finish();
        deadlines.watch(&finished, 10); // finished on the spot: nothing to time out
        QList<QNetworkReply*> expired;
        connect(&deadlines, &ReplyDeadlines::expired, this,
            [&expired](QNetworkReply* reply) { expired << reply; });
        deadlines.watch(&late, 300);
        deadlines.watch(&early, 50);
        deadlines.watch(&answered, 100);
        deadlines.watch(&rewatched, 10);
        deadlines.watch(&rewatched, 200); // a second watch replaces the first
        deadlines.forget(&answered);
        QCOMPARE(deadlines.watchedCount(), 3);

        QTRY_COMPARE_WITH_TIMEOUT(expired.size(), 3, 5000);
        QCOMPARE(expired, (QList<QNetworkReply*> { &early, &rewatched, &late }));
        QCOMPARE(deadlines.watchedCount(), 0);
        QTest::qWait(400);
        QCOMPARE(expired.size(), 3);
    }

    // A listener may end another reply, as an abort does when it finishes others.
    void listenerMayForgetAnotherDueReply()
    {
        ReplyDeadlines deadlines;
        IdleReply first, second;
        QList<QNetworkReply*> seen;
        connect(&deadlines, &ReplyDeadlines::expired, this, [&](QNetworkReply* reply) {
            seen << reply;
            deadlines.forget(&second);
        });
        deadlines.watch(&first, 20);
        deadlines.watch(&second, 20);
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 1, 5000);
        QTest::qWait(100);
        QCOMPARE(seen, QList<QNetworkReply*> { &first });
        QCOMPARE(deadlines.watchedCount(), 0);
    }
};

QTEST_GUILESS_MAIN(ReplyDeadlinesTest)
#include "ReplyDeadlinesTest.moc"
