#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class RoutableBlock;
struct HttpResponse;

// Watches every block's pod during a routing session: one version call per pod and period,
// spread evenly over the period, skipped while a call to that pod is still out. Any pod call
// that gets no answer counts as a missed check; two in a row and the pod is silent.
class PodHealthMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr int periodMs = 5000;
    static constexpr int missesToFallSilent = 2;
    // A pod that answers but refuses to join is asked again only every this many answers.
    static constexpr int answersBetweenJoinAttempts = 6;

    explicit PodHealthMonitor(QObject* parent = nullptr);

    void start(const QList<RoutableBlock*>& blocks);
    void stop();
    int checksSent() const { return m_checksSent; }

signals:
    // Two checks in a row went unanswered.
    void podSilent(RoutableBlock* block);
    // A block that is not connected has a pod that answers: it may join now.
    void podAnswering(RoutableBlock* block);

private:
    struct Health {
        QPointer<RoutableBlock> block;
        int misses = 0;
        int answersSinceJoinAttempt = 0;
        bool checking = false;
        QElapsedTimer sinceAnswer;
    };

    void checkNext();
    void podCallFinished(const QString& address, bool answered);
    void noteAnswer(Health& health, bool answered);

    QTimer m_timer;
    QList<Health> m_pods;
    QHash<QString, int> m_podOfAddress;
    int m_next = 0;
    int m_checksSent = 0;
};
