#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QQuickItem;

// Tells assistive technology that `item` now shows `text`, so a screen reader speaks a message
// that appears (or changes) without taking the focus. QML sets both; the alert goes out whenever
// the item is visible with a text that is not empty.
class AccessibleAlert : public QObject {
    Q_OBJECT
    Q_PROPERTY(QQuickItem* item READ item WRITE setItem NOTIFY itemChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    using QObject::QObject;

    QQuickItem* item() const;
    void setItem(QQuickItem* item);
    QString text() const { return m_text; }
    void setText(const QString& text);

signals:
    void itemChanged();
    void textChanged();

private:
    void announce();

    QPointer<QQuickItem> m_item;
    QString m_text;
};
