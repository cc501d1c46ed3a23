#include "OverlayMessage.h"

#include "AppFixture.h"
#include "LogFile.h"
#include "OverlayMessageManager.h"

#include <QSignalSpy>
#include <QTest>

// Custom overlay messages kept in the simulated cloud store.
class OverlayMessageTest : public QObject {
    Q_OBJECT

    AppFixture app;

    static OverlayMessage* at(const OverlayMessageManager& manager, int index)
    {
        return qobject_cast<OverlayMessage*>(manager.messagesModel().value(index));
    }

    void fetch(OverlayMessageManager& manager)
    {
        QSignalSpy changed(&manager, &OverlayMessageManager::messagesChanged);
        manager.retrieveMessagesFromOrbeth();
        QVERIFY(changed.wait(10000));
    }

    int posts() const
    {
        int count = 0;
        for (const QJsonValue& request : app.simulator.requestsTo("cloud"))
            count += request["method"] == "POST" && request["path"] == "/trellion/api/user_messages";
        return count;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        QVERIFY(app.signInAsEditor());
    }

    void builtInMessageComesLast()
    {
        OverlayMessageManager manager;
        QCOMPARE(manager.getNumberMessages(), 0);
        QCOMPARE(manager.messagesModel().size(), 1);
        OverlayMessage* builtIn = at(manager, 0);
        QCOMPARE(builtIn->message(), QString("Eyes Up Front"));
        QCOMPARE(builtIn->iconName(), QString("EyesFront"));
        QVERIFY(builtIn->iconType());
        QVERIFY(!builtIn->canBeDeleted());
    }

    void createFetchDeleteAndTheLimitOfFour()
    {
        OverlayMessageManager manager;
        QSignalSpy changed(&manager, &OverlayMessageManager::messagesChanged);
        for (int i = 1; i <= OverlayMessageManager::maximumCustomMessages; ++i) {
            changed.clear();
            manager.addMessage(QString("Message %1").arg(i), "Clock", i % 2, "T");
            QVERIFY(changed.wait(10000));
            QCOMPARE(changed.count(), 1); // once, for the fetch that follows the create
            QCOMPARE(manager.getNumberMessages(), i);
        }
        const int sent = posts();
        manager.addMessage("One too many", "Clock", true, "");
        manager.addMessage("", "Clock", true, "");
        QTest::qWait(100);
        QCOMPARE(posts(), sent);

        OverlayMessage* first = at(manager, 0);
        QVERIFY(first->canBeDeleted());
        QVERIFY(!first->messageId().isEmpty());
        QCOMPARE(at(manager, 4)->message(), QString("Eyes Up Front"));

        manager.removeMessage(first->messageId());
        QVERIFY(changed.wait(10000));
        QCOMPARE(manager.getNumberMessages(), 3);
        manager.removeMessage("not-there");
        QCOMPARE(LogFile::messages().last(), QString("Could not find message to delete: id=[not-there]"));
    }

    void savedEditsComeBack()
    {
        OverlayMessageManager manager;
        fetch(manager);
        OverlayMessage* message = at(manager, 0);
        QVERIFY(message->canBeDeleted());
        const QString id = message->messageId();
        message->setMessage("Edited");
        manager.saveMessages();
        QTest::qWait(200);

        OverlayMessageManager other;
        fetch(other);
        QCOMPARE(at(other, 0)->messageId(), id);
        QCOMPARE(at(other, 0)->message(), QString("Edited"));
    }

    void failedCallsKeepTheList()
    {
        OverlayMessageManager manager;
        fetch(manager);
        const int count = manager.getNumberMessages();
        QVERIFY(app.simulator.setFault(
            { { "target", "cloud" }, { "path", "/trellion/api/user_messages" }, { "status", 500 } }));
        manager.retrieveMessagesFromOrbeth();
        QTRY_COMPARE_WITH_TIMEOUT(
            LogFile::messages().last(), QString("Failed to retrieve overlay messages!"), 10000);
        QCOMPARE(manager.getNumberMessages(), count);
        QVERIFY(app.simulator.clearFaults());
    }

    void readingToleratesMissingKeys()
    {
        QObject parent;
        OverlayMessage* message = OverlayMessage::fromJson({ { "id", "m" }, { "message", 5 } }, &parent);
        QVERIFY(message->iconType());
        QCOMPARE(message->message(), QString());
        QVERIFY(message->canBeDeleted());
        QSignalSpy typeChanged(message, &OverlayMessage::iconTypeChanged);
        QSignalSpy textChanged(message, &OverlayMessage::iconTextChanged);
        message->setIconType(true);
        message->setIconText("");
        QCOMPARE(typeChanged.count() + textChanged.count(), 0);
        message->setIconType(false);
        message->setIconText("Q");
        QCOMPARE(typeChanged.count(), 1);
        QCOMPARE(textChanged.count(), 1);
    }
};

QTEST_MAIN(OverlayMessageTest)
#include "OverlayMessageTest.moc"
