#include "Translations.h"

#include "Catalogue.h"
#include "Deployment.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The catalogues in translations/: complete, in step with the texts of Src/ and qml/, and built
// into the app, where --lang picks one.
class TranslationsTest : public QObject {
    Q_OBJECT

    static QDir catalogueFolder() { return QDir(TRELLION_SOURCE_DIR "/translations"); }

    // The place markers of a text (%1, %n), in order of their numbers.
    static QStringList markers(const QString& text)
    {
        static const QRegularExpression marker(QStringLiteral(R"(%(\d|n))"));
        QStringList found;
        for (QRegularExpressionMatchIterator it = marker.globalMatch(text); it.hasNext();)
            found.append(it.next().captured());
        found.sort();
        return found;
    }

    // What a catalogue holds, one line per text: its context and its source.
    static QStringList texts(const Catalogue& catalogue)
    {
        QStringList all;
        for (const Catalogue::Entry& entry : catalogue.entries)
            all.append(entry.context + " | " + entry.source);
        all.sort();
        return all;
    }

    static QString languageOf(const QStringList& arguments)
    {
        QCommandLineParser parser;
        Deployment::addOptions(parser);
        if (!parser.parse(arguments))
            return {};
        Deployment deployment;
        deployment.apply(parser);
        return deployment.language;
    }

    static QString primaryDisplayName()
    {
        return QCoreApplication::translate("ClassroomPrimaryDisplay", "Primary Display");
    }

private slots:
    void initTestCase() { QVERIFY(!catalogueFolder().entryList({ "trellion_*.ts" }).isEmpty()); }

    void cataloguesAreComplete_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : catalogueFolder().entryList({ "trellion_*.ts" }))
            QTest::newRow(qPrintable(name)) << name;
    }

    // Every text translated, each plural form too, keeping the place markers of its source.
    void cataloguesAreComplete()
    {
        QFETCH(QString, name);
        const Catalogue catalogue(catalogueFolder().filePath(name));
        QVERIFY(catalogue.isValid());
        QVERIFY(!catalogue.entries.isEmpty());
        QStringList problems;
        for (const Catalogue::Entry& entry : catalogue.entries) {
            const QString text = entry.context + " \"" + entry.source + "\"";
            if (!entry.finished || entry.translations.isEmpty())
                problems.append(text + " is not finished");
            for (const QString& translation : entry.translations) {
                if (translation.isEmpty())
                    problems.append(text + " has an empty translation");
                else if (markers(translation) != markers(entry.source))
                    problems.append(text + " loses or adds a place marker: \"" + translation + "\"");
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void cataloguesMatchTheSources_data() { cataloguesAreComplete_data(); }

    // lupdate, run over the sources as scripts/update-translations.sh runs it, on a copy of the
    // catalogue, finds exactly the texts it holds: none new, none gone.
    void cataloguesMatchTheSources()
    {
        QFETCH(QString, name);
        QTemporaryDir copy;
        QVERIFY(copy.isValid());
        QVERIFY(QFile::copy(catalogueFolder().filePath(name), copy.filePath(name)));
        QProcess update;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TRELLION_TRANSLATIONS_DIR", copy.path());
        update.setProcessEnvironment(environment);
        update.start(TRELLION_SOURCE_DIR "/scripts/update-translations.sh", QStringList());
        QVERIFY(update.waitForFinished(30000));
        QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());

        const QStringList committed = texts(Catalogue(catalogueFolder().filePath(name)));
        const QStringList current = texts(Catalogue(copy.filePath(name)));
        QVERIFY(!committed.isEmpty() && !current.isEmpty());
        QStringList differences;
        for (const QString& text : current) {
            if (!committed.contains(text))
                differences.append("new in the sources: " + text);
        }
        for (const QString& text : committed) {
            if (!current.contains(text))
                differences.append("gone from the sources: " + text);
        }
        QVERIFY2(differences.isEmpty(),
            qPrintable("run scripts/update-translations.sh and translate:\n" + differences.join('\n')));
    }

    // --lang chooses the catalogue the build compiled in; an unknown language leaves English.
    void languageOptionInstallsItsCatalogue()
    {
        QCOMPARE(languageOf({ "Trellion", "--lang", "xx" }), QString("xx"));
        Translations::install("xx");
        QCOMPARE(primaryDisplayName(), QString("Primary Display"));
        QCOMPARE(languageOf({ "Trellion", "--lang", "de" }), QString("de"));
        Translations::install("de");
        QCOMPARE(primaryDisplayName(), QString("Hauptanzeige"));
        QCOMPARE(QCoreApplication::translate("QuorvexTextInput", "At most %n characters", "", 40),
            QString("Höchstens 40 Zeichen"));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
