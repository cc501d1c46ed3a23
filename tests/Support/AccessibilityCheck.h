#pragma once

#include <QString>
#include <QStringList>

class QObject;
class QQuickWindow;

// Reads a window as a screen reader does: through Qt's accessibility interfaces, from the window
// down. Every control a user can operate must be one to the reader and tell its name; the check
// names each one that does not by its role, object, class, file and position.
//
//     QVERIFY(AccessibilityCheck::everyControlAnnounced(ui->window()));
namespace AccessibilityCheck {

// Starts recording the alerts the interface sends. Accessibility must be active in the process,
// as it is when a screen reader runs; the UI tests run with Qt told that one does.
void recordAlerts();

// Every visible operable item without a name (one with a role such as button, check box, text
// field, menu item or dialog, one that takes the focus, or one that offers a press or toggle
// action), and every mouse area under a pointing hand that lies in no control. Empty when a
// screen reader finds them all.
QStringList silentControls(QQuickWindow* window);
// The same as a verdict for QVERIFY, each problem written out as a warning.
bool everyControlAnnounced(QQuickWindow* window);

// What a screen reader says of `object`; empty when it is not accessible.
QString nameOf(QObject* object);

// The names of the items that raised an alert since `recordAlerts`, oldest first.
QStringList alerts();

} // namespace AccessibilityCheck
