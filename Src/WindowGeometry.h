#pragma once

#include <QList>
#include <QObject>
#include <QRect>

class QWindow;
class Settings;

// Puts the main window where it belongs: fitted to the screen on the first start, where the user
// left it on later ones. Follows the window from then on and keeps its place in the settings.
class WindowGeometry : public QObject {
    Q_OBJECT
public:
    // Places `window` at once; lives as the window's child.
    WindowGeometry(QWindow* window, Settings* settings);

    // The first start: the design's 4:3 shape `screenShare` of the available area at most,
    // never below the 1024 by 768 design grid, centred.
    static QRect fitted(const QRect& available);
    // A saved geometry whose title bar no screen shows any more is moved onto `available`,
    // keeping its size; one never saved gets the fitted one.
    static QRect restored(const QRect& saved, const QList<QRect>& screens, const QRect& available);

    static constexpr double screenShare = 0.85;

private:
    void remember();

    QWindow* window;
    Settings* settings;
    QRect normalGeometry;
};
