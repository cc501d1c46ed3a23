#pragma once

#include "RoutableBlock.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class HttpRequest;
struct HttpResponse;

// One route: the source block's pod posts its screen to the sink block's pod.
// The line opens the connection itself and retries a failed attempt twice.
class RouteLine : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString lineIndex READ lineIndex CONSTANT)
    Q_PROPERTY(int sinkIndex READ sinkIndex CONSTANT)
    Q_PROPERTY(int sourceIndex READ sourceIndex CONSTANT)
    Q_PROPERTY(RoutableBlock* source READ source CONSTANT)
    Q_PROPERTY(RoutableBlock* sink READ sink CONSTANT)
    Q_PROPERTY(bool sinkIsPrimary READ sinkIsPrimary CONSTANT)
    Q_PROPERTY(bool sourceIsPrimary READ sourceIsPrimary CONSTANT)
    Q_PROPERTY(QString displayColor READ color CONSTANT)
    Q_PROPERTY(bool isConnectionAlive READ isConnectionAlive NOTIFY isConnectionAliveChanged)
    Q_PROPERTY(bool isInterrupted READ isInterrupted NOTIFY isInterruptedChanged)
public:
    static constexpr int maxConnectAttempts = 3;
    static constexpr int retryDelayMs = 1000;
    // The index a line reports for a block that no longer exists.
    static constexpr int missingBlockIndex = -2;

    RouteLine(RoutableBlock* source, RoutableBlock* sink, QObject* parent = nullptr);

    void createConnection();
    void destroyConnection();
    // Makes the connection again after one of its pods came back; the old one is ended first.
    void resend();
    // The source pod was cleared: the connection it held is gone.
    void forgetConnection();

    QString lineIndex() const { return m_lineIndex; }
    // The blocks at the two ends; null once the classroom dropped one.
    RoutableBlock* source() const { return m_source; }
    RoutableBlock* sink() const { return m_sink; }
    int sourceIndex() const;
    int sinkIndex() const;
    bool sourceIsPrimary() const { return m_sourceIsPrimary; }
    bool sinkIsPrimary() const { return m_sinkIsPrimary; }
    QString color() const { return m_color; }
    QString apiGuid() const { return m_apiGuid; }
    bool isConnectionAlive() const { return !m_apiGuid.isEmpty(); }
    // A pod at one end dropped out of the session: drawn, but not shown.
    bool isInterrupted() const;

signals:
    void connectionRemoved(QString lineIndex);
    void connectionFailed(QString lineIndex);
    void isConnectionAliveChanged();
    void isInterruptedChanged();

private:
    void handleConnectReply(const HttpResponse& response);
    void setApiGuid(const QString& guid);
    // The pod may have opened the connection even though we cannot name it.
    void noteUnnamedConnection();

    const QString m_lineIndex;
    // Not owned: the blocks belong to the classroom, which may drop them first.
    const QPointer<RoutableBlock> m_source;
    const QPointer<RoutableBlock> m_sink;
    const bool m_sourceIsPrimary;
    const bool m_sinkIsPrimary;
    const QString m_color;
    QString m_apiGuid;
    QPointer<HttpRequest> m_pendingConnect;
    QTimer m_retry;
    int m_connectFailures = 0;
    bool m_removed = false;
};
