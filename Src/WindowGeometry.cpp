#include "WindowGeometry.h"

#include "Logger.h"
#include "Settings/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int designWidth = 1024;
constexpr int designHeight = 768;
// The strip along the top that must stay on a screen for the window to be grabbed and moved.
constexpr int titleBarHeight = 30;

QRect centredIn(const QRect& area, const QSize& size)
{
    QRect rect({ 0, 0 }, size);
    rect.moveCenter(area.center());
    return rect;
}

QList<QRect> availableScreens()
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return screens;
}

} // namespace

WindowGeometry::WindowGeometry(QWindow* window, Settings* settings)
    : QObject(window)
    , window(window)
    , settings(settings)
{
    const QRect available = window->screen()->availableGeometry();
    normalGeometry = restored(settings->windowGeometry(), availableScreens(), available);
    window->setGeometry(normalGeometry);
    if (settings->isWindowMaximized())
        window->showMaximized();
    LOG_INFO("Window placed: geometry=[{},{} {}x{}] maximized=[{}]", normalGeometry.x(), normalGeometry.y(),
        normalGeometry.width(), normalGeometry.height(), settings->isWindowMaximized());

    for (auto changed :
        { &QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged })
        connect(window, changed, this, &WindowGeometry::remember);
    connect(window, &QWindow::windowStateChanged, this, &WindowGeometry::remember);
}

QRect WindowGeometry::fitted(const QRect& available)
{
    const double scale = qMax(1.0,
        screenShare
            * qMin(double(available.width()) / designWidth, double(available.height()) / designHeight));
    return centredIn(available, QSize(qRound(designWidth * scale), qRound(designHeight * scale)));
}

QRect WindowGeometry::restored(const QRect& saved, const QList<QRect>& screens, const QRect& available)
{
    if (!saved.isValid())
        return fitted(available);
    const QRect titleBar(saved.topLeft(), QSize(saved.width(), titleBarHeight));
    for (const QRect& screen : screens) {
        if (screen.intersects(titleBar))
            return saved;
    }
    return centredIn(available, saved.size());
}

// Only a plain window's geometry is its own; a maximised one keeps the size it returns to.
void WindowGeometry::remember()
{
    const Qt::WindowStates state = window->windowStates();
    if (!(state & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        normalGeometry = window->geometry();
    settings->setWindowPlacement(normalGeometry, state & Qt::WindowMaximized);
}
