#include "PlanCheck.h"

#include "WindowDriver.h"

#include <QQuickWindow>
#include <QRectF>

namespace {

struct PlanPlace {
    QRectF outline; // in the window
    QRectF block; // the block as a fraction of the outline
};

PlanPlace placeOf(WindowDriver& ui, QQuickItem* block)
{
    QQuickItem* outline = ui.itemNamed("roomOutline");
    if (!outline)
        return {};
    const QRectF frame = outline->mapRectToScene(outline->property("frame").toRectF());
    const QRectF drawn = block->mapRectToScene(block->boundingRect()).translated(-frame.topLeft());
    return { frame,
        QRectF(drawn.x() / frame.width(), drawn.y() / frame.height(), drawn.width() / frame.width(),
            drawn.height() / frame.height()) };
}

bool near(qreal a, qreal b)
{
    return qAbs(a - b) < 0.005;
}

}

QStringList planProblems(WindowDriver& ui, QQuickItem* block, QQuickItem* title, QQuickItem* menu)
{
    QStringList problems;
    const QSize design(1024, 768);
    if (!ui.resize(design))
        return { "the window does not take the design size" };
    const PlanPlace atDesign = placeOf(ui, block);
    if (atDesign.outline.isEmpty())
        return { "no room outline" };
    const qreal designShape = atDesign.outline.width() / atDesign.outline.height();
    for (const QSize& size : { design, WindowDriver::panelSize, QSize(2560, 1440) }) {
        if (!ui.resize(size)) {
            problems << QString("the window does not take %1x%2").arg(size.width()).arg(size.height());
            continue;
        }
        const PlanPlace place = placeOf(ui, block);
        const QString at = QString(" at %1x%2").arg(size.width()).arg(size.height());
        if (!near(place.outline.width() / place.outline.height(), designShape))
            problems << "the outline changes its shape" + at;
        if (!near(place.block.x(), atDesign.block.x()) || !near(place.block.y(), atDesign.block.y()))
            problems << "the block moves in the room" + at;
        if (!near(place.block.width(), atDesign.block.width())
            || !near(place.block.height(), atDesign.block.height()))
            problems << "the block grows unlike the room" + at;
        if (title && title->mapRectToScene(title->boundingRect()).bottom() >= place.outline.top())
            problems << "the title touches the outline" + at;
        if (place.outline.bottom() > menu->mapToScene(QPointF(0, 0)).y())
            problems << "the outline runs under the menu" + at;
    }
    ui.resize(design);
    return problems;
}
