#pragma once

#include <QQuickItem>
#include <QStringList>

class WindowDriver;

// Checks that the room's plan keeps its proportions as the window grows: at each of `sizes` the
// outline has the shape it has at the design size, `block` has the same place and size in it, the
// outline stays clear of `title` above (if any) and of `menu` below. Names each problem found; the window
// is returned to the design size.
QStringList planProblems(WindowDriver& ui, QQuickItem* block, QQuickItem* title, QQuickItem* menu);
