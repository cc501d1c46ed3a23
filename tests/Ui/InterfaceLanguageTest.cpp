#include "AppFixture.h"
#include "Catalogue.h"
#include "Deployment.h"
#include "SignInForm.h"
#include "WindowDriver.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <memory>

// The interface in one language, TRELLION_TEST_LANGUAGE, through the real window: on the sign-in,
// home, room form, settings, editor and routing screens every text shown comes from the
// catalogue (its sources in English, its translations otherwise) or is data, and the screen stays
// readable at every window size. A run in another language than English saves its screenshots
// as <language>-<screen>. The test functions run in order and each starts where the previous
// one left the window.
class InterfaceLanguageTest : public QObject {
    Q_OBJECT

    static constexpr int answerTimeoutMs = 10000;
    static inline const QString language = QStringLiteral(TRELLION_TEST_LANGUAGE);
    static inline const QString homeRoom = QStringLiteral("Studio 4");
    static inline const QString routingRoom = QStringLiteral("Lecture Lab");

    AppFixture app { { "--config", TRELLION_DEMO_CONFIG } };
    std::unique_ptr<WindowDriver> ui;
    // Every catalogue holds the same sources; English reads them from the German one.
    const Catalogue catalogue { QStringLiteral(TRELLION_SOURCE_DIR "/translations/trellion_%1.ts")
                                    .arg(language == "en" ? "de" : language) };
    QStringList data;

    // A text of the interface in its language.
    static QString shown(const char* context, const char* english)
    {
        return QCoreApplication::translate(context, english);
    }

    // Every text the cloud service stores for the classrooms: names, numbers, buildings, addresses.
    static void collectTexts(const QJsonValue& value, QStringList& texts)
    {
        if (value.isString()) {
            texts.append(value.toString());
        } else if (value.isArray()) {
            for (const QJsonValue& inner : value.toArray())
                collectTexts(inner, texts);
        } else if (value.isObject()) {
            for (const QJsonValue& inner : value.toObject())
                collectTexts(inner, texts);
        }
    }

    // Data rather than interface text: what the cloud stores, the signed-in user's e-mail, the
    // product's name, and what has no letter at all (a count, a zoom of "100%").
    bool isData(const QString& text) const
    {
        static const QRegularExpression letter(QStringLiteral("\\p{L}"));
        return data.contains(text) || text == AppFixture::editorEmail || text == QLatin1String("Trellion")
            || !text.contains(letter);
    }

    QStringList untranslatedTexts() const
    {
        const Catalogue::Side side
            = language == "en" ? Catalogue::Side::Source : Catalogue::Side::Translation;
        QStringList untranslated;
        for (const QString& text : ui->visibleTexts()) {
            if (!isData(text) && !catalogue.shows(text, side) && !untranslated.contains(text))
                untranslated.append(text);
        }
        return untranslated;
    }

    // The screen on show: every text from the catalogue or data, readable at every size, and
    // saved as a screenshot.
    bool screenIsTranslated(const QString& screen)
    {
        const QStringList untranslated = untranslatedTexts();
        for (const QString& text : untranslated)
            qWarning("%s: not from the catalogue: \"%s\"", qPrintable(screen), qPrintable(text));
        if (language != "en" && !ui->saveScreenshot(language + "-" + screen))
            return false;
        return untranslated.isEmpty() && ui->isLayoutReadable();
    }

    bool homeShown() { return ui->waitForText(homeRoom, WindowDriver::Match::Exact, answerTimeoutMs); }

    // Skips a first-use guide after checking it.
    bool guideIsTranslated(const QString& screen)
    {
        return ui->waitForText(shown("FirstUseGuide", "SKIP"), WindowDriver::Match::Exact, answerTimeoutMs)
            && screenIsTranslated(screen) && ui->click(ui->itemWithText(shown("FirstUseGuide", "SKIP")))
            && ui->waitUntilTextGone(shown("FirstUseGuide", "SKIP"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(catalogue.isValid());
        Deployment::current().language = language;
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        ui = std::make_unique<WindowDriver>();
        QVERIFY(ui->isReady());
        QVERIFY(ui->resize(QSize(1024, 768)));
    }

    void signIn()
    {
        QVERIFY(ui->waitForText(shown("LoginScreen", "Sign In")));
        QVERIFY(screenIsTranslated("login"));
        SignInForm form(*ui);
        QVERIFY(form.findFields());
        QVERIFY(form.signIn(AppFixture::editorEmail, AppFixture::editorPassword, homeRoom));
        collectTexts(app.storedRooms(), data);
    }

    void home() { QVERIFY(homeShown() && screenIsTranslated("home")); }

    void roomForm()
    {
        QVERIFY(ui->click(ui->waitForImage("Floating.png")));
        QVERIFY(ui->waitForText(shown("RoomForm", "Please name your room.")));
        QVERIFY(screenIsTranslated("room-form"));
        QVERIFY(ui->click(ui->itemWithText(shown("RoomForm", "CANCEL"))));
        QVERIFY(homeShown());
    }

    void settings()
    {
        QVERIFY(ui->click(ui->waitForImage("DropdownArrow.svg")));
        QVERIFY(ui->click(ui->waitForText(shown("TopBar", "Settings"))));
        QVERIFY(ui->waitForText(shown("SettingsList", "Password required for logout")));
        QVERIFY(screenIsTranslated("settings"));
        // Its close button lies above the home screen's add button, which shows the same picture.
        QVERIFY(ui->click(ui->imageWithSource("Floating.png")));
        QVERIFY(homeShown());
    }

    void editor()
    {
        QVERIFY(ui->click(ui->imageAboveRightOf(homeRoom, "ThreeDotMenu.svg")));
        QVERIFY(ui->waitForText(shown("ActionMenu", "Duplicate")));
        QVERIFY(screenIsTranslated("classroom-menu"));
        QVERIFY(ui->click(ui->itemWithText(shown("ActionMenu", "Edit"))));
        QVERIFY(guideIsTranslated("editor-first-use-guide"));
        QVERIFY(screenIsTranslated("editor"));
        QVERIFY(ui->click(ui->itemWithText(shown("SaveBar", "Exit"))));
        // Nothing changed (resizing the window is no edit): Exit leaves at once.
        QVERIFY(ui->waitUntilTextGone(shown("SaveBar", "Exit")) && homeShown());
    }

    void routing()
    {
        QVERIFY(ui->click(ui->waitForText(routingRoom)));
        QVERIFY(guideIsTranslated("routing-first-use-guide"));
        QVERIFY(ui->waitForText(shown("RouteMenu", "Primary to All")));
        QVERIFY(screenIsTranslated("routing"));
    }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "InterfaceLanguageTest.moc"
