#include "LookinImage.h"

LookinImage::LookinImage()
    : QQuickImageProvider(QQmlImageProviderBase::Pixmap)
{
}

LookinImage::~LookinImage()
{
    shutdown();
}

void LookinImage::initialize()
{
    if (initialized)
        shutdown();
    auto* blank = new QPixmap(1920, 1080);
    blank->fill(Qt::transparent);
    setPixmap("clear", blank);
    initialized = true;
}

void LookinImage::shutdown()
{
    if (!initialized)
        return;
    qDeleteAll(cache);
    cache.clear();
    initialized = false;
}

void LookinImage::setPixmap(const QString& id, QPixmap* pixmap)
{
    QPixmap*& slot = cache[id];
    delete slot;
    slot = pixmap;
}

QPixmap LookinImage::pixmap(const QString& id) const
{
    QPixmap* cached = cache.value(id);
    return cached ? *cached : emptyPixmap;
}

QPixmap LookinImage::requestPixmap(const QString& id, QSize*, const QSize&)
{
    return pixmap(id);
}
