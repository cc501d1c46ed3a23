#include "WindowDriver.h"

#include <QColor>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QLineF>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStyleHints>
#include <QTest>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <limits>

namespace {

// Counts the frames `window` swaps while it lives, on whichever thread swaps them.
class FrameCount {
public:
    explicit FrameCount(QQuickWindow* window)
        : connection(QObject::connect(
            window, &QQuickWindow::frameSwapped, window, [this] { ++frames; }, Qt::DirectConnection))
    {
    }
    ~FrameCount() { QObject::disconnect(connection); }
    int operator()() const { return frames; }

private:
    std::atomic<int> frames { 0 };
    QMetaObject::Connection connection;
};

// Waits between the steps of a gesture so that Qt Quick sees a moving pointer, not a jump.
constexpr int stepDelayMs = 20;

QString shownText(const QQuickItem* item)
{
    const QVariant value = item->property("text");
    if (!value.isValid() || value.userType() != QMetaType::QString)
        return {};
    const QString text = value.toString();
    if (Qt::mightBeRichText(text))
        return QTextDocumentFragment::fromHtml(text).toPlainText().trimmed();
    return text.trimmed();
}

bool textMatches(const QString& shown, const QString& wanted, WindowDriver::Match match)
{
    if (shown.isEmpty())
        return false;
    return match == WindowDriver::Match::Exact ? shown == wanted.trimmed() : shown.contains(wanted);
}

// Visible to a user: shown, not transparent, with its centre inside the window and every clipping
// ancestor.
bool isOnScreen(const QQuickItem* item, const QQuickWindow* window)
{
    if (!item->isVisible() || item->width() <= 0 || item->height() <= 0)
        return false;
    const QPointF centre = WindowDriver::centreOf(item);
    if (!QRectF(QPointF(0, 0), window->size()).contains(centre))
        return false;
    for (const QQuickItem* up = item; up; up = up->parentItem()) {
        if (up->opacity() <= 0)
            return false;
        if (up != item && up->clip() && !up->mapRectToScene(up->boundingRect()).contains(centre))
            return false;
    }
    return true;
}

// Appends `item` and its descendants in the order Qt Quick paints them, so later means on top.
void collectInPaintOrder(QQuickItem* item, QList<QQuickItem*>& out)
{
    out.append(item);
    QList<QQuickItem*> children = item->childItems();
    std::stable_sort(children.begin(), children.end(),
        [](const QQuickItem* a, const QQuickItem* b) { return a->z() < b->z(); });
    for (QQuickItem* child : children)
        collectInPaintOrder(child, out);
}

// The picture an item shows: its own source, or that of the hidden item an effect (a colour
// overlay, a shadow) draws in its place.
QUrl shownSource(const QQuickItem* item)
{
    const QVariant source = item->property("source");
    if (source.userType() == QMetaType::QUrl)
        return source.toUrl();
    if (const QObject* drawn = source.value<QObject*>()) {
        const QVariant inner = drawn->property("source");
        if (inner.userType() == QMetaType::QUrl)
            return inner.toUrl();
    }
    return {};
}

// Where a text item's glyphs are, in window coordinates: its content box placed by its alignment.
QRectF paintedRect(const QQuickItem* text)
{
    const QSizeF content(text->property("contentWidth").toReal(), text->property("contentHeight").toReal());
    const int horizontal = text->property("effectiveHorizontalAlignment").toInt();
    const int vertical = text->property("verticalAlignment").toInt();
    qreal x = 0;
    if (horizontal & Qt::AlignRight)
        x = text->width() - content.width();
    else if (horizontal & Qt::AlignHCenter)
        x = (text->width() - content.width()) / 2;
    qreal y = 0;
    if (vertical & Qt::AlignBottom)
        y = text->height() - content.height();
    else if (vertical & Qt::AlignVCenter)
        y = (text->height() - content.height()) / 2;
    return text->mapRectToScene(QRectF(QPointF(x, y), content));
}

QQuickItem* topmost(const QList<QQuickItem*>& items)
{
    return items.isEmpty() ? nullptr : items.last();
}

bool isText(const QQuickItem* item)
{
    return item->inherits("QQuickText") && !shownText(item).isEmpty();
}

// What is meant to lie over a text, by the QML type or object name of the item drawn above it or of
// one of its ancestors, each with the reason.
const QHash<QString, QString>& meantToCover()
{
    static const QHash<QString, QString> types {
        { "DialogFrame", "a dialog stands in front of its screen" },
        { "DimmingLayer", "dims the screen behind an open dialog" },
        { "TeamBlockDialog", "the block dialog stands in front of the canvas" },
        { "ScreenBackground", "a screen laid over another hides it whole" },
        { "SettingsScreen", "the settings are shown over the current screen, hiding it" },
        { "modalLayer", "dims the whole window behind its own dialogs" },
        { "Notice", "a passing notice is read first and goes away by itself" },
    };
    return types;
}

// An item's QML type and those it is built on, without the engine's suffixes.
QStringList typeNames(const QQuickItem* item)
{
    QStringList names;
    for (const QMetaObject* type = item->metaObject(); type; type = type->superClass())
        names.append(QString(type->className()).section("_QML", 0, 0));
    return names;
}

bool isMeantToCover(const QQuickItem* item)
{
    for (const QQuickItem* up = item; up; up = up->parentItem()) {
        if (meantToCover().contains(up->objectName()))
            return true;
        for (const QString& name : typeNames(up)) {
            if (meantToCover().contains(name))
                return true;
        }
    }
    return false;
}

// Whether an item paints anything: an empty text, an image without a source or a transparent
// rectangle without a border does not.
bool paints(const QQuickItem* item)
{
    if (!item->flags().testFlag(QQuickItem::ItemHasContents))
        return false;
    if (item->inherits("QQuickText"))
        return isText(item);
    if (item->inherits("QQuickImageBase"))
        return !shownSource(item).isEmpty();
    if (item->inherits("QQuickRectangle")) {
        const QObject* border = item->property("border").value<QObject*>();
        return item->property("color").value<QColor>().alpha() > 0
            || (border && border->property("width").toReal() > 0);
    }
    return true;
}

// An item as a problem names it: its object name, or its type and what it shows.
QString described(const QQuickItem* item)
{
    const QString name = item->objectName().isEmpty() ? typeNames(item).first() : item->objectName();
    const QString shows = isText(item) ? shownText(item) : shownSource(item).fileName();
    return shows.isEmpty() ? name : QStringLiteral("%1 \"%2\"").arg(name, shows);
}

} // namespace

