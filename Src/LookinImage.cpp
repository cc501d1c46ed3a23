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
    // The blank image is made when first asked for: filled, it holds 8 MB that start-up needn't touch.
    setPixmap(blankId, nullptr);
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
    if (!cached && id == blankId && cache.contains(blankId)) {
        cached = new QPixmap(1920, 1080);
        cached->fill(Qt::transparent);
        cache[blankId] = cached;
    }
    return cached ? *cached : emptyPixmap;
}

QPixmap LookinImage::requestPixmap(const QString& id, QSize*, const QSize&)
{
    return pixmap(id);
}
