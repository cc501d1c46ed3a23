#include "SimulatorOptions.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writeFile(const QTemporaryDir& directory, const QString& name, const QJsonDocument& content)
{
    QFile file(directory.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(content.toJson());
    return file.fileName();
}

} // namespace

class SimulatorOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void commandLineOverridesTheConfiguration()
    {
        QTemporaryDir directory;
        writeFile(directory, "rooms.json", QJsonDocument(QJsonArray { QJsonObject { { "name", "Lab" } } }));
        const QString config = writeFile(directory, "config.json",
            QJsonDocument(QJsonObject {
                { "pods", QJsonArray { QJsonObject { { "name", "Front" }, { "apiVersion", 1 } } } },
                { "latencyMs", 50 }, { "library", "rooms.json" },
                { "authClaim", "https://a.example/authorization" },
                { "accounts",
                    QJsonArray { QJsonObject { { "email", "a@b.example" }, { "password", "pw" },
                        { "permissions", QJsonArray { "x" } } } } },
                { "faults", QJsonArray { QJsonObject { { "target", "pods" }, { "status", 500 } } } } }));

        QString error;
        const auto options = sim::SimulatorOptions::fromCommandLine(
            { "trellion-sim", "--config", config, "--pods", "3", "--latency-ms", "5", "--data-dir", "/tmp/x",
                "--token-ttl", "30" },
            &error);
        QVERIFY2(options, qPrintable(error));
        QCOMPARE(options->pods.size(), 3);
        QCOMPARE(options->pods.at(0).name, "Front");
        QCOMPARE(options->pods.at(0).apiVersion, QJsonValue(1));
        QCOMPARE(options->pods.at(2).name, "Pod 3");
        QCOMPARE(options->latencyMs, 5);
        QCOMPARE(options->dataDirectory, "/tmp/x");
        QCOMPARE(options->tokenTtlSeconds, 30);
        QCOMPARE(options->authClaim, "https://a.example/authorization");
        QCOMPARE(options->library.at(0)["name"].toString(), "Lab");
        QCOMPARE(options->accounts.size(), 1);
        QCOMPARE(options->accounts.at(0).permissions, QStringList { "x" });
        QCOMPARE(options->faults.size(), 1);
    }

    void defaultsNeedNoConfiguration()
    {
        QString error;
        const auto options = sim::SimulatorOptions::fromCommandLine({ "trellion-sim" }, &error);
        QVERIFY2(options, qPrintable(error));
        QCOMPARE(options->pods.size(), 4);
        QCOMPARE(options->accounts.size(), 3);
        QCOMPARE(options->authClaim, sim::SimulatorOptions::defaultAuthClaim);
        QVERIFY(options->dataDirectory.isEmpty());
        QCOMPARE(options->pods.at(1).deviceId, "SIMPOD0002");
    }

    void powerCyclesFromTheCommandLine()
    {
        QString error;
        const auto options = sim::SimulatorOptions::fromCommandLine(
            { "trellion-sim", "--pods", "3", "--power-cycle", "1:60:20" }, &error);
        QVERIFY2(options, qPrintable(error));
        QCOMPARE(options->powerCycles.size(), 1);
        QCOMPARE(options->powerCycles.first().pod, 1);
        QCOMPARE(options->powerCycles.first().afterMs, 60000);
        QCOMPARE(options->powerCycles.first().silentMs, 20000);
        for (const QString& bad : { "3:1:1", "1:60", "one:1:1" })
            QVERIFY(!sim::SimulatorOptions::fromCommandLine(
                { "trellion-sim", "--pods", "3", "--power-cycle", bad }, &error));
    }

    void badConfigurationsAreRefused_data()
    {
        QTest::addColumn<QJsonObject>("config");
        QTest::newRow("no pods") << QJsonObject { { "pods", 0 } };
        QTest::newRow("unknown pod key")
            << QJsonObject { { "pods", QJsonArray { QJsonObject { { "ip", "x" } } } } };
        QTest::newRow("short screen key")
            << QJsonObject { { "pods", QJsonArray { QJsonObject { { "screenKey", "AB" } } } } };
        QTest::newRow("account without password")
            << QJsonObject { { "accounts", QJsonArray { QJsonObject { { "email", "a@b.example" } } } } };
        QTest::newRow("missing library") << QJsonObject { { "library", "nowhere.json" } };
        QTest::newRow("negative latency") << QJsonObject { { "latencyMs", -5 } };
        QTest::newRow("bad fault") << QJsonObject { { "faults",
            QJsonArray { QJsonObject { { "target", "moon" } } } } };
    }

    void badConfigurationsAreRefused()
    {
        QFETCH(QJsonObject, config);
        QTemporaryDir directory;
        QString error;
        const auto options = sim::SimulatorOptions::fromCommandLine(
            { "trellion-sim", "--config", writeFile(directory, "config.json", QJsonDocument(config)) },
            &error);
        QVERIFY(!options);
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SimulatorOptionsTest)
#include "SimulatorOptionsTest.moc"