QQuickWindow* WindowDriver::findAppWindow()
{
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (auto* quickWindow = qobject_cast<QQuickWindow*>(window))
            return quickWindow;
    }
    return nullptr;
}

WindowDriver::WindowDriver(QQuickWindow* window)
    : win(window)
{
    if (win && !QTest::qWaitForWindowExposed(win, defaultTimeoutMs))
        qWarning("WindowDriver: the window was not exposed in time");
    // Key events reach the focused item only while the window is active.
    if (win && !ensureActive())
        qWarning("WindowDriver: the window did not become active in time");
}

QList<QQuickItem*> WindowDriver::visibleItems() const
{
    QList<QQuickItem*> all;
    if (win)
        collectInPaintOrder(win->contentItem(), all);
    QList<QQuickItem*> shown;
    for (QQuickItem* item : all) {
        if (isOnScreen(item, win))
            shown.append(item);
    }
    return shown;
}

QList<QQuickItem*> WindowDriver::itemsWhere(const std::function<bool(const QQuickItem*)>& test) const
{
    QList<QQuickItem*> found;
    for (QQuickItem* item : visibleItems()) {
        if (test(item))
            found.append(item);
    }
    return found;
}

QStringList WindowDriver::visibleTexts() const
{
    QStringList texts;
    for (const QQuickItem* item : itemsWhere(isText))
        texts.append(shownText(item));
    return texts;
}

QList<QQuickItem*> WindowDriver::itemsWithText(const QString& text, Match match) const
{
    return itemsWhere([&](const QQuickItem* item) { return textMatches(shownText(item), text, match); });
}

QQuickItem* WindowDriver::itemWithText(const QString& text, Match match) const
{
    return topmost(itemsWithText(text, match));
}

QQuickItem* WindowDriver::itemNamed(const QString& objectName) const
{
    return topmost(itemsWhere([&](const QQuickItem* item) { return item->objectName() == objectName; }));
}

QList<QQuickItem*> WindowDriver::imagesWithSource(const QString& suffix) const
{
    return itemsWhere([&](const QQuickItem* item) { return shownSource(item).toString().endsWith(suffix); });
}

QQuickItem* WindowDriver::imageWithSource(const QString& suffix) const
{
    return topmost(imagesWithSource(suffix));
}

QQuickItem* WindowDriver::waitForItem(const std::function<QQuickItem*()>& found, int timeoutMs)
{
    QQuickItem* item = nullptr;
    if (!QTest::qWaitFor([&] { return (item = found()) != nullptr; }, timeoutMs))
        return nullptr;
    return item;
}

