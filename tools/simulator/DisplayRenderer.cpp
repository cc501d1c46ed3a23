#include "DisplayRenderer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace sim {

namespace {

const QSize displaySize(1920, 1080);
const QColor idleBackground("#1E2A33");
const QColor idleText("#DDE3E8");

QColor colorOr(const QString& name, const QColor& fallback)
{
    const QColor color(name);
    return color.isValid() ? color : fallback;
}

void drawText(QPainter& painter, const QRect& area, const QString& text, int pixelSize, const QColor& color,
    bool bold = false)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void drawIdleScreen(QPainter& painter, const PodState& pod)
{
    painter.fillRect(QRect(QPoint(), displaySize), idleBackground);
    drawText(painter, { 0, 250, 1920, 180 }, pod.identity.name, 130, idleText, true);
    drawText(painter, { 0, 520, 1920, 70 }, "Screen key", 56, idleText);
    drawText(painter, { 0, 600, 1920, 200 }, pod.identity.screenKey, 180, Qt::white, true);
    if (!pod.connections.isEmpty() && pod.presence)
        drawText(painter, { 0, 880, 1920, 100 }, pod.message, 64, colorOr(pod.background, idleText));
}

void drawStream(QPainter& painter, const PodConnection& stream)
{
    painter.fillRect(QRect(QPoint(), displaySize), colorOr(stream.background, idleBackground));
    drawText(
        painter, { 100, 340, 1720, 400 }, stream.message, 140, colorOr(stream.foreground, Qt::white), true);
}

void drawBanner(QPainter& painter, const PodState& pod)
{
    const QRect strip(0, 0, displaySize.width(), 110);
    painter.fillRect(strip, colorOr(pod.background, Qt::darkGray));
    drawText(painter, strip, pod.message.isEmpty() ? pod.identity.name : pod.message, 56,
        colorOr(pod.foreground, Qt::white), true);
}

void drawOverlay(QPainter& painter, const PodState& pod)
{
    const QRect box(160, 700, 1600, 240);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 190));
    painter.drawRoundedRect(box, 30, 30);
    drawText(painter, box.adjusted(30, 10, -30, -10), pod.overlayText, 88,
        colorOr(pod.overlayColor, Qt::white), true);
}

} // namespace

QByteArray renderDisplay(const PodState& pod, const std::optional<PodConnection>& incoming)
{
    QImage image(displaySize, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        if (incoming)
            drawStream(painter, *incoming);
        else
            drawIdleScreen(painter, pod);
        if (pod.banners)
            drawBanner(painter, pod);
        if (!pod.overlayText.isEmpty())
            drawOverlay(painter, pod);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 80);
    return jpeg;
}

} // namespace sim
