#pragma once

#include <QHash>
#include <QPixmap>
#include <QQuickImageProvider>

// Latest snapshot of each pod's display, served to QML as "image://RuvoruVadudo/<url>".
class LookinImage : public QQuickImageProvider {
public:
    LookinImage();
    ~LookinImage() override;

    void initialize();
    void shutdown();
    void setPixmap(const QString& id, QPixmap* pixmap);
    QPixmap pixmap(const QString& id) const;
    QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;

private:
    static inline const QString blankId = QStringLiteral("clear");

    mutable QHash<QString, QPixmap*> cache; // the blank image's entry stays null until asked for
    QPixmap emptyPixmap;
    bool initialized = false;
};