QQuickItem* WindowDriver::waitForText(const QString& text, Match match, int timeoutMs)
{
    return waitForItem([&] { return itemWithText(text, match); }, timeoutMs);
}

QQuickItem* WindowDriver::waitForNamed(const QString& objectName, int timeoutMs)
{
    return waitForItem([&] { return itemNamed(objectName); }, timeoutMs);
}

QQuickItem* WindowDriver::waitForImage(const QString& suffix, int timeoutMs)
{
    return waitForItem([&] { return imageWithSource(suffix); }, timeoutMs);
}

bool WindowDriver::waitUntilTextGone(const QString& text, Match match, int timeoutMs)
{
    return QTest::qWaitFor([&] { return !itemWithText(text, match); }, timeoutMs);
}

QPointF WindowDriver::centreOf(const QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}

bool WindowDriver::click(QQuickItem* item, int times)
{
    return item && win && isOnScreen(item, win) && click(centreOf(item), times);
}

bool WindowDriver::click(const QPointF& windowPoint, int times)
{
    if (!win)
        return false;
    // A user's pointer moves there first; hover handlers see it as they would.
    QTest::mouseMove(win, windowPoint.toPoint());
    // Repeated clicks all arrive before the app can answer the first, as from a quick user.
    for (int click = 0; click < times; ++click)
        QTest::mouseClick(win, Qt::LeftButton, Qt::NoModifier, windowPoint.toPoint());
    QTest::qWait(stepDelayMs);
    return true;
}

bool WindowDriver::pressAndHold(QQuickItem* item, int holdMs)
{
    if (!item || !win || !isOnScreen(item, win))
        return false;
    const QPoint point = centreOf(item).toPoint();
    QTest::mouseMove(win, point);
    QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, point);
    QTest::qWait(holdMs);
    // qWait may return after its last check without running the event loop again: a machine that
    // is slow to wake it would release before the hold's timer, long due, has fired.
    QCoreApplication::processEvents();
    QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, point);
    QTest::qWait(stepDelayMs);
    return true;
}

bool WindowDriver::drag(const QPointF& from, const QPointF& to, int steps)
{
    if (!win || steps < 1)
        return false;
    QTest::mouseMove(win, from.toPoint());
    QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, from.toPoint());
    // The first step leaves the press point at once, before the event loop runs and at least as far
    // as a drag must move: a loaded machine must not let the press-and-hold interval pass, which
    // would turn the drag into a hold.
    const qreal length = QLineF(from, to).length();
    const qreal firstShare
        = length > 0 ? std::min(1.0, (QGuiApplication::styleHints()->startDragDistance() + 1) / length) : 1;
    for (int step = 1; step <= steps; ++step) {
        const QPointF point = from + (to - from) * std::max(firstShare, qreal(step) / steps);
        QTest::mouseMove(win, point.toPoint());
        QTest::qWait(stepDelayMs);
    }
    QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, to.toPoint());
    QTest::qWait(stepDelayMs);
    return true;
}

bool WindowDriver::drag(QQuickItem* from, QQuickItem* to, int steps)
{
    return from && to && win && isOnScreen(from, win) && drag(centreOf(from), centreOf(to), steps);
}

bool WindowDriver::ensureActive()
{
    if (!win)
        return false;
    if (!win->isActive())
        win->requestActivate();
    return QTest::qWaitForWindowActive(win, defaultTimeoutMs);
}

void WindowDriver::typeText(const QString& text)
{
    if (!ensureActive())
        return;
    for (const QChar character : text)
        QTest::keyClick(win, character.toLatin1());
}

void WindowDriver::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (!ensureActive() || (key == Qt::Key_Escape && !movePointerAway()))
        return;
    QTest::keyClick(win, key, modifiers);
}

bool WindowDriver::movePointerAway()
{
    if (!win)
        return false;
    QTest::mouseMove(win, QPoint(-1, -1));
    QList<QQuickItem*> all;
    const auto toolTipShown = [&] {
        all.clear();
        collectInPaintOrder(win->contentItem(), all);
        return std::any_of(all.begin(), all.end(), [](const QQuickItem* item) {
            return item->isVisible() && item->inherits("QQuickPopupItem"); // the app's only popups are tips
        });
    };
    return QTest::qWaitFor([&] { return !toolTipShown(); }, defaultTimeoutMs);
}

bool WindowDriver::resize(const QSize& size)
{
    if (!win)
        return false;
    win->resize(size);
    const bool resized = QTest::qWaitFor(
        [&] { return win->size() == size && win->contentItem()->size() == QSizeF(size); }, defaultTimeoutMs);
    // Layouts settle when the scene is polished for a frame: wait for one drawn from here on.
    return resized && waitForFrame();
}

