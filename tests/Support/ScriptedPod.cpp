#include "ScriptedPod.h"

#include <QTcpSocket>
#include <QTimer>
#include <sys/socket.h>

ScriptedPod::ScriptedPod()
{
    server.listen(QHostAddress::LocalHost);
    connect(&server, &QTcpServer::newConnection, this, &ScriptedPod::accept);
}

ScriptedPod::~ScriptedPod()
{
    // The server deletes its connections after our members are gone: they must not call back.
    for (QTcpSocket* socket : server.findChildren<QTcpSocket*>())
        socket->disconnect(this);
}

QString ScriptedPod::address() const
{
    return QString("127.0.0.1:%1").arg(server.serverPort());
}

void ScriptedPod::accept()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        ++connections;
        mostOpen = qMax(mostOpen, ++open);
        answeredOn.insert(socket, 0);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            --open;
            answeredOn.remove(socket);
            socket->deleteLater();
        });
    }
}

void ScriptedPod::read(QTcpSocket* socket)
{
    // One whole request at a time: the header, then as many body bytes as it announces.
    QByteArray pending = socket->peek(socket->bytesAvailable());
    const int headerEnd = pending.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    int length = 0;
    for (const QByteArray& line : pending.left(headerEnd).split('\n')) {
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toInt();
    }
    if (pending.size() < headerEnd + 4 + length)
        return;
    socket->read(headerEnd + 4 + length);
    ++requests;
    const int index = answeredOn[socket]++;
    act(socket, script.value(qMin(index, script.size() - 1)));
    if (socket->bytesAvailable() > 0)
        read(socket);
}

void ScriptedPod::act(QTcpSocket* socket, Act what)
{
    const QByteArray body = answer;
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
        + QByteArray::number(answerLength < 0 ? body.size() : answerLength) + "\r\n" + answerHeaders + "\r\n";
    switch (what) {
    case Act::Answer:
        QTimer::singleShot(answerDelayMs, socket, [socket, head, body] { socket->write(head + body); });
        return;
    case Act::HangUp:
        socket->disconnectFromHost();
        return;
    case Act::Reset: {
        // Lingering for zero seconds turns the close into a reset.
        const linger reset { 1, 0 };
        setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        socket->abort();
        return;
    }
    case Act::Garbage:
    case Act::GarbageThenSilence:
        socket->write("\x89\x01<garbage>{\"unterminated: \r\n\r\n");
        if (what == Act::Garbage)
            socket->disconnectFromHost();
        return;
    case Act::CutBody:
        socket->write(head + body.left(5));
        socket->disconnectFromHost();
        return;
    case Act::Hold:
        return;
    }
}
