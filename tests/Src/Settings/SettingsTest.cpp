#include "Settings/Settings.h"

#include "LogFile.h"
#include "Logger.h"
#include "Settings/MdmInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

namespace {

// A managed source the test steers.
class TestSource : public MdmInterface {
public:
    TestSource()
        : MdmInterface(nullptr)
    {
    }
    void enforceFrameForwarding(bool enforced, bool required)
    {
        enforcedFrameForwarding = enforced;
        requiresFrameForwarding = required;
        emit FrameForwardingChanged();
    }
};

QStringList messagesSince(int count)
{
    return LogFile::messages().mid(count);
}

} // namespace

// The persistent preferences: what a start reads and logs, what a change writes,
// and how an administrator's enforcement overrides the user.
class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { LogFile::startFresh(); }

    void init() { QSettings().clear(); }

    void firstStartLogsTheDefaults()
    {
        const int before = LogFile::messages().size();
        const Settings settings;
        QCOMPARE(messagesSince(before),
            QStringList({ "Startup: createFirstTime=[true]", "Startup: routeFirstTime=[true]",
                "Startup: savedUsername=[]", "Startup: requirePasswordLogout=[false] enforced=[false]",
                "Startup: frameForwarding=[false] enforced=[false]",
                "Startup: fullscreenPrimaryPosts=[true] enforced=[false]" }));
        QVERIFY(settings.isFirstCreate() && settings.shouldFullscreenPrimaryPosts());
        QVERIFY(QSettings().allKeys().isEmpty()); // reading writes nothing
    }

    void damagedStoreStillStarts()
    {
        QFile file(QSettings().fileName());
        QVERIFY(QDir().mkpath(QFileInfo(file).path())); // a fresh home has no settings folder yet
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("00ff") + "\ncreateFirstTime=@Variant(\xff\x12)\nsavedUsername=a, b\n"
            + "frameForwarding=@ByteArray(\xff)\n[[[\n=\n");
        file.close();
        Settings settings;
        settings.setSavedUsername("ok@school.example");
        QCOMPARE(settings.savedUsername(), QString("ok@school.example"));
    }

    void settersWriteLogAndSignalOnlyOnChange_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("isFirstCreate") << "createFirstTime" << QVariant(false);
        QTest::newRow("isFirstRoute") << "routeFirstTime" << QVariant(false);
        QTest::newRow("savedUsername") << "savedUsername" << QVariant("ana@school.example");
        QTest::newRow("doesRequirePasswordLogout") << "requirePasswordLogout" << QVariant(true);
        QTest::newRow("doesFrameForwarding") << "frameForwarding" << QVariant(true);
        QTest::newRow("shouldFullscreenPrimaryPosts") << "fullscreenPrimaryPosts" << QVariant(false);
    }

    void settersWriteLogAndSignalOnlyOnChange()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        Settings settings;
        const QMetaObject* meta = settings.metaObject();
        const QMetaProperty property = meta->property(meta->indexOfProperty(QTest::currentDataTag()));
        QSignalSpy changed(&settings, property.notifySignal());
        const QVariant old = property.read(&settings);
        const int before = LogFile::messages().size();

        QVERIFY(property.write(&settings, old));
        QCOMPARE(changed.count(), 0);
        QVERIFY(messagesSince(before).isEmpty());
        QVERIFY(!QSettings().contains(key));

        QVERIFY(property.write(&settings, value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(property.read(&settings), value);
        QCOMPARE(messagesSince(before),
            QStringList(
                QString("Changing %1: old=[%2] new=[%3]").arg(key, old.toString(), value.toString())));
        QCOMPARE(Settings().property(QTest::currentDataTag()), value); // the next start reads it back
    }

    void enforcedSwitchTakesTheManagedValueAndRefusesChanges()
    {
        QSettings().setValue("frameForwarding", false);
        auto* source = new TestSource;
        source->enforceFrameForwarding(true, true);
        int before = LogFile::messages().size();
        Settings settings(nullptr, source);
        QCOMPARE(source->parent(), &settings);
        QVERIFY(settings.doesFrameForwarding() && settings.doesFrameForwardingEnforced());
        QVERIFY(!settings.doesRequirePasswordLogoutEnforced());
        QVERIFY(messagesSince(before).contains("Startup: frameForwarding=[true] enforced=[true]"));

        QSignalSpy changed(&settings, &Settings::doesFrameForwardingChanged);
        before = LogFile::messages().size();
        settings.setDoesFrameForwarding(true); // the enforced value: nothing at all
        QVERIFY(messagesSince(before).isEmpty());
        settings.setDoesFrameForwarding(false);
        const QList<LogLine> lines = LogFile::read().mid(before);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].level, QString("error"));
        QCOMPARE(lines[0].message, QString("Can't change frameForwarding; enforced by MDM"));
        QVERIFY(settings.doesFrameForwarding());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(QSettings().value("frameForwarding").toBool(), false);
    }

    void managedChangeSetsTheValueThenTellsOfEnforcement()
    {
        auto* source = new TestSource;
        Settings settings(nullptr, source);
        QStringList order;
        connect(&settings, &Settings::doesFrameForwardingChanged, this, [&] {
            order << QString("value %1 %2")
                         .arg(settings.doesFrameForwarding())
                         .arg(settings.doesFrameForwardingEnforced());
        });
        connect(&settings, &Settings::enforcedDoesFrameForwardingChanged, this, [&] { order << "enforced"; });
        const int before = LogFile::messages().size();

        source->enforceFrameForwarding(true, true);
        QCOMPARE(order, QStringList({ "value 1 1", "enforced" }));
        QVERIFY(messagesSince(before).isEmpty()); // a managed value is neither logged nor stored
        QVERIFY(!QSettings().contains("frameForwarding"));

        // Released: the required flag (false) stands until the next start reads the user's value.
        source->enforceFrameForwarding(false, false);
        QVERIFY(!settings.doesFrameForwarding() && !settings.doesFrameForwardingEnforced());
        settings.setDoesFrameForwarding(true);
        QVERIFY(settings.doesFrameForwarding());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
