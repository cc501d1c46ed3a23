#include "AccessibleAlert.h"

#include "PropertyHelpers.h"

#include <QAccessible>
#include <QQuickItem>

QQuickItem* AccessibleAlert::item() const
{
    return m_item;
}

void AccessibleAlert::setItem(QQuickItem* item)
{
    if (m_item == item)
        return;
    if (m_item)
        disconnect(m_item, nullptr, this, nullptr);
    m_item = item;
    if (m_item)
        connect(m_item, &QQuickItem::visibleChanged, this, &AccessibleAlert::announce);
    emit itemChanged();
}

void AccessibleAlert::setText(const QString& text)
{
    if (!assignIfChanged(m_text, text))
        return;
    emit textChanged();
    announce();
}

void AccessibleAlert::announce()
{
    if (!m_item || !m_item->isVisible() || m_text.isEmpty())
        return;
    QAccessibleEvent event(m_item.data(), QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}
