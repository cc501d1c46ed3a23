#pragma once

#include <QList>
#include <QPointF>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QQuickItem;
class QQuickWindow;

// Drives the app's real window as a user would: finds what is on screen by its text, name or
// picture, and clicks, types and drags with mouse and key events sent to the window.
// Every wait is bounded and answers false (or null) instead of hanging.
//
//     WindowDriver ui;
//     QVERIFY(ui.click(ui.waitForText("Login")));
//     ui.saveScreenshot("login");
class WindowDriver {
public:
    enum class Match { Exact, Contains };

    // The application's first top-level Qt Quick window, or null.
    static QQuickWindow* findAppWindow();

    explicit WindowDriver(QQuickWindow* window = findAppWindow());

    QQuickWindow* window() const { return win; }
    bool isReady() const { return win != nullptr; }

    // The topmost visible item showing `text` (leading and trailing blanks and markup ignored).
    QQuickItem* itemWithText(const QString& text, Match match = Match::Exact) const;
    QList<QQuickItem*> itemsWithText(const QString& text, Match match = Match::Exact) const;
    QQuickItem* itemNamed(const QString& objectName) const;
    // The topmost visible item whose `source` URL ends with `suffix` ("ThreeDotMenu.svg").
    QQuickItem* imageWithSource(const QString& suffix) const;
    QList<QQuickItem*> imagesWithSource(const QString& suffix) const;
    // The image with that source suffix nearest to `text` among those above and to its right,
    // such as the menu icon in the corner of a card.
    QQuickItem* imageAboveRightOf(const QString& text, const QString& suffix) const;
    // What every visible text item shows, bottom first, as itemWithText() reads it.
    QStringList visibleTexts() const;
    // Every visible item for which `test` holds, bottom first.
    QList<QQuickItem*> itemsWhere(const std::function<bool(const QQuickItem*)>& test) const;

    QQuickItem* waitForText(
        const QString& text, Match match = Match::Exact, int timeoutMs = defaultTimeoutMs);
    QQuickItem* waitForNamed(const QString& objectName, int timeoutMs = defaultTimeoutMs);
    QQuickItem* waitForImage(const QString& suffix, int timeoutMs = defaultTimeoutMs);
    bool waitUntilTextGone(const QString& text, Match match = Match::Exact, int timeoutMs = defaultTimeoutMs);
    // Runs the event loop until `found` returns an item (returned) or the time is up (null).
    QQuickItem* waitForItem(const std::function<QQuickItem*()>& found, int timeoutMs = defaultTimeoutMs);

    // Mouse: left button at the item's centre, in window coordinates. False for a null or hidden item.
    // `times` clicks follow each other without the event loop running in between.
    bool click(QQuickItem* item, int times = 1);
    bool click(const QPointF& windowPoint, int times = 1);
    bool pressAndHold(QQuickItem* item, int holdMs = 1000);
    bool drag(const QPointF& from, const QPointF& to, int steps = 10);
    bool drag(QQuickItem* from, QQuickItem* to, int steps = 10);
    static QPointF centreOf(const QQuickItem* item);

    // Replaces a field's text as a user does: click into it, select everything, type over it.
    bool fillField(QQuickItem* field, const QString& text);

    // Keyboard, into the item that has the focus. A shown tool tip closes on Escape and keeps the key
    // for itself: Escape first takes the pointer off the controls, as a hand gone to the keyboard.
    void typeText(const QString& text);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Moves the pointer out of the window and waits until no tool tip is shown.
    bool movePointerAway();

    // Resizes the window and waits until the scene has the new size and a frame of it is drawn.
    bool resize(const QSize& size);
    // Asks for a frame and waits until one is drawn.
    bool waitForFrame(int timeoutMs = defaultTimeoutMs);
    // Waits until the window has drawn no frame for `quietMs`; false when it still draws at `timeoutMs`.
    bool waitUntilStill(int quietMs, int timeoutMs);

    // Saves the window as <name>.png into $TRELLION_SCREENSHOT_DIR; does nothing when unset. At the
    // design size it also saves the same scene on a classroom panel, as <name>-1920x1080.png, and
    // returns the window to its size. False only when saving was asked for and failed.
    bool saveScreenshot(const QString& name);

    // A classroom panel or projector.
    static constexpr QSize designSize { 1024, 768 };
    static constexpr QSize panelSize { 1920, 1080 };

    // Every visible text a user cannot read whole, named with its text: cut without "…", covered by
    // an item drawn above it (but for what is meant to, such as a dialog), or lying partly outside
    // the window. Checked at each size of `layoutSizes`, the window then returned to its size;
    // empty when all is well.
    QStringList layoutProblemsAtEverySize();
    QStringList layoutProblems() const;
    // The same as a verdict for QVERIFY, each problem written out as a warning.
    bool isLayoutReadable();
    // From the smallest classroom computer to a 4K panel (whose device pixel ratio of 2 gives the
    // interface 1920 by 1080 logical pixels).
    static inline const QList<QSize> layoutSizes { { 1024, 768 }, { 1280, 800 }, { 1366, 768 },
        { 1920, 1080 }, { 2560, 1440 } };

    static constexpr int defaultTimeoutMs = 5000;

private:
    QList<QQuickItem*> visibleItems() const;
    bool ensureActive();

    QPointer<QQuickWindow> win;
};