bool WindowDriver::waitForFrame(int timeoutMs)
{
    if (!win)
        return false;
    const FrameCount frames(win);
    win->update();
    return QTest::qWaitFor([&] { return frames() > 0; }, timeoutMs);
}

bool WindowDriver::waitUntilStill(int quietMs, int timeoutMs)
{
    if (!win)
        return false;
    const FrameCount frames(win);
    const QDeadlineTimer limit(timeoutMs);
    while (!limit.hasExpired()) {
        const int before = frames();
        if (!QTest::qWaitFor([&] { return frames() != before; }, quietMs))
            return true;
    }
    return false;
}

bool WindowDriver::saveScreenshot(const QString& name)
{
    const QString directory = qEnvironmentVariable("TRELLION_SCREENSHOT_DIR");
    if (directory.isEmpty())
        return true;
    if (!win || !QDir().mkpath(directory))
        return false;
    const auto save = [&](const QString& fileName) {
        return win->grabWindow().save(QDir(directory).filePath(fileName + ".png"), "PNG");
    };
    if (!save(name))
        return false;
    if (win->size() != designSize)
        return true;
    return resize(panelSize)
        && save(QStringLiteral("%1-%2x%3").arg(name).arg(panelSize.width()).arg(panelSize.height()))
        && resize(designSize);
}

QStringList WindowDriver::layoutProblems() const
{
    QStringList problems;
    if (!win)
        return { "no window" };
    constexpr qreal tolerance = 1; // antialiased edges
    const QRectF window
        = QRectF(QPointF(0, 0), win->size()).adjusted(-tolerance, -tolerance, tolerance, tolerance);
    const QList<QQuickItem*> shown = visibleItems();
    for (int i = 0; i < shown.size(); ++i) {
        const QQuickItem* text = shown[i];
        if (!isText(text))
            continue;
        const QString name = QStringLiteral("\"%1\"").arg(shownText(text));
        const bool elides = text->property("elide").toInt() != Qt::ElideNone;
        const bool wraps = text->property("wrapMode").toInt() != 0;
        if (!elides && text->property("truncated").toBool())
            problems.append(name + " is cut without an ellipsis");
        else if (!elides && !wraps && text->width() + tolerance < text->implicitWidth())
            problems.append(name + " runs past its box without an ellipsis");
        if (!window.contains(paintedRect(text)))
            problems.append(name + " lies partly outside the window");
        const QRectF glyphs = paintedRect(text).adjusted(tolerance, tolerance, -tolerance, -tolerance);
        for (const QQuickItem* above : shown.mid(i + 1)) {
            if (above->mapRectToScene(above->boundingRect()).intersects(glyphs) && paints(above)
                && !text->isAncestorOf(above) && !isMeantToCover(above))
                problems.append(name + " is covered by " + described(above));
        }
    }
    return problems;
}

QStringList WindowDriver::layoutProblemsAtEverySize()
{
    if (!win)
        return { "no window" };
    const QSize before = win->size();
    QStringList problems;
    for (const QSize& size : layoutSizes) {
        if (!resize(size)) {
            problems.append(
                QStringLiteral("the window did not take %1x%2").arg(size.width()).arg(size.height()));
            continue;
        }
        for (const QString& problem : layoutProblems())
            problems.append(QStringLiteral("%1x%2: %3").arg(size.width()).arg(size.height()).arg(problem));
    }
    if (!resize(before) || !ensureActive())
        problems.append("the window did not return to its size");
    return problems;
}

bool WindowDriver::isLayoutReadable()
{
    const QStringList problems = layoutProblemsAtEverySize();
    for (const QString& problem : problems)
        qWarning("Layout: %s", qPrintable(problem));
    return problems.isEmpty();
}

bool WindowDriver::fillField(QQuickItem* field, const QString& text)
{
    if (!click(field))
        return false;
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_Backspace);
    typeText(text);
    return true;
}

QQuickItem* WindowDriver::imageAboveRightOf(const QString& text, const QString& suffix) const
{
    QQuickItem* label = itemWithText(text);
    if (!label)
        return nullptr;
    const QPointF at = centreOf(label);
    QQuickItem* nearest = nullptr;
    qreal nearestDistance = std::numeric_limits<qreal>::max();
    for (QQuickItem* image : imagesWithSource(suffix)) {
        const QPointF imageAt = centreOf(image);
        const qreal distance = QLineF(at, imageAt).length();
        if (imageAt.x() > at.x() && imageAt.y() < at.y() && distance < nearestDistance) {
            nearest = image;
            nearestDistance = distance;
        }
    }
    return nearest;
}
