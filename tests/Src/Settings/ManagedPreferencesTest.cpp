#include "LogFile.h"
#include "Logger.h"
#include "Settings/LinuxMdmInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using Answers = QList<bool>;

// The six answers in the order they are declared.
Answers answers(const MdmInterface& source)
{
    return { source.GetEnforcedPasswordForLogout(), source.GetRequiresPasswordForLogout(),
        source.GetEnforcedFrameForwarding(), source.GetRequiresFrameForwarding(),
        source.GetEnforcedFullscreenOnPrimary(), source.GetRequiresFullscreenOnPrimary() };
}

const Answers nothingEnforced { false, false, false, false, false, false };

void writeAtomically(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    QVERIFY(file.commit());
}

void writeInPlace(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// Opens a FIFO's writing end once a deadline has passed, which frees a reader stuck waiting for
// one: a read that would hang the test makes it fail instead.
class FifoRelease {
public:
    explicit FifoRelease(const QString& path)
        : path(QFile::encodeName(path))
        , thread([this] { run(); })
    {
    }
    ~FifoRelease()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            done = true;
        }
        wake.notify_one();
        thread.join();
    }
    bool wasNeeded() const { return needed; }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        std::chrono::milliseconds deadline = std::chrono::seconds(5);
        while (!wake.wait_for(lock, deadline, [this] { return done; })) {
            needed = true;
            // Without a reader waiting, a writer's open without blocking fails; try again shortly.
            const int descriptor = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (descriptor >= 0)
                ::close(descriptor);
            deadline = std::chrono::milliseconds(100);
        }
    }

    const QByteArray path;
    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;
    std::atomic_bool needed { false };
    std::thread thread;
};

struct Spies {
    explicit Spies(MdmInterface* source)
        : password(source, &MdmInterface::PasswordForLogoutChanged)
        , frame(source, &MdmInterface::FrameForwardingChanged)
        , fullscreen(source, &MdmInterface::FullscreenOnPrimaryChanged)
    {
    }
    QList<int> counts() const { return { password.count(), frame.count(), fullscreen.count() }; }
    QSignalSpy password, frame, fullscreen;
};

} // namespace

// The administrator's file: read at once, followed while the app runs, and never
// trusted when it cannot be understood.
class ManagedPreferencesTest : public QObject {
    Q_OBJECT

    QTemporaryDir temporary;

private slots:
    void initTestCase() { LogFile::startFresh(); }

    void baseSourceEnforcesNothing()
    {
        const MdmInterface base(nullptr);
        QCOMPARE(answers(base), nothingEnforced);
        QVERIFY(base.GetDefaultClassroom().isEmpty());
    }

    void factoryReadsTheConfiguredFile()
    {
        QVERIFY(!qEnvironmentVariableIsEmpty("TRELLION_MANAGED_PREFS"));
        QCOMPARE(LinuxMdmInterface::configuredPath(), qEnvironmentVariable("TRELLION_MANAGED_PREFS"));
        QObject owner;
        MdmInterface* source = CreateMdmInterface(&owner);
        QVERIFY(qobject_cast<LinuxMdmInterface*>(source));
        QCOMPARE(source->parent(), &owner);
    }

    void answersAreCurrentOnceConstructed()
    {
        const QString path = temporary.filePath("current.conf");
        writeAtomically(path,
            "# set by IT\n\n  requirePasswordLogout = TRUE\r\nframeForwarding=false\n"
            "defaultClassroom =  Room 2.01 = East Wing \n; end\n");
        const LinuxMdmInterface source(path, nullptr);
        QCOMPARE(answers(source), Answers({ true, true, true, false, false, false }));
        QCOMPARE(source.GetDefaultClassroom(), QString("Room 2.01 = East Wing")); // as written
    }

    void followsTheFileAsItComesChangesAndGoes()
    {
        // The directory itself appears only later.
        const QString directory = temporary.filePath("later");
        const QString path = directory + "/managed.conf";
        LinuxMdmInterface source(path, nullptr);
        const Spies spies(&source);
        QCOMPARE(answers(source), nothingEnforced);

        QVERIFY(QDir().mkpath(directory));
        writeAtomically(path, "fullscreenPrimaryPosts=false\n");
        QTRY_COMPARE(spies.counts(), QList<int>({ 0, 0, 1 }));
        QCOMPARE(answers(source), Answers({ false, false, false, false, true, false }));

        writeInPlace(path, "fullscreenPrimaryPosts=false\nframeForwarding=true\n");
        QTRY_COMPARE(spies.counts(), QList<int>({ 0, 1, 1 }));
        QCOMPARE(answers(source), Answers({ false, false, true, true, true, false }));

        QVERIFY(QFile::remove(path));
        QTRY_COMPARE(spies.counts(), QList<int>({ 0, 2, 2 }));
        QCOMPARE(answers(source), nothingEnforced);
        QTest::qWait(300);
        QCOMPARE(spies.counts(), QList<int>({ 0, 2, 2 })); // one signal per real change
    }

    void filesNotUnderstoodLeaveTheAnswers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00 not a switch", 16) << "line 1 not understood";
        QTest::newRow("unknown switch")
            << QByteArray("frameForwarding=true\nautoLogin=true\n") << "line 2 not understood";
        QTest::newRow("value not a flag") << QByteArray("frameForwarding=yes\n") << "line 1 not understood";
        QTest::newRow("twice") << QByteArray("frameForwarding=true\nframeForwarding=false\n")
                               << "line 2 not understood";
        QTest::newRow("room twice") << QByteArray("defaultClassroom=Lab\ndefaultClassroom=Studio\n")
                                    << "line 2 not understood";
        QTest::newRow("huge") << QByteArray(100 * 1024, '#') << "larger than 65536 bytes";
        QTest::newRow("directory in its place") << QByteArray() << "not a regular file";
        QTest::newRow("FIFO in its place") << QByteArray() << "not a regular file";
    }

    void filesNotUnderstoodLeaveTheAnswers()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, warning);
        const QString tag = QTest::currentDataTag();
        const QString path = temporary.filePath(tag);
        writeAtomically(path, "requirePasswordLogout=true\n");
        LinuxMdmInterface source(path, nullptr);
        const Spies spies(&source);

        std::optional<FifoRelease> release;
        if (tag == "directory in its place") {
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        } else if (tag == "FIFO in its place") {
            QVERIFY(QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
            release.emplace(path);
        } else {
            writeAtomically(path, text);
        }
        QTRY_VERIFY(LogFile::read().last().message.contains(warning));
        QVERIFY2(!release || !release->wasNeeded(), "reading the FIFO waited for a writer");
        QCOMPARE(LogFile::read().last().level, QString("warning"));
        QCOMPARE(answers(source), Answers({ true, true, false, false, false, false }));
        QCOMPARE(spies.counts(), QList<int>({ 0, 0, 0 }));
    }

    // A FIFO at the path must not hold the start: the file is looked at, not waited on.
    void fifoAtStartIsRefusedAtOnce()
    {
        const QString path = temporary.filePath("start.fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const FifoRelease release(path);
        const LinuxMdmInterface source(path, nullptr);
        QVERIFY2(!release.wasNeeded(), "reading the FIFO waited for a writer");
        QCOMPARE(answers(source), nothingEnforced);
        QVERIFY(LogFile::read().last().message.endsWith("not a regular file; keeping the current answers"));
    }
};

QTEST_GUILESS_MAIN(ManagedPreferencesTest)
#include "ManagedPreferencesTest.moc"
