#include "CurlReply.h"
#include "NetworkManager.h"
#include "PodAccessManager.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Answers the pod paths with fixed JSON; the overlay answer is compressed, so it comes chunked.
const char* const config
    = "daemon off;\n"
      "master_process off;\n"
      "pid %1/nginx.pid;\n"
      "error_log %1/error.log;\n"
      "events { worker_connections 64; }\n"
      "http {\n"
      "    access_log off;\n"
      "    client_body_temp_path %1/body;\n"
      "    proxy_temp_path %1/proxy;\n"
      "    fastcgi_temp_path %1/fastcgi;\n"
      "    uwsgi_temp_path %1/uwsgi;\n"
      "    scgi_temp_path %1/scgi;\n"
      "    keepalive_timeout 1s;\n"
      "    keepalive_requests 3;\n"
      "    default_type application/json;\n"
      "    gzip on;\n"
      "    gzip_min_length 0;\n"
      "    gzip_types application/json;\n"
      "    server {\n"
      "        listen 127.0.0.1:%2;\n"
      "        location = /api/v2/content/activerouting { gzip off; return 200 '{\"presence\":true}'; }\n"
      "        location = /api/v2/content/activerouting/connections { gzip off; return 200 "
      "'{\"guid\":\"{g-7}\"}'; }\n"
      "        location /api/v2/content/activerouting/connections/ { gzip off; return 200 '{}'; }\n"
      "        location = /api/v2/content/activerouting/overlaytext { return 200 '{\"overlay\":\"shown\"}'; "
      "}\n"
      "    }\n"
      "}\n";

} // namespace

// The pod transport against a real third-party HTTP stack: nginx on loopback, closing idle
// connections after a second and any connection after three requests, one answer chunked.
class NginxPodTest : public QObject {
    Q_OBJECT

    QTemporaryDir prefix;
    QProcess nginx;
    QString address;

    HttpResponse call(NetworkManager& manager, HttpRequest* request)
    {
        QSignalSpy done(request, &HttpRequest::finished);
        [&] { QVERIFY(done.wait(3000)); }();
        return done.isEmpty() ? HttpResponse() : done.first().first().value<HttpResponse>();
    }

private slots:
    void initTestCase()
    {
        const QString executable = QStandardPaths::findExecutable("nginx", { "/usr/sbin", "/usr/bin" });
        QVERIFY2(!executable.isEmpty(), "nginx is not installed (scripts/lib/packages.sh installs it)");
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        QFile file(prefix.filePath("nginx.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString::fromLatin1(config).arg(prefix.path()).arg(port).toUtf8());
        file.close();
        nginx.setProcessChannelMode(QProcess::ForwardedChannels);
        nginx.start(executable, { "-p", prefix.path(), "-c", file.fileName() });
        address = QString("127.0.0.1:%1").arg(port);
        QVERIFY(QTest::qWaitFor(
            [&] {
                QTcpSocket socket;
                socket.connectToHost(QHostAddress::LocalHost, port);
                return socket.waitForConnected(100);
            },
            5000));
    }

    void cleanupTestCase()
    {
        nginx.terminate();
        nginx.waitForFinished(3000);
    }

    void seriesOfCallsAcrossClosedConnections()
    {
        NetworkManager manager;
        // Three requests per connection: the fourth and seventh need a new one.
        for (int round = 0; round < 3; ++round) {
            const auto connected = call(manager,
                manager.connectPods(address, "127.0.0.1:9", "m", "#FFFFFF", "#000000", false, false));
            QCOMPARE(connected.httpCode, 200);
            QCOMPARE(connected.data, QByteArray("{\"guid\":\"{g-7}\"}"));
            QCOMPARE(call(manager, manager.configurePod(address, "m", "#FFFFFF", "#000000")).httpCode, 200);
            QCOMPARE(call(manager, manager.disconnectPod(address, "{g-7}")).httpCode, 200);
        }
        // Past the idle time-out nginx has closed the connection: the next call opens another.
        QTest::qWait(1300);
        const auto overlay = call(manager, manager.showOverlay(address, "hello", "#FFFFFF"));
        QCOMPARE(overlay.error, 0);
        QCOMPARE(overlay.data, QByteArray("{\"overlay\":\"shown\"}"));
    }

    void chunkedAndCompressedAnswerReadsLikeQt()
    {
        PodAccessManager manager;
        QNetworkRequest request(QUrl("http://" + address + "/api/v2/content/activerouting/overlaytext"));
        request.setAttribute(PodAccessManager::podRequestAttribute, true);
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json; charset=utf-8");
        QNetworkReply* reply = manager.post(request, QByteArray("{\"text\":\"t\",\"color\":\"#FFFFFF\"}"));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(3000));
        QVERIFY(qobject_cast<CurlReply*>(reply));
        QCOMPARE(reply->rawHeader("Transfer-Encoding"), QByteArray("chunked"));
        QCOMPARE(reply->rawHeader("Content-Encoding"), QByteArray("gzip"));
        QCOMPARE(reply->readAll(), QByteArray("{\"overlay\":\"shown\"}"));
        delete reply;
    }
};

QTEST_GUILESS_MAIN(NginxPodTest)
#include "NginxPodTest.moc"
