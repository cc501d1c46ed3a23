#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A pod on 127.0.0.1 that does at the TCP level what it is told with each request: answer, hang
// up, reset, send garbage, cut its answer short or never answer. Lives on the test's event loop.
class ScriptedPod : public QObject {
    Q_OBJECT
public:
    enum class Act { Answer, HangUp, Reset, Garbage, GarbageThenSilence, CutBody, Hold };

    ScriptedPod();
    ~ScriptedPod() override;

    QString address() const;
    // What it does with the first, second, … request on each connection; the last act repeats.
    void setScript(const QList<Act>& acts) { script = acts; }
    void setAnswerDelayMs(int ms) { answerDelayMs = ms; }
    // What Act::Answer sends; `announcedLength` (when not negative) is the Content-Length it claims,
    // `headers` lines ("Name: value\r\n") added to the usual ones.
    void setAnswer(const QByteArray& body, qint64 announcedLength = -1, const QByteArray& headers = {})
    {
        answer = body;
        answerLength = announcedLength;
        answerHeaders = headers;
    }

    int requestCount() const { return requests; }
    int connectionCount() const { return connections; }
    int openConnectionCount() const { return open; }
    int mostOpenAtOnce() const { return mostOpen; }

    static constexpr const char* answerBody = "{\"guid\":\"{c0ffee}\"}";

private:
    void accept();
    void read(QTcpSocket* socket);
    void act(QTcpSocket* socket, Act what);

    QTcpServer server;
    QList<Act> script { Act::Answer };
    QHash<QTcpSocket*, int> answeredOn; // requests seen per connection
    int answerDelayMs = 0;
    QByteArray answer = answerBody;
    qint64 answerLength = -1;
    QByteArray answerHeaders;
    int requests = 0;
    int connections = 0;
    int open = 0;
    int mostOpen = 0;
};
